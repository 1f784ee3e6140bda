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
    Refused,    // not a firmware image: empty, under one block, too large or a configuration file
};

// The smallest image that carries anything: one 64-byte upload block.
constexpr qint64 kMinImageSize = 64;
// The panel's program memory is far smaller; a larger file is not an image for it.
constexpr qint64 kMaxImageSize = 1024 * 1024;

// Reads a firmware image file whole, byte for byte. The image is opaque to the program: no
// header, address records or checksum are looked at; the upload decides which bytes travel.
// The file's type and size are checked before it is opened: a file that is not a regular file
// or of 64 bytes to 1 MiB, or has exactly the size of a configuration image, is Refused and
// `size` tells its size. `bytes` is replaced only when the whole file was read.
ReadResult readImage(const QString& path, std::vector<unsigned char>& bytes, qint64* size = nullptr);

// The message for a Refused file, naming it and its size.
QString refusalMessage(const QString& path, qint64 size);

} // namespace olma::firmware
