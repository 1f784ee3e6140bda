#include "firmware/firmwareimage.h"

#include "common/safefile.h"
#include "common/text.h"
#include "config/imagemap.h"

#include <QFileInfo>

namespace olma::firmware {
namespace {

// A configuration file picked by mistake: neither size is a whole number of upload blocks, so
// no firmware image has it.
bool isConfigurationSize(qint64 size)
{
    return size == olma::config::kImageSize || size == olma::config::kShortImageSize;
}

} // namespace

ReadResult readImage(const QString& path, std::vector<unsigned char>& bytes, qint64* size)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return ReadResult::NotFound;
    // A folder is not there as a file: silent, as a cancelled dialog.
    if (QFileInfo(path).isDir())
        return ReadResult::NotFound;
    QByteArray contents;
    const olma::files::ReadResult read = olma::files::readFile(path, kMinImageSize, kMaxImageSize, &contents);
    if (size)
        *size = read.size;
    switch (read.status) {
    case olma::files::ReadStatus::Missing:
        return ReadResult::NotFound;
    case olma::files::ReadStatus::NotRegular:
    case olma::files::ReadStatus::WrongSize:
        return ReadResult::Refused;
    case olma::files::ReadStatus::Unreadable:
        return ReadResult::Unreadable;
    case olma::files::ReadStatus::Read:
        break;
    }
    if (isConfigurationSize(contents.size()))
        return ReadResult::Refused;
    bytes.assign(contents.begin(), contents.end());
    return ReadResult::Read;
}

QString refusalMessage(const QString& path, qint64 size)
{
    if (size < 0)
        return OLMA_TEXT("Firmware", "Файл прошивки \"%1\" не является обычным файлом!").arg(path);
    if (isConfigurationSize(size))
        return OLMA_TEXT("Firmware", "Файл \"%1\" (%2 байт) — файл конфигурации, а не прошивки!").arg(path).arg(size);
    if (size < kMinImageSize)
        return OLMA_TEXT("Firmware", "Файл прошивки \"%1\" слишком мал (%2 байт, нужно не менее %3)!")
            .arg(path)
            .arg(size)
            .arg(kMinImageSize);
    return OLMA_TEXT("Firmware", "Файл прошивки \"%1\" слишком велик (%2 байт, допустимо не более 1 МиБ)!")
        .arg(path)
        .arg(size);
}

} // namespace olma::firmware
