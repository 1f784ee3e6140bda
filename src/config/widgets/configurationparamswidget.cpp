#include "config/widgets/configurationparamswidget.h"
#include "config/widgets/mixedvalue.h"
#include "ui_configurationparamswidget.h"

#include "config/params.h"
#include "config/widgets/pagetexts.h"

#include <QPointer>
#include <QRegularExpression>
#include <QValidator>

namespace olma::config {
namespace {

// What a panel message can show: space to '?' and the Cyrillic letters, which it shows as
// capitals. Anything else is refused, with the hint in the label.
class MessageValidator : public QValidator
{
public:
    MessageValidator(QLabel* hint, QObject* parent) : QValidator(parent), _hint(hint) {}

    State validate(QString& input, int& /*pos*/) const override
    {
        static const QRegularExpression kForbidden(QStringLiteral("[^ -?а-яА-Я]"));
        if (input.contains(kForbidden)) {
            if (_hint)
                _hint->setText(pagetexts::kMessageHint);
            return Invalid;
        }
        input = input.toUpper();
        if (_hint)
            _hint->clear();
        return Acceptable;
    }

private:
    QPointer<QLabel> _hint;
};

constexpr int kEngineerPasswordLength = CipherPassword::kMaxDigits;

} // namespace

ConfigurationParamsWidget::ConfigurationParamsWidget(Params* params, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationParamsWidget>()), _params(params)
{
    _ui->setupUi(this);
    _ui->lineEdit_1->setValidator(new MessageValidator(_ui->_messageHintLabel, _ui->lineEdit_1));
    _ui->lineEdit_2->setValidator(new MessageValidator(_ui->_messageHintLabel, _ui->lineEdit_2));
    if (!_params)
        return;
    fill();
    connectControls();
}

ConfigurationParamsWidget::~ConfigurationParamsWidget() = default;

void ConfigurationParamsWidget::fill()
{
    _ui->Timer1SpinBox->setValue(_params->timer1());
    _ui->Timer2SpinBox->setValue(_params->timer2());
    _ui->AutoPreSpinBox->setValue(int(_params->autoPre()));
    _ui->AutoPreDailySpinBox->setValue(int(_params->autoPreDaily()));
    _ui->EngenierPasswordlineEdit->setText(_params->engineerPassword().text());

    const bool kvAlways = _params->kvSoundWorkTime() == Params::kSoundAlwaysOn;
    _ui->KVSoundAlwaysCheckBox->setChecked(kvAlways);
    _ui->KVSoundWorkTimeSpinBox->setEnabled(!kvAlways);
    if (!kvAlways)
        _ui->KVSoundWorkTimeSpinBox->setValue(_params->kvSoundWorkTime());

    const bool ptsAlways = _params->ptsSoundWorkTime() == Params::kSoundAlwaysOn;
    _ui->PTSSoundAlwaysCheckBox->setChecked(ptsAlways);
    _ui->PTSSoundWorkTimeSpinBox->setEnabled(!ptsAlways);
    if (!ptsAlways)
        _ui->PTSSoundWorkTimeSpinBox->setValue(_params->ptsSoundWorkTime());

    _ui->TimeSyncCheckBox->setChecked(_params->timeSync() != 0);
    _ui->lineEdit_1->setText(_params->message1());
    _ui->lineEdit_2->setText(_params->message2());
}

void ConfigurationParamsWidget::connectControls()
{
    using W = ConfigurationParamsWidget;
    connect(_ui->Timer1SpinBox, &QSpinBox::valueChanged, this, &W::timer1ValueChanged);
    connect(_ui->Timer2SpinBox, &QSpinBox::valueChanged, this, &W::timer2ValueChanged);
    connect(_ui->AutoPreSpinBox, &QSpinBox::valueChanged, this, &W::autoPreValueChanged);
    connect(_ui->AutoPreDailySpinBox, &QSpinBox::valueChanged, this, &W::autoPreDailyValueChanged);
    connect(_ui->EngenierPasswordlineEdit, &QLineEdit::textEdited, this, &W::passwordValueChanged);
    connect(_ui->KVSoundAlwaysCheckBox, &QCheckBox::stateChanged, this, &W::KVSoundOnOffValueChanged);
    connect(_ui->KVSoundAlwaysCheckBox, &QCheckBox::stateChanged, this, &W::makeKVSoundEnable);
    connect(_ui->PTSSoundAlwaysCheckBox, &QCheckBox::stateChanged, this, &W::PTSSoundOnOffValueChanged);
    connect(_ui->PTSSoundAlwaysCheckBox, &QCheckBox::stateChanged, this, &W::makePTSSoundEnable);
    connect(_ui->KVSoundWorkTimeSpinBox, &QSpinBox::valueChanged, this, &W::KVSoundWorkTimeValueChanged);
    connect(_ui->PTSSoundWorkTimeSpinBox, &QSpinBox::valueChanged, this, &W::PTSSoundWorkTimeValueChanged);
    connect(_ui->TimeSyncCheckBox, &QCheckBox::stateChanged, this, &W::timeSyncChanged);
    connect(_ui->lineEdit_1, &QLineEdit::textChanged, this, &W::message1ValueChanged);
    connect(_ui->lineEdit_2, &QLineEdit::textChanged, this, &W::message2ValueChanged);
}

void ConfigurationParamsWidget::timer1ValueChanged(int value)
{
    _params->setTimer1(quint16(value));
}

void ConfigurationParamsWidget::timer2ValueChanged(int value)
{
    _params->setTimer2(quint16(value));
}

void ConfigurationParamsWidget::autoPreValueChanged(int value)
{
    _params->setAutoPre(quint32(value));
}

void ConfigurationParamsWidget::autoPreDailyValueChanged(int value)
{
    _params->setAutoPreDaily(quint32(value));
}

void ConfigurationParamsWidget::passwordValueChanged(const QString& text)
{
    static const QRegularExpression kNonDigit(QStringLiteral("\\D"));
    QLabel* verdict = _ui->_passwordVerdictLabel;
    if (text.contains(kNonDigit)) {
        verdict->setText(pagetexts::kEngineerPasswordDigitsOnly);
    } else if (text.size() == kEngineerPasswordLength) {
        verdict->setText(pagetexts::kPasswordAccepted);
        _params->setEngineerPassword(CipherPassword::fromText(text));
    } else if (!text.isEmpty()) {
        verdict->setText(pagetexts::kPasswordBadLength);
    } else {
        verdict->clear();
        _params->setEngineerPassword(CipherPassword());
    }
}

// The time field is reset first: its own handler writes what it shows, and the box decides last.
void ConfigurationParamsWidget::KVSoundOnOffValueChanged(int state)
{
    _ui->KVSoundWorkTimeSpinBox->setValue(0);
    _params->setKvSoundWorkTime(checked(state) ? Params::kSoundAlwaysOn : 0);
}

void ConfigurationParamsWidget::makeKVSoundEnable(int state)
{
    _ui->KVSoundWorkTimeSpinBox->setEnabled(!checked(state));
}

void ConfigurationParamsWidget::PTSSoundOnOffValueChanged(int state)
{
    _ui->PTSSoundWorkTimeSpinBox->setValue(0);
    _params->setPtsSoundWorkTime(checked(state) ? Params::kSoundAlwaysOn : 0);
}

void ConfigurationParamsWidget::makePTSSoundEnable(int state)
{
    _ui->PTSSoundWorkTimeSpinBox->setEnabled(!checked(state));
}

void ConfigurationParamsWidget::KVSoundWorkTimeValueChanged(int value)
{
    _params->setKvSoundWorkTime(quint16(value));
}

void ConfigurationParamsWidget::PTSSoundWorkTimeValueChanged(int value)
{
    _params->setPtsSoundWorkTime(quint16(value));
}

void ConfigurationParamsWidget::timeSyncChanged(int state)
{
    _params->setTimeSync(checked(state) ? 1 : 0);
}

void ConfigurationParamsWidget::message1ValueChanged(const QString& text)
{
    _params->setMessage1(text);
}

void ConfigurationParamsWidget::message2ValueChanged(const QString& text)
{
    _params->setMessage2(text);
}

} // namespace olma::config
