#pragma once

#include "config/widgets/selectionlistpage.h"

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationProgrammTailsStatesWidget;
}

namespace olma::config::programm {

class TailStates;

// "Состояние ШС" of a program: its loops beside the triggers of the selected loop, or of all selected
// loops at once, which then show the values they share; loops are copied with the context menu.
class ConfigurationProgrammTailsStatesWidget : public SelectionListPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammTailsStatesWidget)

public:
    ConfigurationProgrammTailsStatesWidget(TailStates* states, QWidget* parent = nullptr);
    ~ConfigurationProgrammTailsStatesWidget() override;

public slots:
    // The loops are rebuilt (their number follows the model) and loop `row` is shown.
    void handleStateNumChanged(int row);

protected:
    int rowCount() const override;
    QString rowTitle(int row) const override;
    int rememberedRow() const override;
    void rememberRow(int row) override;
    QWidget* createRowPage(int row, QWidget* parent) override;
    std::unique_ptr<ConfigItem> createMulti(const QList<int>& rows) override;
    void paste(int source, int target) override;

private:
    std::unique_ptr<Ui::ConfigurationProgrammTailsStatesWidget> _ui;
    TailStates* _tailStates = nullptr;
};

} // namespace olma::config::programm
