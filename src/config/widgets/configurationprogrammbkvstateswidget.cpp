#include "config/widgets/configurationprogrammbkvstateswidget.h"
#include "ui_configurationprogrammbkvstateswidget.h"

#include "config/programm/bkvstates.h"
#include "config/programm/multibkvstate.h"
#include "config/widgets/pagetexts.h"

namespace olma::config::programm {
namespace {

// The editor takes what the list leaves.
constexpr int kBkvStatesPageWidth = 600;

} // namespace

ConfigurationProgrammBKVStatesWidget::ConfigurationProgrammBKVStatesWidget(BKVStates* states, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationProgrammBKVStatesWidget>()), _bkvStates(states)
{
    _ui->setupUi(this);
    if (!_bkvStates)
        return;

    attach(_ui->_bkvTreeWidget, _ui->_bkvStatesStack);
    _ui->_splitter->setSizes({fittingListWidth(), kBkvStatesPageWidth});
}

ConfigurationProgrammBKVStatesWidget::~ConfigurationProgrammBKVStatesWidget() = default;

int ConfigurationProgrammBKVStatesWidget::rowCount() const
{
    return _bkvStates->count();
}

QString ConfigurationProgrammBKVStatesWidget::rowTitle(int row) const
{
    return pagetexts::kNumberedRow.arg(_bkvStates->bkvState(row)->name()).arg(row + 1);
}

int ConfigurationProgrammBKVStatesWidget::rememberedRow() const
{
    return _bkvStates->currentRow();
}

void ConfigurationProgrammBKVStatesWidget::rememberRow(int row)
{
    _bkvStates->setCurrentRow(row);
}

QWidget* ConfigurationProgrammBKVStatesWidget::createRowPage(int row, QWidget* parent)
{
    return _bkvStates->bkvState(row)->createWidget(parent);
}

std::unique_ptr<ConfigItem> ConfigurationProgrammBKVStatesWidget::createMulti(const QList<int>& rows)
{
    const auto bkvState = [this](int row) { return _bkvStates->bkvState(row); };
    return std::make_unique<MultiBKVState>(nodes<BKVState>(rows, bkvState), _bkvStates->deviceType());
}

void ConfigurationProgrammBKVStatesWidget::paste(int source, int target)
{
    BKVState* from = _bkvStates->bkvState(source);
    BKVState* to = _bkvStates->bkvState(target);
    if (from && to)
        to->assign(*from);
}

} // namespace olma::config::programm
