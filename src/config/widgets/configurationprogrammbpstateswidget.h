#pragma once

#include "config/widgets/selectionlistpage.h"

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationProgrammBPStatesWidget;
}

namespace olma::config::programm {

class BPStates;

// "Цепи БП-А" of a program: the four БП-А power blocks beside the triggers of the selected block, or of
// all selected blocks at once (starting from "Неактивно"); blocks are copied with the context menu.
class ConfigurationProgrammBPStatesWidget : public SelectionListPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammBPStatesWidget)

public:
    ConfigurationProgrammBPStatesWidget(BPStates* states, QWidget* parent = nullptr);
    ~ConfigurationProgrammBPStatesWidget() override;

protected:
    int rowCount() const override;
    QString rowTitle(int row) const override;
    int rememberedRow() const override;
    void rememberRow(int row) override;
    QWidget* createRowPage(int row, QWidget* parent) override;
    std::unique_ptr<ConfigItem> createMulti(const QList<int>& rows) override;
    void paste(int source, int target) override;

private:
    std::unique_ptr<Ui::ConfigurationProgrammBPStatesWidget> _ui;
    BPStates* _bpStates = nullptr;
};

} // namespace olma::config::programm
