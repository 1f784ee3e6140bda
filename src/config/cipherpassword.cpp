#include "config/cipherpassword.h"

#include <algorithm>

namespace olma::config {

CipherPassword CipherPassword::fromText(const QString& text)
{
    CipherPassword password;
    const int count = int(std::min<qsizetype>(text.size(), kMaxDigits));
    for (int k = 0; k < count; ++k) {
        const int digit = text.at(k).digitValue();
        setNibble(password._bytes, k, static_cast<unsigned char>(digit >= 0 && digit <= 9 ? digit : 0));
    }
    password._length = count;
    return password;
}

bool CipherPassword::setStored(const unsigned char* bytes, int count)
{
    if (count < 0 || count > kStoredSize || (count > 0 && !bytes))
        return false;
    Stored stored = {0xFF, 0xFF, 0xFF};
    for (int i = 0; i < count; ++i)
        stored[size_t(i)] = bytes[i];
    _bytes = stored;
    _length = leadingDigits(stored);
    return true;
}

QString CipherPassword::text() const
{
    QString result;
    const int count = leadingDigits(_bytes);
    for (int k = 0; k < count; ++k)
        result.append(QChar(u'0' + nibble(_bytes, k)));
    return result;
}

CipherPassword::Digits CipherPassword::digits() const
{
    Digits result;
    result.fill(kNoDigit);
    const int count = leadingDigits(_bytes);
    for (int k = 0; k < count; ++k)
        result[size_t(k)] = nibble(_bytes, k);
    return result;
}

bool CipherPassword::isEmpty() const
{
    const Stored zeros = {0x00, 0x00, 0x00};
    const Stored ones = {0xFF, 0xFF, 0xFF};
    return _bytes == zeros || _bytes == ones;
}

void CipherPassword::clear()
{
    _bytes = {0xFF, 0xFF, 0xFF};
    _length = 0;
}

unsigned char CipherPassword::nibble(const Stored& bytes, int k)
{
    const unsigned char byte = bytes[size_t(k / 2)];
    return k % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

void CipherPassword::setNibble(Stored& bytes, int k, unsigned char value)
{
    unsigned char& byte = bytes[size_t(k / 2)];
    if (k % 2 == 0)
        byte = static_cast<unsigned char>((byte & 0x0F) | (value << 4));
    else
        byte = static_cast<unsigned char>((byte & 0xF0) | (value & 0x0F));
}

int CipherPassword::leadingDigits(const Stored& bytes)
{
    int count = 0;
    while (count < kMaxDigits && nibble(bytes, count) <= 9)
        ++count;
    return count;
}

} // namespace olma::config
