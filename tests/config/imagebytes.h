#pragma once

#include "config/imagemap.h"

#include <QList>
#include <QRandomGenerator>

#include <vector>

// Small helpers for tests that look at the configuration image byte by byte.
namespace imagebytes {

using Image = std::vector<unsigned char>;

inline Image filled(unsigned char value)
{
    return Image(size_t(olma::config::kImageSize), value);
}

inline Image random(quint32 seed)
{
    QRandomGenerator generator(seed);
    Image image(size_t(olma::config::kImageSize));
    for (auto& b : image)
        b = static_cast<unsigned char>(generator.bounded(256));
    return image;
}

// Offsets where the two images differ.
inline QList<int> changed(const Image& before, const Image& after)
{
    QList<int> offsets;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] != after[i])
            offsets.append(int(i));
    }
    return offsets;
}

} // namespace imagebytes
