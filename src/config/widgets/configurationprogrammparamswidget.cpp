#include "config/widgets/configurationprogrammparamswidget.h"
#include "ui_configurationprogrammparamswidget.h"

#include "config/programm/multiparams.h"
#include "config/programm/params.h"
#include "config/programm/programmrecord.h"
#include "config/widgets/mixedvalue.h"

namespace olma::config::programm {
namespace {

constexpr int kOff = 0;
constexpr int kOn = 1;
constexpr int kAutomatic = 0;
constexpr int kLamp = 1;
const QColor kOnColour(192, 255, 192);
const QColor kOffColour(255, 255, 255);

} // namespace

ConfigurationProgrammParamsWidget::ConfigurationProgrammParamsWidget(Params* params, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationProgrammParamsWidget>()), _params(params), _common(params)
{
    _ui->setupUi(this);
    if (!_params)
        return;
    fill();
    connectControls();
}

ConfigurationProgrammParamsWidget::~ConfigurationProgrammParamsWidget() = default;

bool ConfigurationProgrammParamsWidget::isControlledOutput() const
{
    // The parameters of a selection of programs carry slot 0 and never count as an ИП.
    return kindOf(_params->index()) == KindControlledOutput;
}

void ConfigurationProgrammParamsWidget::fill()
{
    _ui->_buttonGroupBox->setVisible(isControlledOutput());
    // The panel keeps no fire-safety mark: an ИП that is on from the start is taken for one.
    if (isControlledOutput() && _common->initState()) {
        _ui->_fireSafetyIPCheckBox->setChecked(true);
        lockFireSafeControls(true);
    }
    if (_common->workTime() == 0) {
        showNoLimit(true);
    } else {
        _ui->_workTimeSpinBox->setValue(_common->workTime());
    }
    _ui->_timeoutSpinBox->setValue(_common->timeout());
    _ui->_initStateComboBox->setCurrentIndex(_common->initState() ? kOn : kOff);
    _ui->_tacticComboBox->setCurrentIndex(_common->tactic() == kLamp ? kLamp : kAutomatic);
    if (_common->initState())
        _ui->_initStateComboBox->setPalette(QPalette(kOnColour));
    showDiffering();
}

// Values the selected programs do not share show blank with a dash until the engineer sets them.
void ConfigurationProgrammParamsWidget::showDiffering()
{
    const auto* multi = dynamic_cast<const MultiParams*>(_params);
    if (!multi)
        return;
    if (multi->differs(MultiParams::Field::Timeout))
        blankSpinBox(_ui->_timeoutSpinBox);
    if (multi->differs(MultiParams::Field::InitState)) {
        mixed::showChoice(_ui->_initStateComboBox, kOff, true);
        _ui->_initStateComboBox->setPalette(QPalette(kOffColour));
    }
    if (multi->differs(MultiParams::Field::Tactic))
        mixed::showChoice(_ui->_tacticComboBox, kAutomatic, true);
    if (multi->differs(MultiParams::Field::WorkTime)) {
        mixed::showFlag(_ui->_noLimitWorkCheckBox, false, true);
        _ui->_workTimeSpinBox->setEnabled(true);
        blankSpinBox(_ui->_workTimeSpinBox);
    }
}

void ConfigurationProgrammParamsWidget::blankSpinBox(QSpinBox* box)
{
    const QSignalBlocker blocker(box);
    _blankMinimum.insert(box, box->minimum());
    box->setMinimum(box->minimum() - 1);
    box->setSpecialValueText(mixed::kPlaceholder);
    box->setValue(box->minimum());
}

int ConfigurationProgrammParamsWidget::settleSpinBox(QSpinBox* box, int value)
{
    const auto found = _blankMinimum.constFind(box);
    if (found == _blankMinimum.constEnd())
        return value;
    const int minimum = found.value();
    _blankMinimum.remove(box);
    const QSignalBlocker blocker(box);
    box->setSpecialValueText(QString());
    box->setMinimum(minimum);
    return box->value();
}

void ConfigurationProgrammParamsWidget::connectControls()
{
    using W = ConfigurationProgrammParamsWidget;
    connect(_ui->_timeoutSpinBox, &QSpinBox::valueChanged, this, &W::timeoutChanged);
    connect(_ui->_tacticComboBox, &QComboBox::currentIndexChanged, this, &W::tacticChanged);
    connect(_ui->_initStateComboBox, &QComboBox::currentIndexChanged, this, &W::initStateChanged);
    connect(_ui->_noLimitWorkCheckBox, &QCheckBox::stateChanged, this, &W::noLimitChanged);
    connect(_ui->_workTimeSpinBox, &QSpinBox::valueChanged, this, &W::workTimeChanged);
    connect(_ui->_fireSafetyIPCheckBox, &QCheckBox::stateChanged, this, &W::fireSafetyIPCheckBoxChanged);
    connect(_ui->_dropButton, &QPushButton::clicked, this, &W::clearAllParams);
}

void ConfigurationProgrammParamsWidget::showInitState(int index)
{
    const QSignalBlocker blocker(_ui->_initStateComboBox);
    _ui->_initStateComboBox->setCurrentIndex(index);
    _ui->_initStateComboBox->setPalette(QPalette(index == kOn ? kOnColour : kOffColour));
}

void ConfigurationProgrammParamsWidget::showNoLimit(bool noLimit)
{
    const QSignalBlocker boxBlocker(_ui->_noLimitWorkCheckBox);
    _ui->_noLimitWorkCheckBox->setChecked(noLimit);
    _ui->_workTimeSpinBox->setEnabled(!noLimit);
    if (noLimit) {
        const QSignalBlocker spinBlocker(_ui->_workTimeSpinBox);
        _ui->_workTimeSpinBox->setValue(_ui->_workTimeSpinBox->minimum());
    }
}

void ConfigurationProgrammParamsWidget::lockFireSafeControls(bool locked)
{
    _ui->_initStateComboBox->setEnabled(!locked);
    _ui->_noLimitWorkCheckBox->setEnabled(!locked);
    _ui->_tacticComboBox->setEnabled(!locked);
    _ui->_timeoutSpinBox->setEnabled(!locked);
}

void ConfigurationProgrammParamsWidget::forceAlwaysOn()
{
    showInitState(kOn);
    _common->setInitState(true);
    _common->setWorkTime(0);
    {
        const QSignalBlocker blocker(_ui->_tacticComboBox);
        _ui->_tacticComboBox->setCurrentIndex(kAutomatic);
    }
    _common->setTactic(kAutomatic);
    {
        const QSignalBlocker blocker(_ui->_timeoutSpinBox);
        _ui->_timeoutSpinBox->setValue(0);
    }
    showNoLimit(true);
    _common->setTimeout(0);
}

void ConfigurationProgrammParamsWidget::leaveFireSafety()
{
    // Runs the box's own handler, as the user's unchecking would.
    _ui->_fireSafetyIPCheckBox->setChecked(false);
}

void ConfigurationProgrammParamsWidget::timeoutChanged(int value)
{
    value = settleSpinBox(_ui->_timeoutSpinBox, value);
    leaveFireSafety();
    _common->setTimeout(quint16(value));
}

void ConfigurationProgrammParamsWidget::tacticChanged(int index)
{
    leaveFireSafety();
    _common->setTactic(index != 0 ? kLamp : kAutomatic);
}

void ConfigurationProgrammParamsWidget::initStateChanged(int index)
{
    leaveFireSafety();
    _common->setInitState(index != kOff);
    showInitState(index == kOn ? kOn : kOff);
    // An ИП switched on from the start works without delay or limit, automatically.
    if (isControlledOutput() && index == kOn)
        forceAlwaysOn();
}

void ConfigurationProgrammParamsWidget::noLimitChanged(int state)
{
    mixed::settleFlag(_ui->_noLimitWorkCheckBox);
    settleSpinBox(_ui->_workTimeSpinBox, 0);
    leaveFireSafety();
    _ui->_workTimeSpinBox->setEnabled(!checked(state));
    _common->setWorkTime(checked(state) ? 0 : quint16(_ui->_workTimeSpinBox->value()));
}

void ConfigurationProgrammParamsWidget::workTimeChanged(int value)
{
    value = settleSpinBox(_ui->_workTimeSpinBox, value);
    {
        const QSignalBlocker blocker(_ui->_noLimitWorkCheckBox);
        _ui->_noLimitWorkCheckBox->setTristate(false);
        _ui->_noLimitWorkCheckBox->setChecked(false);
    }
    _common->setWorkTime(quint16(value));
}

void ConfigurationProgrammParamsWidget::fireSafetyIPCheckBoxChanged(int state)
{
    if (checked(state)) {
        forceAlwaysOn();
        lockFireSafeControls(true);
        _params->setFireSafety(true);
    } else {
        // Off again: the box follows the initial state whenever the program is shown, so leaving
        // it on would bring the box back checked at once.
        lockFireSafeControls(false);
        showInitState(kOff);
        _common->setInitState(false);
        _params->setFireSafety(false);
    }
}

void ConfigurationProgrammParamsWidget::clearAllParams()
{
    {
        const QSignalBlocker blocker(_ui->_fireSafetyIPCheckBox);
        _ui->_fireSafetyIPCheckBox->setChecked(false);
    }
    lockFireSafeControls(false);
    showInitState(kOff);
    _common->setInitState(false);
    _common->setWorkTime(0);
    {
        const QSignalBlocker blocker(_ui->_tacticComboBox);
        _ui->_tacticComboBox->setCurrentIndex(kAutomatic);
    }
    _common->setTactic(kAutomatic);
    {
        const QSignalBlocker blocker(_ui->_timeoutSpinBox);
        _ui->_timeoutSpinBox->setValue(0);
    }
    showNoLimit(true);
    _params->setFireSafety(false);
    _common->setTimeout(0);
    // A program takes this for its cue to clear every trigger; a selection resets all its groups.
    emit _params->changedFireSafety(true);
}

} // namespace olma::config::programm
