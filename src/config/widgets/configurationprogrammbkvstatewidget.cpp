#include "config/widgets/configurationprogrammbkvstatewidget.h"
#include "ui_configurationprogrammbkvstatewidget.h"

#include "config/programm/bkvstatecommon.h"
#include "config/programm/programmrecord.h"
#include "config/programm/trigger.h"
#include "config/widgets/pagetexts.h"

namespace olma::config::programm {

ConfigurationProgrammBKVStateWidget::ConfigurationProgrammBKVStateWidget(BKVStateCommon* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationProgrammBKVStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    _ui->_bkvState->setText(pagetexts::kBkvOutputFaultRow);
    _ui->_bkvState->setNumbered(true);
    _ui->_bkvState->setCount(kBkvOutputs);
    if (!_state)
        return;
    fill();

    connect(_ui->_bkvState, &YComboGroup::rowChanged, this, &ConfigurationProgrammBKVStateWidget::rowChanged);
    connect(_ui->_bkvState, &YComboGroup::drop, this, &ConfigurationProgrammBKVStateWidget::dropStates);
}

ConfigurationProgrammBKVStateWidget::~ConfigurationProgrammBKVStateWidget() = default;

void ConfigurationProgrammBKVStateWidget::fill()
{
    const QSignalBlocker blocker(_ui->_bkvState);
    for (int i = 0; i < kBkvOutputs; ++i)
        _ui->_bkvState->setValue(i, _state->state(i));
}

void ConfigurationProgrammBKVStateWidget::statesChanged()
{
    // What the rows show is what the blocks get, all four outputs; a selection of blocks opens
    // with every row inactive.
    for (int i = 0; i < kBkvOutputs; ++i)
        _state->setState(i, quint16(_ui->_bkvState->value(i)));
}

void ConfigurationProgrammBKVStateWidget::rowChanged(int index, int value)
{
    // One output of every item shown; the other rows keep what each item holds.
    _state->setState(index, quint16(value));
}

void ConfigurationProgrammBKVStateWidget::dropStates()
{
    for (int i = 0; i < kBkvOutputs; ++i)
        _state->setState(i, TriggerInactive);
    fill();
}

} // namespace olma::config::programm
