#include "config/user.h"

#include "common/devicetype.h"
#include "common/pagefactory.h"
#include "config/configtexts.h"
#include "config/exportmarkup.h"
#include "config/exporttexts.h"
#include "config/imagemap.h"

#include <algorithm>

namespace olma::config {
namespace {

// Offsets within a user record. Bytes 3, 7 and 15 and rights bits 4..7 belong to the panel.
constexpr int kPassword = 0; // three bytes
constexpr int kAccessMask = 4;
constexpr int kRights = 6;
constexpr int kKeyFirst = 8;
constexpr int kKeyRest = 9; // six bytes

constexpr unsigned char kTailOnBit = 0x01;
constexpr unsigned char kTailOffBit = 0x02;
constexpr unsigned char kPartialBit = 0x04;
constexpr unsigned char kTailDropBit = 0x08;

constexpr int kFirstAdministrator = 0;
constexpr int kLastAdministrator = kUserCount - 1;

// A key byte as the export writes it: "0x0A".
QString hexByte(unsigned char byte)
{
    static const char digits[] = "0123456789ABCDEF";
    const char text[] = {'0', 'x', digits[byte >> 4], digits[byte & 0x0F]};
    return QString::fromLatin1(text, sizeof text);
}

} // namespace

User::User(unsigned char* image, int deviceType, int number)
    : ConfigItem(image, deviceType, 0), _number(static_cast<quint16>(number))
{
    _xmlTag = QStringLiteral("user");
    _itemId = _number;
    _userKind = (number == kFirstAdministrator || number == kLastAdministrator) ? 0 : 1;
    _name = _userKind == 0 ? texts::administratorName() : texts::userName();
    loadFromImage();
}

QWidget* User::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

void User::setPassword(const CipherPassword& password)
{
    _password = password;
    if (_record) {
        const auto& stored = password.stored();
        std::copy(stored.begin(), stored.end(), _record + kPassword);
    }
    emit keyOrPasswordChanged(_number);
}

void User::setKey(const IButtonKey& key)
{
    _key = key;
    if (_record) {
        _record[kKeyFirst] = key.first;
        std::copy(key.rest.begin(), key.rest.end(), _record + kKeyRest);
    }
    emit keyOrPasswordChanged(_number);
}

void User::setAccessMask(const quint16& mask)
{
    _accessMask = mask;
    if (!_record)
        return;
    _record[kAccessMask] = static_cast<unsigned char>(mask & 0xFF);
    _record[kAccessMask + 1] = static_cast<unsigned char>(mask >> 8);
}

void User::setTailOn(bool on)
{
    _tailOn = on;
    writeRight(kTailOnBit, on);
}

void User::setTailOff(bool on)
{
    _tailOff = on;
    writeRight(kTailOffBit, on);
}

void User::setPartialTailOnOff(bool on)
{
    _partialTailOnOff = on;
    writeRight(kPartialBit, on);
}

void User::setTailDrop(bool on)
{
    _tailDrop = on;
    writeRight(kTailDropBit, on);
}

void User::setDescription(const QString& text)
{
    _description = text;
    storeDescription();
    emit descriptionChanged(_number, text);
}

int User::loopCount() const
{
    return olma::loopCount(_deviceType);
}

bool User::hasCredentials() const
{
    return !_password.isEmpty() || !_key.isEmpty();
}

bool User::isSet() const
{
    return !_password.isEmpty() || !_key.isUnset();
}

void User::setDefault()
{
    // Password and key only in the node: on a freshly zeroed image their zero bytes already read
    // as "no password" and "key never set".
    _password.clear();
    _key = IButtonKey::neverSet();
    setAccessMask(0);
    setTailOn(false);
    setTailOff(false);
    setPartialTailOnOff(false);
    setTailDrop(false);
    ConfigItem::setDefault();
}

void User::loadFromImage()
{
    const bool validRecord = _number < kUserCount;
    _record = _image && validRecord ? _image + kUsersOffset + kUserRecordSize * _number : nullptr;
    if (!_record)
        return;

    _password.setStored(_record + kPassword, CipherPassword::kStoredSize);
    // The panel takes a leading zero byte for "no password", whatever follows.
    if (_record[kPassword] == 0x00)
        _password.clear();

    _accessMask = static_cast<quint16>(_record[kAccessMask] | _record[kAccessMask + 1] << 8);
    const unsigned char rights = _record[kRights];
    _tailOn = rights & kTailOnBit;
    _tailOff = rights & kTailOffBit;
    _partialTailOnOff = rights & kPartialBit;
    _tailDrop = rights & kTailDropBit;

    const unsigned char* rest = _record + kKeyRest;
    if (std::all_of(rest, rest + IButtonKey::kRestSize, [](unsigned char b) { return b == 0; })) {
        _key = IButtonKey::neverSet();
    } else {
        _key.first = _record[kKeyFirst];
        std::copy(rest, rest + IButtonKey::kRestSize, _key.rest.begin());
    }
}

QString User::exportText(int format) const
{
    namespace t = exporttexts;
    using exportmarkup::word;
    // The panel recognises nobody by this record: it has no place in the document.
    if (!hasCredentials())
        return QString();

    const QString title = _name + QLatin1Char(' ') + QString::number(_number + 1);
    const QString password = _password.text();
    QString key = hexByte(_key.first);
    for (unsigned char b : _key.rest)
        key += QLatin1Char(' ') + hexByte(b);
    struct Row
    {
        QString label;
        QString value;
    };
    const Row rights[] = {
        {t::kTailOff, word(_tailOff, t::kRightOn, t::kRightOff)},
        {t::kTailOn, word(_tailOn, t::kRightOn, t::kRightOff)},
        {t::kPartialTailOnOff, word(_partialTailOnOff, t::kRightOn, t::kRightOff)},
        {t::kTailDrop, word(_tailDrop, t::kRightOn, t::kRightOff)},
    };
    const int loops = loopCount();
    const auto access = [this](int loop) { return word((_accessMask >> loop) & 1u, t::kAccessOn, t::kAccessOff); };

    QString text;
    switch (format) {
    case ExportText:
    case ExportCsv: {
        const QString sep = format == ExportText ? QStringLiteral(": ") : QStringLiteral("; ");
        text += QLatin1Char('\n') + title + (format == ExportText ? QStringLiteral(":\r\n") : QStringLiteral(";\r\n"));
        text += t::kPassword + sep + password + QStringLiteral("\r\n");
        text += t::kKey + sep + key + QStringLiteral("\r\n");
        for (const Row& row : rights)
            text += row.label + sep + row.value + QStringLiteral("\r\n");
        text += t::kAccess + (format == ExportText ? QStringLiteral(":\r\n") : QStringLiteral("\r\n"));
        for (int j = 0; j < loops; ++j)
            text += t::kAccessLoop.arg(j + 1) + sep + access(j) + QStringLiteral("\r\n");
        break;
    }
    case ExportHtml: {
        const auto row = [&text](const QString& label, const QString& value) {
            text += QStringLiteral("<tr><td width=70%>") + label + QStringLiteral(":</td><td width=30%>") + value +
                    QStringLiteral("</td></tr>\r\n");
        };
        text += QStringLiteral("<br><b>") + title + QStringLiteral("</b>\r\n<table width=85%>\r\n");
        row(t::kPassword, password);
        row(t::kKey, key);
        for (const Row& r : rights)
            row(r.label, r.value);
        text += QStringLiteral("<tr><td>") + t::kAccess + QStringLiteral(":</td></tr>\r\n");
        for (int j = 0; j < loops; ++j)
            row(t::kAccessLoop.arg(j + 1), access(j));
        text += QStringLiteral("</table>\r\n");
        break;
    }
    case ExportRtf:
        text += exportmarkup::rtfTitle(title);
        exportmarkup::appendRtfUserRow(text, t::kPassword, _password.isEmpty() ? t::kNoPassword : password);
        exportmarkup::appendRtfUserRow(text, t::kKey, _key.isEmpty() ? t::kNoKey : key);
        for (const Row& row : rights)
            exportmarkup::appendRtfUserRow(text, row.label, row.value);
        exportmarkup::appendRtfUserWideRow(text, t::kAccess);
        for (int j = 0; j < loops; ++j)
            exportmarkup::appendRtfUserRow(text, t::kAccessLoop.arg(j + 1), access(j) + QStringLiteral("\r\n"));
        break;
    default:
        break;
    }
    return text;
}

void User::writeRight(unsigned char bit, bool on)
{
    if (!_record)
        return;
    _record[kRights] = static_cast<unsigned char>(on ? _record[kRights] | bit : _record[kRights] & ~bit);
}

} // namespace olma::config
