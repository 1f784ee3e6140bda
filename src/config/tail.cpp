#include "config/tail.h"

#include "common/pagefactory.h"
#include "config/configtexts.h"
#include "config/exportmarkup.h"
#include "config/exporttexts.h"
#include "config/imagemap.h"

namespace olma::config {
namespace {

// Loop i lives in bytes kTailsOffset + 2i (first) and kTailsOffset + 2i + 1 (second).
constexpr int kFirst = 0;
constexpr int kSecond = 1;
constexpr int kBytesPerTail = 2;

// First byte.
constexpr unsigned char kTypeMask = 0x7F;
constexpr unsigned char kFire1Bit = 0x80;
// Second byte.
constexpr unsigned char kGuardOnBit = 0x80;
constexpr unsigned char kGuardOffBit = 0x40;
constexpr unsigned char kWithoutAlarmBit = 0x20;
constexpr unsigned char kAutoResetBit = 0x10;
constexpr unsigned char kBizExBit = 0x08;
constexpr unsigned char kAutoReGuardOnBit = 0x04;
constexpr unsigned char kReRequestBit = 0x02;
constexpr unsigned char kFaultCheckBit = 0x01;

static_assert(kTailSlots * kBytesPerTail == kTailsSize, "two bytes per loop slot");

} // namespace

Tail::Tail(unsigned char* image, int deviceType, int index, int type)
    : ConfigItem(image, deviceType, 0), _index(index), _tailType(type)
{
    _itemId = index;
    _xmlTag = QStringLiteral("tail");
    _name = texts::tailName();
    loadFromImage();
}

QWidget* Tail::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

void Tail::setTailType(const int& type)
{
    _tailType = type;
    if (_bytes)
        _bytes[kFirst] = static_cast<unsigned char>((_bytes[kFirst] & kFire1Bit) | (type & kTypeMask));
}

void Tail::setGuardOnTimeout(const quint16& timeout)
{
    _guardOnTimeout = timeout;
    writeBit(kSecond, kGuardOnBit, timeout == 1);
}

void Tail::setGuardOffTimeout(const quint16& timeout)
{
    _guardOffTimeout = timeout;
    writeBit(kSecond, kGuardOffBit, timeout == 1);
}

void Tail::setWithoutAlarm(const bool& on)
{
    _withoutAlarm = on;
    writeBit(kSecond, kWithoutAlarmBit, on);
}

void Tail::setAutoReset(const bool& on)
{
    _autoReset = on;
    writeBit(kSecond, kAutoResetBit, on);
}

void Tail::setBizEx(const bool& on)
{
    _bizEx = on;
    writeBit(kSecond, kBizExBit, on);
}

void Tail::setAutoReGuardOn(const bool& on)
{
    _autoReGuardOn = on;
    writeBit(kSecond, kAutoReGuardOnBit, on);
}

void Tail::setReRequest(const bool& on)
{
    _reRequest = on;
    writeBit(kSecond, kReRequestBit, on);
}

void Tail::setFaultCheck(const bool& on)
{
    _faultCheck = on;
    writeBit(kSecond, kFaultCheckBit, on);
}

void Tail::setFire1(const bool& on)
{
    _fire1 = on;
    writeBit(kFirst, kFire1Bit, on);
}

void Tail::setDescription(const QString& text)
{
    _description = text;
    storeDescription();
}

void Tail::setDefault()
{
    setTailType(TailSecurity);
    setGuardOnTimeout(0);
    setGuardOffTimeout(0);
    setWithoutAlarm(false);
    setAutoReset(false);
    setBizEx(false);
    setAutoReGuardOn(false);
    setReRequest(false);
    setFaultCheck(false);
    setFire1(false);
    ConfigItem::setDefault();
}

void Tail::loadFromImage()
{
    const bool validSlot = _index >= 0 && _index < kTailSlots;
    _bytes = _image && validSlot ? _image + kTailsOffset + kBytesPerTail * _index : nullptr;
    if (!_bytes)
        return;
    const unsigned char first = _bytes[kFirst];
    const unsigned char second = _bytes[kSecond];
    _tailType = first & kTypeMask;
    _fire1 = first & kFire1Bit;
    _guardOnTimeout = (second & kGuardOnBit) ? 1 : 0;
    _guardOffTimeout = (second & kGuardOffBit) ? 1 : 0;
    _withoutAlarm = second & kWithoutAlarmBit;
    _autoReset = second & kAutoResetBit;
    _bizEx = second & kBizExBit;
    _autoReGuardOn = second & kAutoReGuardOnBit;
    _reRequest = second & kReRequestBit;
    _faultCheck = second & kFaultCheckBit;
}

void Tail::writeBit(int byte, unsigned char bit, bool on)
{
    if (!_bytes)
        return;
    _bytes[byte] = static_cast<unsigned char>(on ? _bytes[byte] | bit : _bytes[byte] & ~bit);
}

QString Tail::exportText(int format) const
{
    namespace t = exporttexts;
    using exportmarkup::word;
    const QString title = _name + QLatin1Char(' ') + QString::number(_index + 1);
    struct Row
    {
        QString label;
        QString value;
    };
    // The time-outs are shown as the panel numbers them, from 1.
    const Row rows[] = {
        {t::kTailType, texts::tailTypeExportName(_tailType)},
        {t::kGuardOnTimeout, QString::number(_guardOnTimeout + 1)},
        {t::kGuardOffTimeout, QString::number(_guardOffTimeout + 1)},
        {t::kWithoutAlarm, word(_withoutAlarm, t::kFlagOn, t::kFlagOff)},
        {t::kAutoReset, word(_autoReset, t::kFlagOn, t::kFlagOff)},
        {t::kBizEx, word(_bizEx, t::kFlagOn, t::kFlagOff)},
        {t::kAutoReGuardOn, word(_autoReGuardOn, t::kFlagOn, t::kFlagOff)},
        {t::kReRequest, word(_reRequest, t::kFlagOn, t::kFlagOff)},
        {t::kFaultCheck, word(_faultCheck, t::kFlagOn, t::kFlagOff)},
        {t::kFire1, word(_fire1, t::kFlagOn, t::kFlagOff)},
    };

    QString text;
    switch (format) {
    case ExportText:
    case ExportCsv: {
        const QString sep = format == ExportText ? QStringLiteral(": ") : QStringLiteral("; ");
        text += QLatin1Char('\n') + title + (format == ExportText ? QStringLiteral(":\r\n") : QStringLiteral(";\r\n"));
        for (const Row& row : rows)
            text += row.label + sep + row.value + QStringLiteral("\r\n");
        break;
    }
    case ExportHtml:
        text += QStringLiteral("\n<br><b>") + title + QStringLiteral(":</b>\r\n<table width=85%>\r\n");
        for (const Row& row : rows)
            text += QStringLiteral("<tr><td width=70%>") + row.label + QStringLiteral(":</td><td>") + row.value +
                    QStringLiteral("</td></tr>\r\n");
        text += QStringLiteral("</table>\r\n");
        break;
    case ExportRtf:
        text += exportmarkup::rtfTitle(title);
        for (const Row& row : rows)
            exportmarkup::appendRtfRow(text, row.label, row.value);
        break;
    default:
        break;
    }
    return text;
}

} // namespace olma::config
