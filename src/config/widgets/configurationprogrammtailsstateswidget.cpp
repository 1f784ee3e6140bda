#include "config/widgets/configurationprogrammtailsstateswidget.h"
#include "ui_configurationprogrammtailsstateswidget.h"

#include "config/programm/multitailstate.h"
#include "config/programm/tailstates.h"
#include "config/widgets/pagetexts.h"

namespace olma::config::programm {
namespace {

// The editor takes what the list leaves.
constexpr int kTailsStatesPageWidth = 600;

} // namespace

ConfigurationProgrammTailsStatesWidget::ConfigurationProgrammTailsStatesWidget(TailStates* states, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationProgrammTailsStatesWidget>()),
      _tailStates(states)
{
    _ui->setupUi(this);
    if (!_tailStates)
        return;

    attach(_ui->_tailsTreeWidget, _ui->_tailStatesStack);
    _ui->_splitter->setSizes({fittingListWidth(), kTailsStatesPageWidth});
}

ConfigurationProgrammTailsStatesWidget::~ConfigurationProgrammTailsStatesWidget() = default;

void ConfigurationProgrammTailsStatesWidget::handleStateNumChanged(int row)
{
    refill(row);
}

int ConfigurationProgrammTailsStatesWidget::rowCount() const
{
    return _tailStates->count();
}

QString ConfigurationProgrammTailsStatesWidget::rowTitle(int row) const
{
    return pagetexts::kNumberedRow.arg(_tailStates->tailState(row)->name()).arg(row + 1);
}

int ConfigurationProgrammTailsStatesWidget::rememberedRow() const
{
    return _tailStates->currentRow();
}

void ConfigurationProgrammTailsStatesWidget::rememberRow(int row)
{
    _tailStates->setCurrentRow(row);
}

QWidget* ConfigurationProgrammTailsStatesWidget::createRowPage(int row, QWidget* parent)
{
    return _tailStates->tailState(row)->createWidget(parent);
}

std::unique_ptr<ConfigItem> ConfigurationProgrammTailsStatesWidget::createMulti(const QList<int>& rows)
{
    const auto tailState = [this](int row) { return _tailStates->tailState(row); };
    return std::make_unique<MultiTailState>(nodes<TailState>(rows, tailState), _tailStates->deviceType());
}

void ConfigurationProgrammTailsStatesWidget::paste(int source, int target)
{
    TailState* from = _tailStates->tailState(source);
    TailState* to = _tailStates->tailState(target);
    if (from && to)
        to->assign(*from);
}

} // namespace olma::config::programm
