#pragma once

#include <QString>

#include <array>

namespace olma::config {

// A digit password of up to six digits as the panel keeps it: one digit per nibble, high nibble
// first, in three bytes; the nibbles after the last digit are 0xF. The empty password is FF FF FF.
class CipherPassword
{
public:
    static constexpr int kMaxDigits = 6;
    static constexpr int kStoredSize = 3;
    static constexpr unsigned char kNoDigit = 255;

    using Stored = std::array<unsigned char, kStoredSize>;
    using Digits = std::array<unsigned char, kMaxDigits>;

    // The empty password.
    CipherPassword() = default;

    // Each character is one digit (a character that is not a digit counts as 0); the caller keeps
    // the text to six characters, further ones are dropped.
    static CipherPassword fromText(const QString& text);

    // Copies `count` (0..3) stored bytes over an empty password; a larger count fails and changes
    // nothing. The length is the number of leading nibbles that are decimal digits.
    bool setStored(const unsigned char* bytes, int count);

    // The leading nibbles that are decimal digits; empty text for the empty password.
    QString text() const;
    // The digits, kNoDigit where there is none.
    Digits digits() const;
    const Stored& stored() const { return _bytes; }
    int length() const { return _length; }

    // True for both forms the panel knows as "no password": 00 00 00 and FF FF FF.
    bool isEmpty() const;
    void clear();

    bool operator==(const CipherPassword& other) const { return _length == other._length && _bytes == other._bytes; }
    bool operator!=(const CipherPassword& other) const { return !(*this == other); }

private:
    // Digit k lives in byte k / 2: the high nibble for even k, the low one for odd k.
    static unsigned char nibble(const Stored& bytes, int k);
    static void setNibble(Stored& bytes, int k, unsigned char value);
    static int leadingDigits(const Stored& bytes);

    Stored _bytes = {0xFF, 0xFF, 0xFF};
    int _length = 0;
};

} // namespace olma::config
