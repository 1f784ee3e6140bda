#include "config/widgets/configuratoributtonwidget.h"
#include "ui_configuratoributtonwidget.h"

#include <QRegularExpression>
#include <QSignalBlocker>

namespace olma::config {

ConfiguratorIButtonWidget::ConfiguratorIButtonWidget(QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfiguratorIButtonWidget>())
{
    _ui->setupUi(this);
    connect(_ui->_keyLineEdit, &QLineEdit::textChanged, this, &ConfiguratorIButtonWidget::keyTextChanged);
}

ConfiguratorIButtonWidget::~ConfiguratorIButtonWidget() = default;

void ConfiguratorIButtonWidget::setKey(const IButtonKey& key)
{
    _key = key;
    QString text = QString::asprintf("%02X", key.first);
    for (unsigned char b : key.rest)
        text += QString::asprintf(":%02X", b);
    const QSignalBlocker blocker(_ui->_keyLineEdit);
    _ui->_keyLineEdit->setText(text);
}

void ConfiguratorIButtonWidget::setDiffering(bool differing)
{
    if (!differing)
        return;
    const QSignalBlocker blocker(_ui->_keyLineEdit);
    _ui->_keyLineEdit->clear();
    _ui->_keyLineEdit->setPlaceholderText(QStringLiteral("—"));
}

// The field's text leaves out the places not typed in, so a byte reads with 0, 1 or 2 digits.
// (The blank shown in those places is not a hexadecimal digit, so a typed F is never taken
// for an empty place.)
void ConfiguratorIButtonWidget::keyTextChanged(const QString& text)
{
    static const QRegularExpression kPattern(QRegularExpression::anchoredPattern(
        QStringLiteral("([a-fA-F0-9]{0,2}):([a-fA-F0-9]{0,2}):([a-fA-F0-9]{0,2}):([a-fA-F0-9]{0,2}):"
                       "([a-fA-F0-9]{0,2}):([a-fA-F0-9]{0,2}):([a-fA-F0-9]{0,2})")));
    const QRegularExpressionMatch match = kPattern.match(text);
    if (!match.hasMatch())
        return;
    auto byte = [&](int group) { return static_cast<unsigned char>(match.captured(group).toUInt(nullptr, 16)); };
    _key.first = byte(1);
    for (int i = 0; i < IButtonKey::kRestSize; ++i)
        _key.rest[size_t(i)] = byte(i + 2);
    emit changed();
}

} // namespace olma::config
