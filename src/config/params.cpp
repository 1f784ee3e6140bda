#include "config/params.h"

#include "common/cp1251.h"
#include "common/pagefactory.h"
#include "config/exportmarkup.h"
#include "config/exporttexts.h"
#include "config/imagemap.h"

#include <algorithm>

namespace olma::config {
namespace {

// Byte offsets in the image (the section starts at 0).
constexpr int kTimer1 = kParamsOffset + 0;
constexpr int kTimer2 = kParamsOffset + 1;
constexpr int kAutoPre = kParamsOffset + 2;      // low byte; bit 8 in the next byte
constexpr int kAutoPreDaily = kParamsOffset + 4; // likewise
constexpr int kKvSound = kParamsOffset + 6;
constexpr int kPtsSound = kParamsOffset + 7;
constexpr int kEngineerPassword = kParamsOffset + 8; // three bytes
constexpr int kFlags = kParamsOffset + 12;
constexpr unsigned char kTimeSyncBit = 0x01;
constexpr int kMessage1 = kParamsOffset + 14;
constexpr int kMessage2 = kParamsOffset + 30;

static_assert(kMessage2 + Params::kMessageField == kParamsOffset + kParamsSize, "messages end the section");

constexpr unsigned char kPadding = 0x20;

} // namespace

Params::Params(unsigned char* image, int deviceType, int reserved) : ConfigItem(image, deviceType, reserved)
{
    loadFromImage();
}

QWidget* Params::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

void Params::setTimer1(quint16 value)
{
    _timer1 = value;
    if (_image)
        _image[kTimer1] = static_cast<unsigned char>(value);
}

void Params::setTimer2(quint16 value)
{
    _timer2 = value;
    if (_image)
        _image[kTimer2] = static_cast<unsigned char>(value);
}

void Params::setAutoPre(quint32 value)
{
    _autoPre = value;
    writeNineBits(kAutoPre, value);
}

void Params::setAutoPreDaily(quint32 value)
{
    _autoPreDaily = value;
    writeNineBits(kAutoPreDaily, value);
}

void Params::setKvSoundWorkTime(quint16 value)
{
    _kvSoundWorkTime = value;
    if (_image)
        _image[kKvSound] = static_cast<unsigned char>(value);
}

void Params::setPtsSoundWorkTime(quint16 value)
{
    _ptsSoundWorkTime = value;
    if (_image)
        _image[kPtsSound] = static_cast<unsigned char>(value);
}

void Params::setEngineerPassword(const CipherPassword& password)
{
    _engineerPassword = password;
    if (!_image)
        return;
    const auto& stored = password.stored();
    std::copy(stored.begin(), stored.end(), _image + kEngineerPassword);
}

void Params::setTimeSync(quint16 value)
{
    // Only bit 0 is ours; the panel keeps other settings in the rest of the byte.
    _timeSync = value ? 1 : 0;
    if (!_image)
        return;
    _image[kFlags] = static_cast<unsigned char>((_image[kFlags] & ~kTimeSyncBit) | (_timeSync ? kTimeSyncBit : 0));
}

void Params::setMessage1(const QString& text)
{
    _message1 = text.left(kMessageField);
    writeMessage(kMessage1, _message1);
}

void Params::setMessage2(const QString& text)
{
    _message2 = text.left(kMessageField);
    writeMessage(kMessage2, _message2);
}

bool Params::isMessageByte(unsigned char byte)
{
    return (byte >= 0x20 && byte <= 0x3F) || (byte >= 0xC0 && byte <= 0xDF);
}

void Params::setDefault()
{
    // The messages keep what they hold.
    setEngineerPassword(CipherPassword());
    setTimer1(0);
    setTimer2(0);
    setAutoPre(0);
    setAutoPreDaily(0);
    setKvSoundWorkTime(0);
    setPtsSoundWorkTime(0);
    setTimeSync(0);
    ConfigItem::setDefault();
}

void Params::loadFromImage()
{
    if (!_image)
        return;
    _timer1 = _image[kTimer1];
    _timer2 = _image[kTimer2];
    _autoPre = quint32(_image[kAutoPre]) | quint32(_image[kAutoPre + 1]) << 8;
    _autoPreDaily = quint32(_image[kAutoPreDaily]) | quint32(_image[kAutoPreDaily + 1]) << 8;
    _kvSoundWorkTime = _image[kKvSound];
    _ptsSoundWorkTime = _image[kPtsSound];
    _engineerPassword.setStored(_image + kEngineerPassword, CipherPassword::kStoredSize);
    _message1 = readMessage(kMessage1);
    _message2 = readMessage(kMessage2);
    _timeSync = _image[kFlags] & kTimeSyncBit;
}

void Params::writeNineBits(int offset, quint32 value)
{
    if (!_image)
        return;
    _image[offset] = static_cast<unsigned char>(value & 0xFF);
    _image[offset + 1] = static_cast<unsigned char>((value >> 8) & 1);
}

void Params::writeMessage(int offset, const QString& text)
{
    if (!_image)
        return;
    int i = 0;
    for (; i < text.size() && i < kMessageField; ++i)
        _image[offset + i] = cp1251::encodeChar(text.at(i));
    for (; i < kMessageField; ++i)
        _image[offset + i] = kPadding;
}

QString Params::exportText(int format) const
{
    namespace t = exporttexts;
    const bool rtf = format == ExportRtf;
    const bool noPassword = rtf && _engineerPassword.isEmpty();
    const QString sync = rtf ? exportmarkup::word(_timeSync, t::kSyncOnRtf, t::kSyncOffRtf)
                             : exportmarkup::word(_timeSync, t::kSyncOn, t::kSyncOff);

    struct Row
    {
        QString label;
        QString value;
        bool message; // the messages go to text and RTF only
    };
    const Row rows[] = {
        {t::kTimer1, QString::number(_timer1), false},
        {t::kTimer2, QString::number(_timer2), false},
        {t::kAutoPre, QString::number(_autoPre), false},
        {t::kAutoPreDaily, QString::number(_autoPreDaily), false},
        {t::kKvSound, QString::number(_kvSoundWorkTime), false},
        {t::kPtsSound, QString::number(_ptsSoundWorkTime), false},
        {t::kEngineerPassword, noPassword ? t::kNoPassword : _engineerPassword.text(), false},
        {t::kMessage1, _message1, true},
        {t::kMessage2, _message2, true},
        {t::kTimeSync, sync, false},
    };

    QString text;
    switch (format) {
    case ExportText:
        for (const Row& row : rows)
            text += row.label + QStringLiteral(": ") + row.value + QStringLiteral("\r\n");
        break;
    case ExportCsv:
        text += t::kCsvParamsHeader;
        for (const Row& row : rows) {
            if (!row.message)
                text += row.label + QStringLiteral("; ") + row.value + QStringLiteral("\r\n");
        }
        break;
    case ExportHtml:
        text += QStringLiteral("<table width=85%>\r\n<tr><th width=70% align=left>") + t::kParamColumn +
                QStringLiteral("</th><th width=30% align=left>") + t::kValueColumn + QStringLiteral("</th></tr>\r\n");
        for (const Row& row : rows) {
            if (!row.message)
                text += QStringLiteral("<tr><td>") + row.label + QStringLiteral(": </td><td>") + row.value +
                        QStringLiteral("</td></tr>\r\n");
        }
        text += QStringLiteral("</table>\r\n");
        break;
    case ExportRtf:
        text += exportmarkup::rtfTitle(t::kParamsSection + QLatin1Char(':'));
        for (const Row& row : rows)
            exportmarkup::appendRtfRow(text, row.label, row.value);
        break;
    default:
        break;
    }
    return text;
}

QString Params::readMessage(int offset) const
{
    QString text;
    for (int i = 0; i < kMessageShown; ++i) {
        const unsigned char byte = _image[offset + i];
        if (isMessageByte(byte))
            text.append(cp1251::decodeByte(byte));
    }
    // The blanks that pad the field are no part of the message; writing pads it again.
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace olma::config
