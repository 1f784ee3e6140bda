#include "config/widgets/configurationprogrammpcstatewidget.h"
#include "ui_configurationprogrammpcstatewidget.h"

#include "config/programm/pcstatecommon.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {

ConfigurationProgrammPCStateWidget::ConfigurationProgrammPCStateWidget(PCStateCommon* state, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationProgrammPCStateWidget>()), _state(state)
{
    _ui->setupUi(this);
    if (!_state)
        return;
    fill();

    using W = ConfigurationProgrammPCStateWidget;
    connect(_ui->_CorpseOpenComboBox, &YComboBox::changed, this, &W::corpseOpenChanged);
    connect(_ui->_OPFaultComboBox, &YComboBox::changed, this, &W::opFaultChanged);
    connect(_ui->_RPFaultComboBox, &YComboBox::changed, this, &W::rpFaultChanged);
    connect(_ui->_ZOFaultComboBox, &YComboBox::changed, this, &W::zoFaultChanged);
    connect(_ui->_SOFaultComboBox, &YComboBox::changed, this, &W::soFaultChanged);
    connect(_ui->_NoticeOffFaultComboBox, &YComboBox::changed, this, &W::noticeOffChanged);
    connect(_ui->_extBlockOpeningCombo, &YComboBox::changed, this, &W::extBlockOpeningChanged);
    connect(_ui->_extBlockAccidentCombo, &YComboBox::changed, this, &W::extBlockAccidentChanged);
    connect(_ui->_dropButton, &QPushButton::clicked, this, &W::dropStates);
}

ConfigurationProgrammPCStateWidget::~ConfigurationProgrammPCStateWidget() = default;

void ConfigurationProgrammPCStateWidget::fill()
{
    const QList<std::pair<YComboBox*, quint16>> rows = {
        {_ui->_CorpseOpenComboBox, _state->corpseOpen()},
        {_ui->_OPFaultComboBox, _state->opFault()},
        {_ui->_RPFaultComboBox, _state->rpFault()},
        {_ui->_ZOFaultComboBox, _state->zoFault()},
        {_ui->_SOFaultComboBox, _state->soFault()},
        {_ui->_NoticeOffFaultComboBox, _state->noticeOff()},
        {_ui->_extBlockOpeningCombo, _state->extBlockOpening()},
        {_ui->_extBlockAccidentCombo, _state->extBlockAccident()},
    };
    for (const auto& [combo, value] : rows) {
        const QSignalBlocker blocker(combo);
        combo->setValue(value);
    }
}

void ConfigurationProgrammPCStateWidget::corpseOpenChanged(int value)
{
    _state->setCorpseOpen(quint16(value));
}

void ConfigurationProgrammPCStateWidget::opFaultChanged(int value)
{
    _state->setOpFault(quint16(value));
}

void ConfigurationProgrammPCStateWidget::rpFaultChanged(int value)
{
    _state->setRpFault(quint16(value));
}

void ConfigurationProgrammPCStateWidget::zoFaultChanged(int value)
{
    _state->setZoFault(quint16(value));
}

void ConfigurationProgrammPCStateWidget::soFaultChanged(int value)
{
    _state->setSoFault(quint16(value));
}

void ConfigurationProgrammPCStateWidget::noticeOffChanged(int value)
{
    _state->setNoticeOff(quint16(value));
}

void ConfigurationProgrammPCStateWidget::extBlockOpeningChanged(int value)
{
    _state->setExtBlockOpening(quint16(value));
}

void ConfigurationProgrammPCStateWidget::extBlockAccidentChanged(int value)
{
    _state->setExtBlockAccident(quint16(value));
}

void ConfigurationProgrammPCStateWidget::dropStates()
{
    _state->setCorpseOpen(TriggerInactive);
    _state->setOpFault(TriggerInactive);
    _state->setRpFault(TriggerInactive);
    _state->setZoFault(TriggerInactive);
    _state->setSoFault(TriggerInactive);
    _state->setNoticeOff(TriggerInactive);
    _state->setExtBlockOpening(TriggerInactive);
    _state->setExtBlockAccident(TriggerInactive);
    fill();
}

} // namespace olma::config::programm
