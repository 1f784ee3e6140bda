#pragma once

#include "archive/archive.h"
#include "archive/archivesettings.h"
#include "flows/writerecords.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace olma::archive {

// The archive as one run of the window uses it: opened on first use and kept open, and the
// automatic archiving of what the panel commands moved. An archive that cannot be used never
// stops a command: each call says whether it could, and trouble() says why not.
class ArchiveSession
{
    Q_DISABLE_COPY(ArchiveSession)

public:
    explicit ArchiveSession(const ArchiveSettings& settings);
    ~ArchiveSession();

    const ArchiveSettings& settings() const { return _settings; }
    // Asked once for a PostgreSQL password the client library did not find.
    void setPasswordPrompt(std::function<QString(const QString&)> prompt) { _prompt = std::move(prompt); }

    // The open archive; null when it is off or cannot be opened (trouble() says why). A failed
    // open is tried again on the next call.
    Archive* archive();
    QString trouble() const { return _trouble; }

    // Automatic archiving: true when it was archived or is not to be (archive or automatic
    // archiving off); false with trouble() when the archive could not take it.
    bool recordConfiguration(const olma::app::PanelIdentity& panel, const QByteArray& image,
                             const QByteArray& descriptions, SnapshotKind kind, const QString& path = {});
    // A log read, in the order the panel gave its records; `complete`: the read reached the end.
    bool recordLog(const olma::app::PanelIdentity& panel, const QByteArray& records, bool complete);

private:
    bool automatic() const { return _settings.enabled && _settings.automatic; }
    // The panel's contact, then `store`; both in the archive or the trouble said.
    bool record(const olma::app::PanelIdentity& panel, const std::function<bool(Archive&)>& store);

    ArchiveSettings _settings;
    std::unique_ptr<Archive> _archive;
    std::function<QString(const QString&)> _prompt;
    QString _trouble;
};

} // namespace olma::archive
