#include "config/widgets/configurationprogrammbpstateswidget.h"
#include "ui_configurationprogrammbpstateswidget.h"

#include "config/programm/bpstates.h"
#include "config/programm/multibpstate.h"
#include "config/widgets/pagetexts.h"

namespace olma::config::programm {
namespace {

// The editor takes what the list leaves.
constexpr int kBpStatesPageWidth = 600;

} // namespace

ConfigurationProgrammBPStatesWidget::ConfigurationProgrammBPStatesWidget(BPStates* states, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationProgrammBPStatesWidget>()), _bpStates(states)
{
    _ui->setupUi(this);
    if (!_bpStates)
        return;

    attach(_ui->_bpTreeWidget, _ui->_bpStatesStack);
    _ui->_splitter->setSizes({fittingListWidth(), kBpStatesPageWidth});
}

ConfigurationProgrammBPStatesWidget::~ConfigurationProgrammBPStatesWidget() = default;

int ConfigurationProgrammBPStatesWidget::rowCount() const
{
    return _bpStates->count();
}

QString ConfigurationProgrammBPStatesWidget::rowTitle(int row) const
{
    return pagetexts::kNumberedRow.arg(_bpStates->bpState(row)->name()).arg(row + 1);
}

int ConfigurationProgrammBPStatesWidget::rememberedRow() const
{
    return _bpStates->currentRow();
}

void ConfigurationProgrammBPStatesWidget::rememberRow(int row)
{
    _bpStates->setCurrentRow(row);
}

QWidget* ConfigurationProgrammBPStatesWidget::createRowPage(int row, QWidget* parent)
{
    return _bpStates->bpState(row)->createWidget(parent);
}

std::unique_ptr<ConfigItem> ConfigurationProgrammBPStatesWidget::createMulti(const QList<int>& rows)
{
    const auto bpState = [this](int row) { return _bpStates->bpState(row); };
    return std::make_unique<MultiBPState>(nodes<BPState>(rows, bpState), _bpStates->deviceType());
}

void ConfigurationProgrammBPStatesWidget::paste(int source, int target)
{
    BPState* from = _bpStates->bpState(source);
    BPState* to = _bpStates->bpState(target);
    if (from && to)
        to->assign(*from);
}

} // namespace olma::config::programm
