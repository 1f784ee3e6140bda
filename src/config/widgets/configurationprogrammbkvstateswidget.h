#pragma once

#include "config/widgets/selectionlistpage.h"

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationProgrammBKVStatesWidget;
}

namespace olma::config::programm {

class BKVStates;

// "Выходы БКВ-А" of a program: the eight БКВ-А blocks beside the output triggers of the selected block, or
// of all selected blocks at once (starting from "Неактивно"); blocks are copied with the context menu.
class ConfigurationProgrammBKVStatesWidget : public SelectionListPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammBKVStatesWidget)

public:
    ConfigurationProgrammBKVStatesWidget(BKVStates* states, QWidget* parent = nullptr);
    ~ConfigurationProgrammBKVStatesWidget() override;

protected:
    int rowCount() const override;
    QString rowTitle(int row) const override;
    int rememberedRow() const override;
    void rememberRow(int row) override;
    QWidget* createRowPage(int row, QWidget* parent) override;
    std::unique_ptr<ConfigItem> createMulti(const QList<int>& rows) override;
    void paste(int source, int target) override;

private:
    std::unique_ptr<Ui::ConfigurationProgrammBKVStatesWidget> _ui;
    BKVStates* _bkvStates = nullptr;
};

} // namespace olma::config::programm
