#pragma once

#include "config/widgets/selectionlistpage.h"

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationProgrammsWidget;
}

namespace olma::config {

class Programm;
class Programms;

// The "Активация реле (выходов)" page: every relay and output of the panel and its blocks beside
// the editor of the selected program, or of all selected programs at once; whole programs are
// copied with the context menu.
class ConfigurationProgrammsWidget : public SelectionListPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammsWidget)

public:
    ConfigurationProgrammsWidget(Programms* programms, QWidget* parent = nullptr);
    ~ConfigurationProgrammsWidget() override;

protected:
    int rowCount() const override;
    QString rowTitle(int row) const override;
    // The list opens on the first program.
    int rememberedRow() const override { return 0; }
    void rememberRow(int /*row*/) override {}
    QWidget* createRowPage(int row, QWidget* parent) override;
    std::unique_ptr<ConfigItem> createMulti(const QList<int>& rows) override;
    void paste(int source, int target) override;
    // The summary of the program's active triggers beside its title.
    void decorateRow(QTreeWidgetItem* item, int row) override;

private:
    // The summaries of the rows of `programms` again, as their triggers changed.
    void followChanges(const QList<Programm*>& programms);
    void refreshSummary(const Programm* programm);

    std::unique_ptr<Ui::ConfigurationProgrammsWidget> _ui;
    Programms* _programms = nullptr;
    QList<QMetaObject::Connection> _following;
};

} // namespace olma::config
