#pragma once

#include "config/widgets/selectionlistpage.h"

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationTailsWidget;
}

namespace olma::config {

class Tails;

// The "Шлейфы сигнализации" page: the loops of the model beside the page of the selected loop, or
// of all selected loops at once; loops are copied with the context menu.
class ConfigurationTailsWidget : public SelectionListPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationTailsWidget)

public:
    ConfigurationTailsWidget(Tails* tails, QWidget* parent = nullptr);
    ~ConfigurationTailsWidget() override;

protected:
    int rowCount() const override;
    QString rowTitle(int row) const override;
    int rememberedRow() const override;
    void rememberRow(int row) override;
    QWidget* createRowPage(int row, QWidget* parent) override;
    std::unique_ptr<ConfigItem> createMulti(const QList<int>& rows) override;
    // The description typed on the page goes into the list as it is typed.
    void pageMade(QWidget* page, const QList<int>& rows) override;
    void paste(int source, int target) override;
    void decorateRow(QTreeWidgetItem* item, int row) override;

private:
    std::unique_ptr<Ui::ConfigurationTailsWidget> _ui;
    Tails* _tails = nullptr;
};

} // namespace olma::config
