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

ConfigurationProgrammBPStatesWidget::~ConfigurationProgrammBPStatesWidget()
{
    // The page of several rows edits the multi-selection object; it goes first.
    dropPage();
}

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

QWidget* ConfigurationProgrammBPStatesWidget::createMultiPage(const QList<int>& rows, QWidget* parent)
{
    _multiBpState.reset();
    QList<BPState*> selected;
    selected.reserve(rows.size());
    for (int row : rows)
        selected.append(_bpStates->bpState(row));
    _multiBpState = std::make_unique<MultiBPState>(selected, _bpStates->deviceType());
    return _multiBpState->createWidget(parent);
}

void ConfigurationProgrammBPStatesWidget::paste(int source, int target)
{
    BPState* from = _bpStates->bpState(source);
    BPState* to = _bpStates->bpState(target);
    if (from && to)
        to->assign(*from);
}

} // namespace olma::config::programm
