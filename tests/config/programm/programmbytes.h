#pragma once

#include "../imagebytes.h"

#include <QByteArray>

// Where the program records lie in the image, for tests that check them byte by byte.
namespace programmbytes {

constexpr int kFirstRecord = 4170;
constexpr int kRecordSize = 52;

// Offsets within a record.
constexpr int kFlags = 0;
constexpr int kDelay = 1;
constexpr int kWorkTime = 2;
constexpr int kLoops = 4;
constexpr int kPanel = 36;
constexpr int kIp = 38;
constexpr int kBkv = 40;
constexpr int kBp = 48;

constexpr int recordOffset(int index)
{
    return kFirstRecord + kRecordSize * index;
}

inline QByteArray record(const imagebytes::Image& image, int index)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + recordOffset(index), kRecordSize);
}

// What a reset of program `index` on a model with `loops` loops and `ips` ИП outputs leaves of a
// record: the flags keep bits 2..7, a loop's second byte keeps bits 7..6, and the loops and ИП
// outputs the model lacks keep their bits.
inline void resetRecord(imagebytes::Image& image, int index, int loops, int ips)
{
    unsigned char* r = image.data() + recordOffset(index);
    r[kFlags] &= 0xFC;
    r[kDelay] = r[kWorkTime] = r[kWorkTime + 1] = 0;
    for (int loop = 0; loop < loops; ++loop) {
        r[kLoops + 2 * loop] = 0;
        r[kLoops + 2 * loop + 1] &= 0xC0;
    }
    r[kPanel] = r[kPanel + 1] = 0;
    for (int ip = 0; ip < ips; ++ip)
        r[kIp + ip / 4] &= static_cast<unsigned char>(~(0x03 << (2 * (ip % 4))));
    for (int i = kBkv; i < kRecordSize; ++i)
        r[i] = 0;
}

} // namespace programmbytes
