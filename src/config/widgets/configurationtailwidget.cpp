#include "config/widgets/configurationtailwidget.h"
#include "ui_configurationtailwidget.h"

#include "common/text.h"
#include "config/configitem.h"
#include "config/configtexts.h"
#include "config/multitail.h"
#include "config/tailcommon.h"
#include "config/widgets/mixedvalue.h"

#include <QLabel>

namespace olma::config {
namespace {

constexpr int kTypeCount = 8;

// Fire loops (and the user-defined one) are always checked for faults and power-reset, never
// re-armed automatically and never silent; the other loops cannot raise "Пожар-1".
bool isFireLike(int type)
{
    return type == TailFire || type == TailHeatFire || type == TailUserDefined;
}

constexpr olma::Text kMismatchMark = OLMA_TEXT("ConfigurationPages", "⚠ Флаги шлейфа не соответствуют его типу");
constexpr olma::Text kMismatchTip =
    OLMA_TEXT("ConfigurationPages", "Флаги показаны такими, какими их хранит конфигурация. "
                                    "Правила типа применятся, когда тип будет выбран заново.");

// Whether the flags the type fixes are as the type wants them.
bool fitsType(const TailCommon& loop)
{
    const int type = loop.tailType();
    if (type < 0 || type >= kTypeCount)
        return true;
    if (isFireLike(type))
        return loop.faultCheck() && loop.autoReset() && !loop.autoReGuardOn() && !loop.withoutAlarm();
    return !loop.fire1() && !loop.reRequest();
}

bool allows(int type, ConfigurationTailWidget::Rule rule)
{
    if (type < 0 || type >= kTypeCount)
        return true;
    switch (rule) {
    case ConfigurationTailWidget::Rule::FireOnly:
        return isFireLike(type);
    case ConfigurationTailWidget::Rule::NotFire:
        return !isFireLike(type);
    case ConfigurationTailWidget::Rule::EntryExit:
        return type == TailEntryExit;
    }
    return true;
}

} // namespace

ConfigurationTailWidget::ConfigurationTailWidget(TailCommon* tail, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationTailWidget>()), _tail(tail)
{
    _ui->setupUi(this);
    for (int type = 0; type < kTypeCount; ++type)
        _ui->_tailTypeComboBox->addItem(texts::tailTypeName(type));
    _warning = new QLabel(kMismatchMark, this);
    _warning->setObjectName(QStringLiteral("_mismatchLabel"));
    _warning->setToolTip(kMismatchTip);
    _warning->hide();
    _ui->_layout->insertWidget(1, _warning);
    if (!_tail)
        return;
    fill();
    connectControls();
}

ConfigurationTailWidget::~ConfigurationTailWidget() = default;

QList<TailCommon*> ConfigurationTailWidget::loops() const
{
    if (const auto* multi = dynamic_cast<const MultiTail*>(_tail))
        return multi->tails();
    return {_tail};
}

template <typename Getter> bool ConfigurationTailWidget::differs(Getter get) const
{
    const auto* multi = dynamic_cast<const MultiTail*>(_tail);
    return multi && multi->differs(get);
}

void ConfigurationTailWidget::fill()
{
    const auto* multi = dynamic_cast<const MultiTail*>(_tail);
    mixed::showChoice(_ui->_tailTypeComboBox, _tail->tailType(), differs(&TailCommon::tailType));
    mixed::showFlag(_ui->_fire1CheckBox, _tail->fire1(), differs(&TailCommon::fire1));
    mixed::showFlag(_ui->_faultCheckCheckBox, _tail->faultCheck(), differs(&TailCommon::faultCheck));
    mixed::showFlag(_ui->_reRequestCheckBox, _tail->reRequest(), differs(&TailCommon::reRequest));
    mixed::showFlag(_ui->_autoReGuardOnCheckBox, _tail->autoReGuardOn(), differs(&TailCommon::autoReGuardOn));
    mixed::showFlag(_ui->_bizExCheckBox, _tail->bizEx(), differs(&TailCommon::bizEx));
    mixed::showFlag(_ui->_autoResetCheckBox, _tail->autoReset(), differs(&TailCommon::autoReset));
    mixed::showFlag(_ui->_withoutAlarmCheckBox, _tail->withoutAlarm(), differs(&TailCommon::withoutAlarm));
    mixed::showChoice(_ui->_guardOffTimeoutComboBox, _tail->guardOffTimeout() == 1 ? 1 : 0,
                      differs(&TailCommon::guardOffTimeout));
    mixed::showChoice(_ui->_guardOnTimeoutComboBox, _tail->guardOnTimeout() == 1 ? 1 : 0,
                      differs(&TailCommon::guardOnTimeout));
    if (const auto* item = dynamic_cast<const IConfigItem*>(_tail)) {
        const QSignalBlocker blocker(_ui->_descrTextEdit);
        _ui->_descrTextEdit->setPlainText(item->description());
        _ui->_descrTextEdit->setPlaceholderText(multi && multi->descriptionDiffers() ? mixed::kPlaceholder : QString());
    }
    enableForTypes();
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

// A flag box is editable when every selected loop's type lets the engineer set it; showing a loop
// changes nothing in it.
void ConfigurationTailWidget::enableForTypes()
{
    QList<int> types;
    bool mismatch = false;
    for (const TailCommon* loop : loops()) {
        types.append(loop->tailType());
        mismatch = mismatch || !fitsType(*loop);
    }
    const QList<std::pair<QWidget*, Rule>> boxes = {
        {_ui->_fire1CheckBox, Rule::FireOnly},
        {_ui->_reRequestCheckBox, Rule::FireOnly},
        {_ui->_faultCheckCheckBox, Rule::NotFire},
        {_ui->_autoReGuardOnCheckBox, Rule::NotFire},
        {_ui->_autoResetCheckBox, Rule::NotFire},
        {_ui->_withoutAlarmCheckBox, Rule::NotFire},
        {_ui->_guardOffTimeoutComboBox, Rule::EntryExit},
        {_ui->_guardOnTimeoutComboBox, Rule::EntryExit},
    };
    for (const auto& [box, rule] : boxes) {
        bool enabled = true;
        for (int type : std::as_const(types))
            enabled = enabled && allows(type, rule);
        box->setEnabled(enabled);
    }
    _warning->setVisible(mismatch);
}

void ConfigurationTailWidget::applyTypeRules()
{
    const int type = _ui->_tailTypeComboBox->currentIndex();
    // A type this program does not know (a newer panel's) keeps its flags as they are.
    if (type < 0 || type >= kTypeCount)
        return;
    if (isFireLike(type)) {
        _tail->setFaultCheck(true);
        _tail->setAutoReGuardOn(false);
        _tail->setWithoutAlarm(false);
        _tail->setAutoReset(true);
    } else {
        _tail->setFire1(false);
        _tail->setReRequest(false);
    }
}

void ConfigurationTailWidget::tailTypeChanged(int index)
{
    _tail->setTailType(index);
    applyTypeRules();
    fill();
}

void ConfigurationTailWidget::fire1Changed(int state)
{
    mixed::settleFlag(_ui->_fire1CheckBox);
    _tail->setFire1(checked(state));
    enableForTypes();
}

void ConfigurationTailWidget::faultCheckChanged(int state)
{
    mixed::settleFlag(_ui->_faultCheckCheckBox);
    _tail->setFaultCheck(checked(state));
    enableForTypes();
}

void ConfigurationTailWidget::reRequestChanged(int state)
{
    mixed::settleFlag(_ui->_reRequestCheckBox);
    _tail->setReRequest(checked(state));
    enableForTypes();
}

void ConfigurationTailWidget::autoReGuardOnChanged(int state)
{
    mixed::settleFlag(_ui->_autoReGuardOnCheckBox);
    _tail->setAutoReGuardOn(checked(state));
    enableForTypes();
}

void ConfigurationTailWidget::bizExChanged(int state)
{
    mixed::settleFlag(_ui->_bizExCheckBox);
    _tail->setBizEx(checked(state));
    enableForTypes();
}

void ConfigurationTailWidget::autoResetChanged(int state)
{
    mixed::settleFlag(_ui->_autoResetCheckBox);
    _tail->setAutoReset(checked(state));
    enableForTypes();
}

void ConfigurationTailWidget::withoutAlarmChanged(int state)
{
    mixed::settleFlag(_ui->_withoutAlarmCheckBox);
    _tail->setWithoutAlarm(checked(state));
    enableForTypes();
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
