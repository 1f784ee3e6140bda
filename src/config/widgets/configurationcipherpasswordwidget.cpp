#include "config/widgets/configurationcipherpasswordwidget.h"
#include "ui_configurationcipherpasswordwidget.h"

#include "config/widgets/pagetexts.h"

#include <QRegularExpression>
#include <QSignalBlocker>

namespace olma::config {

ConfigurationCipherPasswordWidget::ConfigurationCipherPasswordWidget(QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationCipherPasswordWidget>())
{
    _ui->setupUi(this);
    connect(_ui->_passwordLineEdit, &QLineEdit::textEdited, this, &ConfigurationCipherPasswordWidget::passwordEdited);
    connect(_ui->_confirmLineEdit, &QLineEdit::textEdited, this, &ConfigurationCipherPasswordWidget::passwordEdited);
}

ConfigurationCipherPasswordWidget::~ConfigurationCipherPasswordWidget() = default;

void ConfigurationCipherPasswordWidget::setLimits(int minLength, int maxLength)
{
    _minLength = minLength;
    _maxLength = maxLength;
}

void ConfigurationCipherPasswordWidget::setAdministrator(bool administrator)
{
    setLimits(administrator ? kAdministratorMinLength : kUserMinLength, kMaxLength);
}

void ConfigurationCipherPasswordWidget::setPassword(const CipherPassword& password)
{
    _password = password;
    _ui->_passwordLineEdit->setText(password.text());
    _ui->_confirmLineEdit->setText(password.text());
    _ui->_verdictLabel->clear();
}

void ConfigurationCipherPasswordWidget::setDiffering(bool differing)
{
    const QString placeholder = differing ? QStringLiteral("—") : QString();
    _ui->_passwordLineEdit->setPlaceholderText(placeholder);
    _ui->_confirmLineEdit->setPlaceholderText(placeholder);
}

void ConfigurationCipherPasswordWidget::passwordEdited()
{
    static const QRegularExpression kNonDigit(QStringLiteral("\\D"));
    const QString text = _ui->_passwordLineEdit->text();
    const QString confirmation = _ui->_confirmLineEdit->text();
    QLabel* verdict = _ui->_verdictLabel;

    if (text.isEmpty() && confirmation.isEmpty()) {
        verdict->clear();
        _password.clear();
        emit changed();
    } else if (text.size() < _minLength || text.size() > _maxLength) {
        verdict->setText(pagetexts::kPasswordBadLength);
    } else if (text.contains(kNonDigit)) {
        verdict->setText(pagetexts::kUserPasswordDigitsOnly);
    } else if (text != confirmation) {
        verdict->setText(pagetexts::kPasswordsDiffer);
    } else {
        verdict->setText(pagetexts::kPasswordAccepted);
        _password = CipherPassword::fromText(text);
        emit changed();
    }
}

} // namespace olma::config
