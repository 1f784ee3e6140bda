#pragma once

#include <QByteArray>
#include <QString>

// The panel, its image strings and every exported document speak Windows-1251.
// All conversions between text and those bytes go through these functions.
namespace olma::cp1251 {

// Text to Windows-1251 bytes; characters without a Windows-1251 code become '?'.
QByteArray encode(const QString& text);

// Windows-1251 bytes to text.
QString decode(const QByteArray& bytes);
QString decode(const char* bytes, qsizetype size);

// One byte to its character.
QChar decodeByte(unsigned char byte);

// One character to its byte; '?' when it has no Windows-1251 code.
unsigned char encodeChar(QChar c);

} // namespace olma::cp1251
