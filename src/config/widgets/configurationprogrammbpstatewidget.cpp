#include "config/widgets/configurationprogrammbpstatewidget.h"
#include "ui_configurationprogrammbpstatewidget.h"

#include "config/programm/bpstatecommon.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {

ConfigurationProgrammBPStateWidget::ConfigurationProgrammBPStateWidget(BPStateCommon* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationProgrammBPStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    if (!_state)
        return;
    fill();

    using W = ConfigurationProgrammBPStateWidget;
    connect(_ui->_opComboBox, &YComboBox::changed, this, &W::opChanged);
    connect(_ui->_rpComboBox, &YComboBox::changed, this, &W::rpChanged);
    connect(_ui->_ch1ComboBox, &YComboBox::changed, this, &W::ch1Changed);
    connect(_ui->_ch2ComboBox, &YComboBox::changed, this, &W::ch2Changed);
    connect(_ui->_dropButton, &QPushButton::clicked, this, &W::dropStates);
}

ConfigurationProgrammBPStateWidget::~ConfigurationProgrammBPStateWidget() = default;

void ConfigurationProgrammBPStateWidget::fill()
{
    const QList<std::pair<YComboBox*, quint16>> rows = {
        {_ui->_opComboBox, _state->op()},
        {_ui->_rpComboBox, _state->rp()},
        {_ui->_ch1ComboBox, _state->ch1()},
        {_ui->_ch2ComboBox, _state->ch2()},
    };
    for (const auto& [combo, value] : rows) {
        const QSignalBlocker blocker(combo);
        combo->setValue(value);
    }
}

void ConfigurationProgrammBPStateWidget::opChanged(int value)
{
    _state->setOp(quint16(value));
}

void ConfigurationProgrammBPStateWidget::rpChanged(int value)
{
    _state->setRp(quint16(value));
}

void ConfigurationProgrammBPStateWidget::ch1Changed(int value)
{
    _state->setCh1(quint16(value));
}

void ConfigurationProgrammBPStateWidget::ch2Changed(int value)
{
    _state->setCh2(quint16(value));
}

void ConfigurationProgrammBPStateWidget::dropStates()
{
    _state->setOp(TriggerInactive);
    _state->setRp(TriggerInactive);
    _state->setCh2(TriggerInactive);
    _state->setCh1(TriggerInactive);
    fill();
}

} // namespace olma::config::programm
