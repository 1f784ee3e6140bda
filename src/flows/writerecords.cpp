#include "flows/writerecords.h"

#include "common/devicetype.h"
#include "common/safefile.h"
#include "config/configuration.h"
#include "config/imagemap.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace olma::app {

PanelIdentity PanelIdentity::fromAnswer(quint32 answer)
{
    return PanelIdentity{answer >> 16, olma::deviceTypeFromModelCode(answer & 0xFFu), int((answer >> 8) & 0xFFu)};
}

QString WriteRecords::backupFolder(quint32 serial)
{
    // The configurator's own data folder, shared by the command-line tool.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/olma-configurator/backups/%1").arg(serial);
}

QString WriteRecords::keepBackup(const PanelIdentity& panel, const std::vector<unsigned char>& image, QString* error)
{
    const QString folder = backupFolder(panel.serial);
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return {};
    }
    const QString name =
        folder + QStringLiteral("/backup-%1.bin")
                     .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    QString reason;
    if (!olma::files::writeFile(name, QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())),
                                &reason)) {
        *error = QStringLiteral("cannot write %1: %2").arg(name, reason);
        return {};
    }
    return name;
}

void WriteRecords::recordWrite(const PanelIdentity&, const std::vector<unsigned char>&, bool) {}

bool WriteRecords::loadBackup(const QString& reference, int deviceType, std::vector<unsigned char>& image,
                              QString* error)
{
    image.assign(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), deviceType);
    const olma::config::FileReadResult read = configuration.readFromFile(reference, deviceType);
    if (read != olma::config::FileReadResult::Loaded) {
        *error = olma::config::fileReadMessage(read, reference);
        return false;
    }
    return true;
}

QStringList WriteRecords::differences(int, const std::vector<unsigned char>&, const std::vector<unsigned char>&)
{
    return {};
}

} // namespace olma::app
