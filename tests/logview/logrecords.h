#pragma once

#include <QByteArray>

#include <vector>

// Builds log records the way the panel writes them, for the log tests.
namespace logtest {

inline unsigned char toBcd(int value)
{
    return static_cast<unsigned char>((value / 10) << 4 | value % 10);
}

// One 8-byte record: date and time in BCD, the class in the top bits of the hour byte.
inline QByteArray record(int year, int month, int day, int hour, int minute, int eventClass, int code, int a = 0,
                         int b = 0)
{
    QByteArray r(8, '\0');
    r[0] = char(toBcd(year - 2000));
    r[1] = char(toBcd(month));
    r[2] = char(toBcd(day));
    r[3] = char(toBcd(hour) | eventClass << 6);
    r[4] = char(toBcd(minute));
    r[5] = char(a);
    r[6] = char(b);
    r[7] = char(code);
    return r;
}

inline std::vector<unsigned char> bytes(const QByteArray& data)
{
    return std::vector<unsigned char>(data.begin(), data.end());
}

} // namespace logtest
