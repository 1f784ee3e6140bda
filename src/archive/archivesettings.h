#pragma once

#include <QString>
#include <QStringList>

namespace olma::archive {

// Where the archive is and what goes into it, as the settings dialog "Архив…" keeps it. The
// PostgreSQL password is never among them.
struct ArchiveSettings
{
    bool enabled = true;
    // Every read, write, log read and save to a file is archived without being asked.
    bool automatic = true;
    // "sqlite:///path/file.sqlite" or "postgresql://user@host:port/database"; empty: the default file.
    QString url;
    // For PostgreSQL: "prefer" or stricter.
    QString sslMode = QStringLiteral("prefer");

    static ArchiveSettings load();
    void save() const;

    // The URL to open: empty for the default file; a PostgreSQL URL carries the sslmode unless it
    // names one itself.
    QString effectiveUrl() const;

    // The settings for one run: "--archive URL" (or OLMA_ARCHIVE) replaces the URL and turns the
    // archive on, "--no-archive" turns it off; neither is kept.
    ArchiveSettings forRun(const QString& commandLineUrl, bool commandLineOff) const;

    // The URL without a password typed into it: the archive never uses one from there, and it
    // is never written down.
    static QString withoutPassword(const QString& url);

    // The sslmode values offered, weakest first.
    static const QStringList& sslModes();
};

} // namespace olma::archive
