#include "common/cp1251.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace olma::cp1251 {
namespace {

constexpr char kEncodingName[] = "windows-1251";

// The 256 characters of the code page, decoded once; single-byte lookups are then table reads.
const std::array<QChar, 256>& byteTable()
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QStringDecoder decoder(kEncodingName);
        const QString text = decoder(all);
        for (int i = 0; i < 256 && i < text.size(); ++i)
            t[size_t(i)] = text.at(i);
        return t;
    }();
    return table;
}

} // namespace

QByteArray encode(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = char(encodeChar(text.at(i)));
    return out;
}

QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), bytes.size());
}

QString decode(const char* bytes, qsizetype size)
{
    const auto& table = byteTable();
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = table[static_cast<unsigned char>(bytes[i])];
    return out;
}

QChar decodeByte(unsigned char byte)
{
    return byteTable()[byte];
}

unsigned char encodeChar(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x80)
        return static_cast<unsigned char>(u);
    // Reverse lookup built once from the forward table.
    static const QHash<ushort, unsigned char> reverse = [] {
        QHash<ushort, unsigned char> r;
        const auto& table = byteTable();
        for (int i = 0x80; i < 256; ++i)
            r.insert(table[size_t(i)].unicode(), static_cast<unsigned char>(i));
        return r;
    }();
    return reverse.value(u, static_cast<unsigned char>('?'));
}

} // namespace olma::cp1251
