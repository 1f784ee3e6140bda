// make-default-config OUTPUT
//
// Writes the default configuration: the factory defaults of every section over a zeroed image
// (no engineer password, all time-outs and sound times 0, no connected blocks, users without
// rights or loop access, every loop a security loop with no flags, every relay program off),
// as the raw 10098-byte image. A new configuration starts from this file.

#include "config/configuration.h"
#include "config/imagemap.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-default-config OUTPUT\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);

    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    // The model is not stored in the image; the 4-loop panel is as good as any.
    olma::config::Configuration configuration(image.data(), 0);
    configuration.setDefault();
    configuration.loadFromImage();

    QSaveFile file(path);
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), int(image.size()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "make-default-config: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
