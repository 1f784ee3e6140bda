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

ConfigurationProgrammBKVStatesWidget::~ConfigurationProgrammBKVStatesWidget()
{
    // The page of several rows edits the multi-selection object; it goes first.
    dropPage();
}

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

QWidget* ConfigurationProgrammBKVStatesWidget::createMultiPage(const QList<int>& rows, QWidget* parent)
{
    _multiBkvState.reset();
    QList<BKVState*> selected;
    selected.reserve(rows.size());
    for (int row : rows)
        selected.append(_bkvStates->bkvState(row));
    _multiBkvState = std::make_unique<MultiBKVState>(selected, _bkvStates->deviceType());
    return _multiBkvState->createWidget(parent);
}

void ConfigurationProgrammBKVStatesWidget::paste(int source, int target)
{
    BKVState* from = _bkvStates->bkvState(source);
    BKVState* to = _bkvStates->bkvState(target);
    if (from && to)
        to->assign(*from);
}

} // namespace olma::config::programm
