#include "config/widgets/configurationprogrammkvostatewidget.h"
#include "ui_configurationprogrammkvostatewidget.h"

#include "common/devicetype.h"
#include "config/programm/kvostate.h"
#include "config/programm/trigger.h"
#include "config/widgets/pagetexts.h"

namespace olma::config::programm {

ConfigurationProgrammKVOStateWidget::ConfigurationProgrammKVOStateWidget(KVOStateCommon* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationProgrammKVOStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    _ui->_kvoState->setText(pagetexts::kIpFaultRow);
    _ui->_kvoState->setNumbered(true);
    if (!_state)
        return;
    // One row per controlled output of the model.
    _ui->_kvoState->setCount(olma::ipOutputCount(_state->deviceType()));
    fill();

    connect(_ui->_kvoState, &YComboGroup::rowChanged, this, &ConfigurationProgrammKVOStateWidget::rowChanged);
    connect(_ui->_kvoState, &YComboGroup::drop, this, &ConfigurationProgrammKVOStateWidget::dropStates);
}

ConfigurationProgrammKVOStateWidget::~ConfigurationProgrammKVOStateWidget() = default;

void ConfigurationProgrammKVOStateWidget::fill()
{
    const QSignalBlocker blocker(_ui->_kvoState);
    for (int i = 0; i < _ui->_kvoState->count(); ++i)
        _ui->_kvoState->setValue(i, _state->state(i));
}

void ConfigurationProgrammKVOStateWidget::statesChanged()
{
    for (int i = 0; i < _ui->_kvoState->count(); ++i)
        _state->setState(i, quint16(_ui->_kvoState->value(i)));
}

void ConfigurationProgrammKVOStateWidget::rowChanged(int index, int value)
{
    // One output of every item shown; the other rows keep what each item holds.
    _state->setState(index, quint16(value));
}

void ConfigurationProgrammKVOStateWidget::dropStates()
{
    for (int i = 0; i < _ui->_kvoState->count(); ++i)
        _state->setState(i, TriggerInactive);
    fill();
}

} // namespace olma::config::programm
