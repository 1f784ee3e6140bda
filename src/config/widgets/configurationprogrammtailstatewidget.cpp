#include "config/widgets/configurationprogrammtailstatewidget.h"
#include "ui_configurationprogrammtailstatewidget.h"

#include "config/programm/tailstatecommon.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {

ConfigurationProgrammTailStateWidget::ConfigurationProgrammTailStateWidget(TailStateCommon* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationProgrammTailStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    if (!_state)
        return;
    fill();

    using W = ConfigurationProgrammTailStateWidget;
    connect(_ui->_takeOffComboBox, &YComboBox::changed, this, &W::takeOffChanged);
    connect(_ui->_alarmComboBox, &YComboBox::changed, this, &W::alarmChanged);
    connect(_ui->_fire1ComboBox, &YComboBox::changed, this, &W::fire1Changed);
    connect(_ui->_faultComboBox, &YComboBox::changed, this, &W::faultChanged);
    connect(_ui->_brokenComboBox, &YComboBox::changed, this, &W::brokenChanged);
    connect(_ui->_guardOnDelayComboBox, &YComboBox::changed, this, &W::guardOnDelayChanged);
    connect(_ui->_guardOffDelayComboBox, &YComboBox::changed, this, &W::guardOffDelayChanged);
    connect(_ui->_dropButton, &QPushButton::clicked, this, &W::dropStates);
}

ConfigurationProgrammTailStateWidget::~ConfigurationProgrammTailStateWidget() = default;

void ConfigurationProgrammTailStateWidget::fill()
{
    const QList<std::pair<YComboBox*, quint16>> rows = {
        {_ui->_takeOffComboBox, _state->takeOff()},
        {_ui->_alarmComboBox, _state->alarm()},
        {_ui->_fire1ComboBox, _state->fire1()},
        {_ui->_faultComboBox, _state->fault()},
        {_ui->_brokenComboBox, _state->broken()},
        {_ui->_guardOnDelayComboBox, _state->guardOnDelay()},
        {_ui->_guardOffDelayComboBox, _state->guardOffDelay()},
    };
    for (const auto& [combo, value] : rows) {
        const QSignalBlocker blocker(combo);
        combo->setValue(value);
    }
}

void ConfigurationProgrammTailStateWidget::takeOffChanged(int value)
{
    _state->setTakeOff(quint16(value));
}

void ConfigurationProgrammTailStateWidget::alarmChanged(int value)
{
    _state->setAlarm(quint16(value));
}

void ConfigurationProgrammTailStateWidget::fire1Changed(int value)
{
    _state->setFire1(quint16(value));
}

void ConfigurationProgrammTailStateWidget::faultChanged(int value)
{
    _state->setFault(quint16(value));
}

void ConfigurationProgrammTailStateWidget::brokenChanged(int value)
{
    _state->setBroken(quint16(value));
}

void ConfigurationProgrammTailStateWidget::guardOnDelayChanged(int value)
{
    _state->setGuardOnDelay(quint16(value));
}

void ConfigurationProgrammTailStateWidget::guardOffDelayChanged(int value)
{
    _state->setGuardOffDelay(quint16(value));
}

void ConfigurationProgrammTailStateWidget::dropStates()
{
    // The loop's own reset, for one loop and for a selection alike.
    _state->setGuardOffDelay(TriggerInactive);
    _state->setGuardOnDelay(TriggerInactive);
    _state->setBroken(TriggerInactive);
    _state->setFault(TriggerInactive);
    _state->setFire1(TriggerInactive);
    _state->setAlarm(TriggerInactive);
    _state->setTakeOff(TriggerInactive);
    fill();
}

} // namespace olma::config::programm
