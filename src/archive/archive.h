#pragma once

#include "archive/archiveurl.h"
#include "archive/logmerge.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

namespace olma::archive {

// A panel as the archive knows it, keyed by its serial number.
struct PanelInfo
{
    quint32 serial = 0;
    int deviceType = 0; // 0, 1, 2: the 4-, 8- and 16-loop panels
    int firmwareVersion = 0;
    QDateTime firstContact;
    QDateTime lastContact;
    QString name;
    QString site;
    QString notes;
    qint64 snapshotCount = 0;
    qint64 eventCount = 0;
};

// What a configuration snapshot was.
enum class SnapshotKind
{
    ReadFromPanel = 1,
    WrittenToPanel = 2,
    BackupBeforeWrite = 3,
    SavedToFile = 4,
    Manual = 5,
    // A write whose blocks did not all come back as they were sent, or that stopped.
    WriteNotConfirmed = 6,
};

QString snapshotKindText(SnapshotKind kind);

// One stored configuration; image and descriptions only when asked for.
struct Snapshot
{
    qint64 id = 0;
    quint32 serial = 0;
    QDateTime time;
    SnapshotKind kind = SnapshotKind::Manual;
    QString path; // the file, for SavedToFile
    QString operatorName;
    QString host;
    int deviceType = 0;
    QByteArray sha256;
    QByteArray image;        // 10098 bytes
    QByteArray descriptions; // the description file's contents
    // Times the same configuration was met again without being stored twice.
    qint64 seenAgain = 0;
};

// One log read merged into a panel's history.
struct LogRead
{
    QDateTime time;
    qint64 count = 0; // records read
    qint64 added = 0; // records new to the history
    bool complete = false;
};

// Who and where, recorded with every snapshot and read.
struct Origin
{
    QString operatorName;
    QString host;
    // The system user name and this computer's host name.
    static Origin current();
};

// The archive of every panel's configurations and event history, over Qt SQL: an SQLite file by
// default, a PostgreSQL database for a team. Every change is one transaction, safe against other
// processes writing the same archive at once. Errors are kept in lastError() in the user's words;
// nothing stored (passwords, keys) ever appears in them.
class Archive
{
    Q_DISABLE_COPY(Archive)

public:
    // The newest schema this program knows.
    static constexpr int kSchemaVersion = 1;

    Archive();
    ~Archive();

    // Asked once for a PostgreSQL password the client library did not find (~/.pgpass); the answer
    // is used for this connection only and never stored.
    void setPasswordPrompt(std::function<QString(const QString& location)> prompt) { _prompt = std::move(prompt); }

    // Opens (an SQLite file is created, 0600 in a 0700 folder) and migrates the schema. A schema
    // newer than kSchemaVersion is refused and left as it is.
    bool open(const QString& url);
    bool open(const ArchiveLocation& location);
    void close();
    bool isOpen() const;
    QString lastError() const { return _error; }
    ArchiveLocation location() const { return _location; }
    // The schema version found in the archive; 0 when closed.
    int schemaVersion() const;

    // Records a contact with the panel: created on first contact, model and firmware updated.
    bool touchPanel(quint32 serial, int deviceType, int firmwareVersion, const QDateTime& when = {});
    bool setPanelDetails(quint32 serial, const QString& name, const QString& site, const QString& notes);
    QList<PanelInfo> panels();
    std::optional<PanelInfo> panel(quint32 serial);

    // Stores a configuration of the panel (created when new). A configuration identical to the
    // panel's latest snapshot (image and descriptions) is not stored again: its time is recorded
    // and its id returned. Returns 0 on failure.
    qint64 addSnapshot(quint32 serial, int deviceType, const QByteArray& image, const QByteArray& descriptions,
                       SnapshotKind kind, const QString& path = {}, const QDateTime& when = {},
                       const Origin& origin = Origin::current());
    // The panel's snapshots, newest first, without their contents.
    QList<Snapshot> snapshots(quint32 serial);
    std::optional<Snapshot> snapshot(qint64 id);

    // Merges one read of the panel's log (8-byte records in the order they were read) into its
    // history; `complete`: the read reached the end of the log. Returns the records added, or -1.
    qint64 mergeLog(quint32 serial, const QByteArray& records, bool complete, const QDateTime& when = {},
                    const Origin& origin = Origin::current());
    // The whole history as a log file would hold it, in the order the panel reads it.
    QByteArray history(quint32 serial);
    qint64 historySize(quint32 serial);
    QList<LogRead> logReads(quint32 serial);

private:
    bool fail(const QString& what);
    bool failQuery(const class QSqlQuery& query);
    bool begin();
    bool commit();
    void rollback();
    bool migrate();
    // The panel's row id, created when missing and locked for the rest of the transaction.
    qint64 lockPanel(quint32 serial, const QDateTime& when);
    QString blobType() const;
    QString idType() const;
    bool isSqlite() const { return _location.kind == ArchiveLocation::Kind::Sqlite; }

    QString _connection;
    ArchiveLocation _location;
    QString _error;
    std::function<QString(const QString&)> _prompt;
};

} // namespace olma::archive
