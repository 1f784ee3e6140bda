#include "common/datadir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace olma {
namespace {
QString& overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString dataDir()
{
    if (!overridePath().isEmpty())
        return overridePath();
    // A build keeps the data beside the executables; an installation keeps the executables in
    // bin/ and the data in share/olma/ beside it.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/data");
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/olma"));
    if (QFileInfo(installed).isDir())
        return installed;
    return beside;
}

void setDataDir(const QString& path)
{
    overridePath() = path;
}

QString dataFile(const QString& relative)
{
    return dataDir() + QLatin1Char('/') + relative;
}

} // namespace olma
