#include "config/widgets/configurationtailwidget.h"
#include "ui_configurationtailwidget.h"

#include "config/configitem.h"
#include "config/configtexts.h"
#include "config/tailcommon.h"

namespace olma::config {
namespace {

constexpr int kTypeCount = 8;

// Fire loops (and the user-defined one) are always checked for faults and power-reset, never
// re-armed automatically and never silent; the other loops cannot raise "Пожар-1".
bool isFireLike(int type)
{
    return type == TailFire || type == TailHeatFire || type == TailUserDefined;
}

bool checked(int state)
{
    return state != Qt::Unchecked;
}

} // namespace

ConfigurationTailWidget::ConfigurationTailWidget(TailCommon* tail, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationTailWidget>()), _tail(tail)
{
    _ui->setupUi(this);
    for (int type = 0; type < kTypeCount; ++type)
        _ui->_tailTypeComboBox->addItem(texts::tailTypeName(type));
    if (!_tail)
        return;
    fill();
    connectControls();
    applyTypeRules();
}

ConfigurationTailWidget::~ConfigurationTailWidget() = default;

void ConfigurationTailWidget::fill()
{
    _ui->_tailTypeComboBox->setCurrentIndex(_tail->tailType());
    _ui->_fire1CheckBox->setChecked(_tail->fire1());
    _ui->_faultCheckCheckBox->setChecked(_tail->faultCheck());
    _ui->_reRequestCheckBox->setChecked(_tail->reRequest());
    _ui->_autoReGuardOnCheckBox->setChecked(_tail->autoReGuardOn());
    _ui->_bizExCheckBox->setChecked(_tail->bizEx());
    _ui->_autoResetCheckBox->setChecked(_tail->autoReset());
    _ui->_withoutAlarmCheckBox->setChecked(_tail->withoutAlarm());
    _ui->_guardOffTimeoutComboBox->setCurrentIndex(_tail->guardOffTimeout() == 1 ? 1 : 0);
    _ui->_guardOnTimeoutComboBox->setCurrentIndex(_tail->guardOnTimeout() == 1 ? 1 : 0);
    if (const auto* item = dynamic_cast<const IConfigItem*>(_tail))
        _ui->_descrTextEdit->setPlainText(item->description());
}

void ConfigurationTailWidget::connectControls()
{
    using W = ConfigurationTailWidget;
    connect(_ui->_tailTypeComboBox, &QComboBox::activated, this, &W::tailTypeChanged);
    connect(_ui->_fire1CheckBox, &QCheckBox::stateChanged, this, &W::fire1Changed);
    connect(_ui->_faultCheckCheckBox, &QCheckBox::stateChanged, this, &W::faultCheckChanged);
    connect(_ui->_reRequestCheckBox, &QCheckBox::stateChanged, this, &W::reRequestChanged);
    connect(_ui->_autoReGuardOnCheckBox, &QCheckBox::stateChanged, this, &W::autoReGuardOnChanged);
    connect(_ui->_bizExCheckBox, &QCheckBox::stateChanged, this, &W::bizExChanged);
    connect(_ui->_autoResetCheckBox, &QCheckBox::stateChanged, this, &W::autoResetChanged);
    connect(_ui->_withoutAlarmCheckBox, &QCheckBox::stateChanged, this, &W::withoutAlarmChanged);
    connect(_ui->_guardOffTimeoutComboBox, &QComboBox::activated, this, &W::guardOffTimerChanged);
    connect(_ui->_guardOnTimeoutComboBox, &QComboBox::activated, this, &W::guardOnTimerChanged);
    connect(_ui->_descrTextEdit, &QTextEdit::textChanged, this, &W::descrChanged);
}

void ConfigurationTailWidget::applyTypeRules()
{
    const int type = _ui->_tailTypeComboBox->currentIndex();
    const QList<QWidget*> typeDependent = {
        _ui->_fire1CheckBox,           _ui->_faultCheckCheckBox,     _ui->_reRequestCheckBox,
        _ui->_autoReGuardOnCheckBox,   _ui->_autoResetCheckBox,      _ui->_withoutAlarmCheckBox,
        _ui->_guardOffTimeoutComboBox, _ui->_guardOnTimeoutComboBox,
    };
    // A type this program does not know (a newer panel's) keeps its flags as they are, all editable.
    const bool known = type >= 0 && type < kTypeCount;
    for (QWidget* w : typeDependent)
        w->setEnabled(!known);
    if (!known)
        return;

    if (isFireLike(type)) {
        _ui->_fire1CheckBox->setEnabled(true);
        _ui->_reRequestCheckBox->setEnabled(true);
        _ui->_faultCheckCheckBox->setChecked(true);
        _ui->_autoReGuardOnCheckBox->setChecked(false);
        _ui->_withoutAlarmCheckBox->setChecked(false);
        _ui->_autoResetCheckBox->setChecked(true);
    } else {
        _ui->_fire1CheckBox->setChecked(false);
        _ui->_reRequestCheckBox->setChecked(false);
        _ui->_faultCheckCheckBox->setEnabled(true);
        _ui->_autoReGuardOnCheckBox->setEnabled(true);
        _ui->_autoResetCheckBox->setEnabled(true);
        _ui->_withoutAlarmCheckBox->setEnabled(true);
        const bool entryExit = type == TailEntryExit;
        _ui->_guardOffTimeoutComboBox->setEnabled(entryExit);
        _ui->_guardOnTimeoutComboBox->setEnabled(entryExit);
    }
}

void ConfigurationTailWidget::tailTypeChanged(int index)
{
    _tail->setTailType(index);
    applyTypeRules();
}

void ConfigurationTailWidget::fire1Changed(int state)
{
    _tail->setFire1(checked(state));
}

void ConfigurationTailWidget::faultCheckChanged(int state)
{
    _tail->setFaultCheck(checked(state));
}

void ConfigurationTailWidget::reRequestChanged(int state)
{
    _tail->setReRequest(checked(state));
}

void ConfigurationTailWidget::autoReGuardOnChanged(int state)
{
    _tail->setAutoReGuardOn(checked(state));
}

void ConfigurationTailWidget::bizExChanged(int state)
{
    _tail->setBizEx(checked(state));
}

void ConfigurationTailWidget::autoResetChanged(int state)
{
    _tail->setAutoReset(checked(state));
}

void ConfigurationTailWidget::withoutAlarmChanged(int state)
{
    _tail->setWithoutAlarm(checked(state));
}

void ConfigurationTailWidget::guardOffTimerChanged(int index)
{
    _tail->setGuardOffTimeout(quint16(index));
}

void ConfigurationTailWidget::guardOnTimerChanged(int index)
{
    _tail->setGuardOnTimeout(quint16(index));
}

void ConfigurationTailWidget::descrChanged()
{
    _tail->setDescription(_ui->_descrTextEdit->toPlainText());
}

} // namespace olma::config
