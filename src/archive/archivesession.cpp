#include "archive/archivesession.h"

namespace olma::archive {

ArchiveSession::ArchiveSession(const ArchiveSettings& settings) : _settings(settings) {}

ArchiveSession::~ArchiveSession() = default;

Archive* ArchiveSession::archive()
{
    if (!_settings.enabled)
        return nullptr;
    if (_archive && _archive->isOpen())
        return _archive.get();
    _archive = std::make_unique<Archive>();
    if (_prompt)
        _archive->setPasswordPrompt(_prompt);
    const QString url = _settings.effectiveUrl();
    const bool opened = _archive->open(url.isEmpty() ? QStringLiteral("sqlite://") + defaultArchivePath() : url);
    if (!opened) {
        _trouble = _archive->lastError();
        return nullptr;
    }
    _trouble.clear();
    return _archive.get();
}

bool ArchiveSession::record(const olma::app::PanelIdentity& panel, const std::function<bool(Archive&)>& store)
{
    if (!automatic())
        return true;
    Archive* a = archive();
    if (!a)
        return false;
    if (!a->touchPanel(panel.serial, panel.deviceType, panel.firmware) || !store(*a)) {
        _trouble = a->lastError();
        return false;
    }
    _trouble.clear();
    return true;
}

bool ArchiveSession::recordConfiguration(const olma::app::PanelIdentity& panel, const QByteArray& image,
                                         const QByteArray& descriptions, SnapshotKind kind, const QString& path)
{
    return record(panel, [&](Archive& a) {
        return a.addSnapshot(panel.serial, panel.deviceType, image, descriptions, kind, path) != 0;
    });
}

bool ArchiveSession::recordLog(const olma::app::PanelIdentity& panel, const QByteArray& records, bool complete)
{
    return record(panel, [&](Archive& a) { return a.mergeLog(panel.serial, records, complete) >= 0; });
}

} // namespace olma::archive
