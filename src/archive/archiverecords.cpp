#include "archive/archiverecords.h"

#include "archive/archive.h"
#include "archive/configdiff.h"
#include "archive/storedconfiguration.h"
#include "config/configuration.h"
#include "config/descriptiondocument.h"

#include <QFileInfo>

namespace olma::archive {

namespace {

QByteArray bytesOf(const std::vector<unsigned char>& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

// A configuration read from a panel has no descriptions: as a read stores it.
QByteArray noDescriptions(const std::vector<unsigned char>& image, int deviceType)
{
    std::vector<unsigned char> copy = image;
    olma::config::Configuration configuration(copy.data(), deviceType);
    configuration.resetDescriptions();
    return StoredConfiguration::descriptionsOf(configuration);
}

QByteArray emptyDescriptions()
{
    return olma::config::descriptions::emptyDocumentText().toUtf8();
}

} // namespace

ArchiveWriteRecords::ArchiveWriteRecords(const QString& url, bool off) : _url(url), _off(off) {}

ArchiveWriteRecords::~ArchiveWriteRecords() = default;

Archive* ArchiveWriteRecords::archive()
{
    if (_off)
        return nullptr;
    if (!_archive) {
        _archive = std::make_unique<Archive>();
        if (_prompt)
            _archive->setPasswordPrompt(_prompt);
        const bool opened =
            _url.isEmpty() ? _archive->open(QStringLiteral("sqlite://") + defaultArchivePath()) : _archive->open(_url);
        if (!opened)
            _trouble = _archive->lastError();
    }
    return _archive->isOpen() ? _archive.get() : nullptr;
}

QString ArchiveWriteRecords::keepBackup(const olma::app::PanelIdentity& panel, const std::vector<unsigned char>& image,
                                        QString* error)
{
    if (Archive* a = archive()) {
        if (a->touchPanel(panel.serial, panel.deviceType, panel.firmware)) {
            const qint64 id = a->addSnapshot(panel.serial, panel.deviceType, bytesOf(image),
                                             noDescriptions(image, panel.deviceType), SnapshotKind::BackupBeforeWrite);
            if (id != 0)
                return QString::number(id);
        }
        _trouble = a->lastError();
    }
    return WriteRecords::keepBackup(panel, image, error);
}

void ArchiveWriteRecords::recordWrite(const olma::app::PanelIdentity& panel, const std::vector<unsigned char>& image,
                                      bool verified)
{
    Archive* a = archive();
    if (!a)
        return;
    const QByteArray descriptions = _descriptions.isEmpty() ? noDescriptions(image, panel.deviceType) : _descriptions;
    if (a->addSnapshot(panel.serial, panel.deviceType, bytesOf(image), descriptions,
                       verified ? SnapshotKind::WrittenToPanel : SnapshotKind::WriteNotConfirmed) == 0)
        _trouble = a->lastError();
}

bool ArchiveWriteRecords::loadBackup(const QString& reference, int deviceType, std::vector<unsigned char>& image,
                                     QString* error)
{
    bool isId = false;
    const qint64 id = reference.toLongLong(&isId);
    if (!isId || QFileInfo::exists(reference))
        return WriteRecords::loadBackup(reference, deviceType, image, error);
    Archive* a = archive();
    if (!a) {
        *error = _trouble.isEmpty() ? QStringLiteral("no archive to take snapshot %1 from").arg(id) : _trouble;
        return false;
    }
    const auto snapshot = a->snapshot(id);
    if (!snapshot) {
        *error = a->lastError();
        return false;
    }
    image.assign(snapshot->image.begin(), snapshot->image.end());
    return true;
}

QStringList ArchiveWriteRecords::differences(int deviceType, const std::vector<unsigned char>& before,
                                             const std::vector<unsigned char>& after)
{
    const StoredConfiguration a(bytesOf(before), deviceType, emptyDescriptions());
    const StoredConfiguration b(bytesOf(after), deviceType, emptyDescriptions());
    return compareConfigurations(a.configuration(), b.configuration());
}

} // namespace olma::archive
