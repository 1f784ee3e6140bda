#pragma once

#include <QString>

#include <vector>

namespace olma::firmware {

// How reading a firmware image file ended.
enum class ReadResult
{
    Read,
    NotFound,   // no such file: the command stops without a word
    Unreadable, // the file is there but cannot be opened or read whole
};

// Reads a firmware image file whole, byte for byte. The image is opaque to the program: no
// header, address records or checksum are looked at; the upload decides which bytes travel.
// `bytes` is replaced only when the whole file was read.
ReadResult readImage(const QString& path, std::vector<unsigned char>& bytes);

} // namespace olma::firmware
