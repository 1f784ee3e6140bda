#pragma once

#include <QByteArray>

#include <initializer_list>
#include <utility>
#include <vector>

// Status records for the device-state tests: 84 zero bytes with the model code in byte 0
// and the given bytes set.
inline QByteArray stateRecord(unsigned char modelCode, std::initializer_list<std::pair<int, unsigned char>> bytes = {})
{
    QByteArray record(84, '\0');
    record[0] = char(modelCode);
    for (const auto& [offset, value] : bytes)
        record[offset] = char(value);
    return record;
}

inline std::vector<unsigned char> toVector(const QByteArray& bytes)
{
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}
