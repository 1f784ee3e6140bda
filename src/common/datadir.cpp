#include "common/datadir.h"

#include <QCoreApplication>

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
    return QCoreApplication::applicationDirPath() + QStringLiteral("/data");
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
