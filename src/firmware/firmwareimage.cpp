#include "firmware/firmwareimage.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace olma::firmware {

ReadResult readImage(const QString& path, std::vector<unsigned char>& bytes)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return ReadResult::NotFound;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Unreadable;
    const qint64 size = file.size();
    std::vector<unsigned char> image(size_t(std::max<qint64>(size, 0)));
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(reinterpret_cast<char*>(image.data()) + got, size - got);
        if (n <= 0)
            return ReadResult::Unreadable;
        got += n;
    }
    bytes = std::move(image);
    return ReadResult::Read;
}

} // namespace olma::firmware
