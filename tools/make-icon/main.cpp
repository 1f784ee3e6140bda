// Draws the program's window icon and writes it as a Windows icon file with several sizes:
// 32-bit bitmaps for the small ones, a PNG for the large one.
//
// Usage: make-icon OUTPUT.ico
//        make-icon --png SIZE OUTPUT.png   (one size, for the desktop's icon theme)

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextStream>
#include <QtEndian>

#include <vector>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 256};
// Sizes from this one on are stored as PNG, which every reader of large icons understands.
constexpr int kPngFrom = 256;

constexpr int kDirHeaderSize = 6;
constexpr int kDirEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

// A tile of the panel's blue with a white shield and the red lamp of an alarm on it; the tile's
// mosaic of lighter squares stands for the blocks on the panel's line.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient ground(0, 0, 0, 64);
    ground.setColorAt(0, QColor(0x3B, 0x6E, 0xA0));
    ground.setColorAt(1, QColor(0x22, 0x44, 0x68));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 12, 12);

    p.setBrush(QColor(255, 255, 255, 40));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            if ((row + col) % 2 == 0)
                p.drawRect(QRectF(6 + col * 13.5, 6 + row * 13.5, 11, 11));
        }
    }

    QPainterPath shield;
    shield.moveTo(32, 9);
    shield.lineTo(52, 16);
    shield.cubicTo(52, 36, 44, 49, 32, 56);
    shield.cubicTo(20, 49, 12, 36, 12, 16);
    shield.closeSubpath();
    p.setBrush(QColor(0xFB, 0xFB, 0xFC));
    p.setPen(QPen(QColor(0x1A, 0x33, 0x50), 2));
    p.drawPath(shield);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xED, 0x1C, 0x24));
    p.drawEllipse(QPointF(32, 30), 9, 9);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(29, 27), 3, 3);
    return image;
}

// A 32-bit bitmap as an icon stores it: header with doubled height, rows bottom-up in BGRA,
// then the 1-bit AND mask (transparent where alpha is 0) with rows padded to 32 bits.
QByteArray bitmapEntry(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray data(kBitmapHeaderSize + w * h * 4 + maskStride * h, '\0');
    auto* out = reinterpret_cast<uchar*>(data.data());
    qToLittleEndian<quint32>(kBitmapHeaderSize, out);
    qToLittleEndian<qint32>(w, out + 4);
    qToLittleEndian<qint32>(2 * h, out + 8);
    qToLittleEndian<quint16>(1, out + 12);  // planes
    qToLittleEndian<quint16>(32, out + 14); // bits per pixel
    qToLittleEndian<quint32>(quint32(w * h * 4 + maskStride * h), out + 20);
    uchar* pixels = out + kBitmapHeaderSize;
    uchar* mask = pixels + w * h * 4;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(h - 1 - y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            uchar* px = pixels + (y * w + x) * 4;
            px[0] = uchar(qBlue(c));
            px[1] = uchar(qGreen(c));
            px[2] = uchar(qRed(c));
            px[3] = uchar(qAlpha(c));
            if (qAlpha(c) == 0)
                mask[y * maskStride + x / 8] |= uchar(0x80 >> (x % 8));
        }
    }
    return data;
}

QByteArray pngEntry(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray iconFile()
{
    std::vector<QByteArray> entries;
    for (int size : kSizes) {
        const QImage image = drawIcon(size);
        entries.push_back(size >= kPngFrom ? pngEntry(image) : bitmapEntry(image));
    }
    const int count = int(entries.size());
    QByteArray file(kDirHeaderSize + count * kDirEntrySize, '\0');
    auto* dir = reinterpret_cast<uchar*>(file.data());
    qToLittleEndian<quint16>(0, dir);
    qToLittleEndian<quint16>(1, dir + 2); // an icon, not a cursor
    qToLittleEndian<quint16>(quint16(count), dir + 4);
    quint32 offset = quint32(file.size());
    for (int i = 0; i < count; ++i) {
        const int size = kSizes[i];
        uchar* e = dir + kDirHeaderSize + i * kDirEntrySize;
        e[0] = uchar(size >= 256 ? 0 : size); // 0 means 256
        e[1] = uchar(size >= 256 ? 0 : size);
        qToLittleEndian<quint16>(1, e + 4);
        qToLittleEndian<quint16>(32, e + 6);
        qToLittleEndian<quint32>(quint32(entries[size_t(i)].size()), e + 8);
        qToLittleEndian<quint32>(offset, e + 12);
        offset += quint32(entries[size_t(i)].size());
    }
    for (const QByteArray& entry : entries)
        file += entry;
    return file;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    const bool png = args.size() == 4 && args[1] == QLatin1String("--png");
    const int size = png ? args[2].toInt() : 0;
    if ((!png && args.size() != 2) || (png && (size < 16 || size > 1024))) {
        err << "usage: make-icon OUTPUT.ico | make-icon --png SIZE OUTPUT.png\n";
        return 2;
    }
    const QString path = args.last();
    QByteArray data;
    if (png) {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        drawIcon(size).save(&buffer, "PNG");
    } else {
        data = iconFile();
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) < 0 || !out.commit()) {
        err << "make-icon: cannot write " << path << ": " << out.errorString() << '\n';
        return 1;
    }
    return 0;
}
