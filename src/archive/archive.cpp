#include "archive/archive.h"

#include "archive/archivetexts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QThread>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace olma::archive {

namespace {

const QString kSqliteDriver = QStringLiteral("QSQLITE");
const QString kPostgresDriver = QStringLiteral("QPSQL");
// Other processes (the window, a second olma-cli) may hold the SQLite file for a while.
constexpr int kBusyTimeoutMs = 30000;
constexpr int kLockedRetryMs = 10;
// Rows per INSERT when a log read brings thousands of records.
constexpr int kInsertChunk = 256;
// Serialises schema migrations between PostgreSQL clients.
constexpr qint64 kMigrationLockKey = 0x6F6C6D61;

// The numbered migrations; migration n takes the schema from version n - 1 to n. %ID% is the
// self-numbering key, %BLOB% the byte-string type of the driver. Times are milliseconds since
// the epoch, UTC.
const QList<QStringList>& migrations()
{
    static const QList<QStringList> list = {
        {
            QStringLiteral("CREATE TABLE panels (id %ID%, serial INTEGER NOT NULL UNIQUE, device_type INTEGER NOT "
                           "NULL DEFAULT 0, firmware INTEGER NOT NULL DEFAULT 0, first_contact BIGINT NOT NULL, "
                           "last_contact BIGINT NOT NULL, name TEXT DEFAULT '', site TEXT DEFAULT "
                           "'', notes TEXT DEFAULT '', log_order INTEGER, snapshot_count BIGINT NOT NULL "
                           "DEFAULT 0, event_count BIGINT NOT NULL DEFAULT 0, first_seq BIGINT NOT NULL DEFAULT 0, "
                           "next_seq BIGINT NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE TABLE snapshots (id %ID%, panel_id BIGINT NOT NULL REFERENCES panels(id), taken_at "
                           "BIGINT NOT NULL, kind INTEGER NOT NULL, path TEXT, operator TEXT, host "
                           "TEXT, device_type INTEGER NOT NULL, sha256 %BLOB% NOT NULL, image %BLOB% NOT "
                           "NULL, descriptions %BLOB% NOT NULL)"),
            QStringLiteral("CREATE INDEX snapshots_panel ON snapshots (panel_id, id)"),
            QStringLiteral("CREATE TABLE snapshot_seen (id %ID%, snapshot_id BIGINT NOT NULL REFERENCES "
                           "snapshots(id), seen_at BIGINT NOT NULL, kind INTEGER NOT NULL, path TEXT, "
                           "operator TEXT, host TEXT)"),
            QStringLiteral("CREATE INDEX snapshot_seen_snapshot ON snapshot_seen (snapshot_id)"),
            QStringLiteral("CREATE TABLE events (panel_id BIGINT NOT NULL REFERENCES panels(id), seq BIGINT NOT NULL, "
                           "record %BLOB% NOT NULL, PRIMARY KEY (panel_id, seq))"),
            QStringLiteral("CREATE TABLE log_reads (id %ID%, panel_id BIGINT NOT NULL REFERENCES panels(id), read_at "
                           "BIGINT NOT NULL, record_count BIGINT NOT NULL, added BIGINT NOT NULL, complete INTEGER "
                           "NOT NULL, operator TEXT, host TEXT)"),
            QStringLiteral("CREATE INDEX log_reads_panel ON log_reads (panel_id, id)"),
        },
    };
    return list;
}

// SQLITE_BUSY and SQLITE_LOCKED.
bool isLocked(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6");
}

qint64 msecs(const QDateTime& when)
{
    return (when.isValid() ? when : QDateTime::currentDateTimeUtc()).toMSecsSinceEpoch();
}

QDateTime fromMsecs(const QVariant& value)
{
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

// Creates the SQLite file's folder (0700) and the file (0600) before the driver does, so that
// neither is ever readable by others, whatever the umask.
bool prepareSqliteFile(const QString& path, QString* error)
{
    const QFileInfo info(path);
    QDir folder = info.absoluteDir();
    if (!folder.exists()) {
        if (!folder.mkpath(QStringLiteral(".")) ||
            !QFile::setPermissions(folder.absolutePath(),
                                   QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)) {
            *error = texts::kCannotCreateFolder.arg(folder.absolutePath());
            return false;
        }
    }
    if (!info.exists()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            if (!QFileInfo::exists(path)) { // another process may have just made it
                *error = file.errorString();
                return false;
            }
        }
    }
    return true;
}

// WAL lets readers go on while another process writes. The mode is kept in the file, so only
// the first opening switches it; that switch needs the file to itself, and SQLite reports a
// clash with another process opening the same new file at once as "locked" without waiting, so
// it is tried again within the busy time-out.
bool enterWalMode(QSqlQuery& pragma)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (pragma.exec(QStringLiteral("PRAGMA journal_mode")) && pragma.next() &&
            pragma.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
            return true;
        if (pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            return true;
        if (!isLocked(pragma.lastError()) || waited.hasExpired(kBusyTimeoutMs))
            return false;
        QThread::msleep(kLockedRetryMs);
    }
}

} // namespace

QString snapshotKindText(SnapshotKind kind)
{
    switch (kind) {
    case SnapshotKind::ReadFromPanel:
        return texts::kReadFromPanel;
    case SnapshotKind::WrittenToPanel:
        return texts::kWrittenToPanel;
    case SnapshotKind::BackupBeforeWrite:
        return texts::kBackupBeforeWrite;
    case SnapshotKind::SavedToFile:
        return texts::kSavedToFile;
    case SnapshotKind::WriteNotConfirmed:
        return texts::kWriteNotConfirmed;
    case SnapshotKind::Manual:
        break;
    }
    return texts::kManual;
}

Origin Origin::current()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty()) {
        if (const passwd* entry = ::getpwuid(::getuid()))
            user = QString::fromLocal8Bit(entry->pw_name);
    }
    return {user, QSysInfo::machineHostName()};
}

Archive::Archive() : _connection(QStringLiteral("olma-archive-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{}

Archive::~Archive()
{
    close();
}

bool Archive::open(const QString& url)
{
    const ArchiveLocation location = parseArchiveUrl(url);
    if (!location.isValid()) {
        // The URL may carry a password: it is not repeated.
        QString shown = url;
        if (const qsizetype at = shown.lastIndexOf(QLatin1Char('@')); at >= 0)
            shown = shown.left(shown.indexOf(QLatin1String("://")) + 3) + QStringLiteral("…") + shown.mid(at);
        return fail(texts::kBadUrl.arg(shown));
    }
    return open(location);
}

bool Archive::open(const ArchiveLocation& location)
{
    close();
    _location = location;
    _error.clear();
    const bool sqlite = isSqlite();
    const QString driver = sqlite ? kSqliteDriver : kPostgresDriver;
    if (!QSqlDatabase::isDriverAvailable(driver))
        return fail(texts::kNoDriver.arg(driver));
    if (sqlite) {
        QString error;
        if (!prepareSqliteFile(location.path, &error))
            return fail(texts::kCannotOpen.arg(location.display(), error));
    }

    bool ready = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, _connection);
        if (sqlite) {
            db.setDatabaseName(location.path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        } else {
            db.setHostName(location.host);
            db.setPort(location.port);
            db.setDatabaseName(location.database);
            if (!location.user.isEmpty())
                db.setUserName(location.user);
            db.setConnectOptions(QStringLiteral("sslmode=%1;connect_timeout=10").arg(location.sslMode));
        }
        bool opened = db.open();
        if (!opened && !sqlite && _prompt && db.lastError().text().contains(QLatin1String("password"))) {
            // The password lives in this connection only.
            const QString password = _prompt(location.display());
            if (!password.isEmpty()) {
                db.setPassword(password);
                opened = db.open();
                db.setPassword(QString());
            }
        }
        if (!opened) {
            fail(texts::kCannotOpen.arg(location.display(), db.lastError().text()));
        } else if (sqlite) {
            QSqlQuery pragma(db);
            ready = (enterWalMode(pragma) && pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) &&
                     pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"))) ||
                    failQuery(pragma);
        } else {
            // The server's notices ("already exists, skipping") are not for the user.
            QSqlQuery quiet(db);
            ready = quiet.exec(QStringLiteral("SET client_min_messages TO WARNING")) || failQuery(quiet);
        }
    }
    if (ready)
        ready = migrate();
    if (!ready) {
        const QString error = _error;
        close();
        _error = error;
    }
    return ready;
}

void Archive::close()
{
    if (QSqlDatabase::contains(_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(_connection);
    }
}

bool Archive::isOpen() const
{
    return QSqlDatabase::contains(_connection) && QSqlDatabase::database(_connection, false).isOpen();
}

bool Archive::fail(const QString& what)
{
    _error = what;
    return false;
}

bool Archive::failQuery(const QSqlQuery& query)
{
    // The driver's text names the statement's trouble, never the bound values.
    return fail(texts::kFailed.arg(query.lastError().text()));
}

QString Archive::blobType() const
{
    return isSqlite() ? QStringLiteral("BLOB") : QStringLiteral("BYTEA");
}

QString Archive::idType() const
{
    return isSqlite() ? QStringLiteral("INTEGER PRIMARY KEY") : QStringLiteral("BIGSERIAL PRIMARY KEY");
}

// A write transaction. SQLite takes the write lock at once (waiting for other writers within the
// busy time-out) so that what the transaction reads is still true when it writes; PostgreSQL
// locks the rows it changes.
bool Archive::begin()
{
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    if (!query.exec(isSqlite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN")))
        return failQuery(query);
    return true;
}

bool Archive::commit()
{
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    if (!query.exec(QStringLiteral("COMMIT"))) {
        failQuery(query);
        rollback();
        return false;
    }
    return true;
}

void Archive::rollback()
{
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.exec(QStringLiteral("ROLLBACK"));
}

int Archive::schemaVersion() const
{
    if (!isOpen())
        return 0;
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    if (!query.exec(QStringLiteral("SELECT version FROM schema_version")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

bool Archive::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(_connection, false);
    QSqlQuery query(db);
    // The schema is almost always current: that is seen without a transaction or a lock, which
    // would otherwise line up every client opening the archive at once behind each other.
    if (query.exec(QStringLiteral("SELECT version FROM schema_version")) && query.next()) {
        const int version = query.value(0).toInt();
        if (version > kSchemaVersion)
            return fail(texts::kNewerSchema.arg(_location.display()).arg(version).arg(kSchemaVersion));
        if (version == kSchemaVersion)
            return true;
    }
    // An SQLite statement left open would keep its snapshot, which the write lock cannot outgrow.
    query.finish();
    if (!begin())
        return false;
    if (!isSqlite()) {
        query.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
        query.addBindValue(kMigrationLockKey);
        if (!query.exec()) {
            failQuery(query);
            rollback();
            return false;
        }
    }
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)"))) {
        failQuery(query);
        rollback();
        return false;
    }
    int version = 0;
    bool hasRow = false;
    if (!query.exec(QStringLiteral("SELECT version FROM schema_version"))) {
        failQuery(query);
        rollback();
        return false;
    }
    if (query.next()) {
        hasRow = true;
        version = query.value(0).toInt();
    }
    if (version > kSchemaVersion) {
        rollback();
        return fail(texts::kNewerSchema.arg(_location.display()).arg(version).arg(kSchemaVersion));
    }
    if (!hasRow && !query.exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"))) {
        failQuery(query);
        rollback();
        return false;
    }
    if (!commit())
        return false;

    // Each migration is a transaction of its own: a failure leaves the schema at the last one done.
    for (int next = version + 1; next <= kSchemaVersion; ++next) {
        if (!begin())
            return false;
        const auto failMigration = [&](const QSqlQuery& q) {
            const QString reason = q.lastError().text();
            rollback();
            return fail(texts::kMigrationFailed.arg(_location.display()).arg(next).arg(reason));
        };
        if (!isSqlite()) {
            query.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
            query.addBindValue(kMigrationLockKey);
            if (!query.exec())
                return failMigration(query);
        }
        // Another process may have migrated meanwhile.
        if (!query.exec(QStringLiteral("SELECT version FROM schema_version")) || !query.next())
            return failMigration(query);
        if (query.value(0).toInt() >= next) {
            rollback();
            continue;
        }
        for (QString statement : migrations().at(next - 1)) {
            statement.replace(QLatin1String("%ID%"), idType()).replace(QLatin1String("%BLOB%"), blobType());
            if (!query.exec(statement))
                return failMigration(query);
        }
        query.prepare(QStringLiteral("UPDATE schema_version SET version = ?"));
        query.addBindValue(next);
        if (!query.exec())
            return failMigration(query);
        if (!commit())
            return false;
    }
    return true;
}

qint64 Archive::lockPanel(quint32 serial, const QDateTime& when)
{
    QSqlDatabase db = QSqlDatabase::database(_connection, false);
    QSqlQuery query(db);
    const qint64 at = msecs(when);
    query.prepare(QStringLiteral("INSERT INTO panels (serial, first_contact, last_contact) VALUES (?, ?, ?) "
                                 "ON CONFLICT (serial) DO NOTHING"));
    query.addBindValue(qint64(serial));
    query.addBindValue(at);
    query.addBindValue(at);
    if (!query.exec()) {
        failQuery(query);
        return 0;
    }
    query.prepare(isSqlite() ? QStringLiteral("SELECT id FROM panels WHERE serial = ?")
                             : QStringLiteral("SELECT id FROM panels WHERE serial = ? FOR UPDATE"));
    query.addBindValue(qint64(serial));
    if (!query.exec() || !query.next()) {
        failQuery(query);
        return 0;
    }
    return query.value(0).toLongLong();
}

bool Archive::touchPanel(quint32 serial, int deviceType, int firmwareVersion, const QDateTime& when)
{
    if (!begin())
        return false;
    const qint64 id = lockPanel(serial, when);
    if (id == 0) {
        rollback();
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.prepare(QStringLiteral("UPDATE panels SET device_type = ?, firmware = ?, last_contact = CASE WHEN "
                                 "last_contact > ? THEN last_contact ELSE ? END WHERE id = ?"));
    query.addBindValue(deviceType);
    query.addBindValue(firmwareVersion);
    query.addBindValue(msecs(when));
    query.addBindValue(msecs(when));
    query.addBindValue(id);
    if (!query.exec()) {
        failQuery(query);
        rollback();
        return false;
    }
    return commit();
}

bool Archive::setPanelDetails(quint32 serial, const QString& name, const QString& site, const QString& notes)
{
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.prepare(QStringLiteral("UPDATE panels SET name = ?, site = ?, notes = ? WHERE serial = ?"));
    query.addBindValue(name);
    query.addBindValue(site);
    query.addBindValue(notes);
    query.addBindValue(qint64(serial));
    if (!query.exec())
        return failQuery(query);
    if (query.numRowsAffected() != 1)
        return fail(texts::kNoSuchPanel.arg(serial));
    return true;
}

namespace {

const QString kPanelColumns = QStringLiteral("serial, device_type, firmware, first_contact, last_contact, name, site, "
                                             "notes, snapshot_count, event_count");

PanelInfo panelFromQuery(const QSqlQuery& query)
{
    PanelInfo info;
    info.serial = quint32(query.value(0).toLongLong());
    info.deviceType = query.value(1).toInt();
    info.firmwareVersion = query.value(2).toInt();
    info.firstContact = fromMsecs(query.value(3));
    info.lastContact = fromMsecs(query.value(4));
    info.name = query.value(5).toString();
    info.site = query.value(6).toString();
    info.notes = query.value(7).toString();
    info.snapshotCount = query.value(8).toLongLong();
    info.eventCount = query.value(9).toLongLong();
    return info;
}

} // namespace

QList<PanelInfo> Archive::panels()
{
    QList<PanelInfo> list;
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM panels ORDER BY serial").arg(kPanelColumns))) {
        failQuery(query);
        return list;
    }
    while (query.next())
        list.append(panelFromQuery(query));
    return list;
}

std::optional<PanelInfo> Archive::panel(quint32 serial)
{
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.prepare(QStringLiteral("SELECT %1 FROM panels WHERE serial = ?").arg(kPanelColumns));
    query.addBindValue(qint64(serial));
    if (!query.exec()) {
        failQuery(query);
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return panelFromQuery(query);
}

qint64 Archive::addSnapshot(quint32 serial, int deviceType, const QByteArray& image, const QByteArray& descriptions,
                            SnapshotKind kind, const QString& path, const QDateTime& when, const Origin& origin)
{
    const QByteArray sha = QCryptographicHash::hash(image, QCryptographicHash::Sha256);
    const qint64 at = msecs(when);
    if (!begin())
        return 0;
    const qint64 panelId = lockPanel(serial, when);
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    const auto abandon = [&] {
        failQuery(query);
        rollback();
        return qint64(0);
    };
    if (panelId == 0) {
        rollback();
        return 0;
    }
    query.prepare(QStringLiteral("SELECT id, sha256, descriptions, device_type FROM snapshots WHERE panel_id = ? "
                                 "ORDER BY id DESC LIMIT 1"));
    query.addBindValue(panelId);
    if (!query.exec())
        return abandon();
    if (query.next() && query.value(1).toByteArray() == sha && query.value(2).toByteArray() == descriptions &&
        query.value(3).toInt() == deviceType) {
        const qint64 id = query.value(0).toLongLong();
        query.prepare(QStringLiteral("INSERT INTO snapshot_seen (snapshot_id, seen_at, kind, path, operator, host) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"));
        query.addBindValue(id);
        query.addBindValue(at);
        query.addBindValue(int(kind));
        query.addBindValue(path);
        query.addBindValue(origin.operatorName);
        query.addBindValue(origin.host);
        if (!query.exec())
            return abandon();
        return commit() ? id : 0;
    }
    query.prepare(QStringLiteral("INSERT INTO snapshots (panel_id, taken_at, kind, path, operator, host, device_type, "
                                 "sha256, image, descriptions) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(panelId);
    query.addBindValue(at);
    query.addBindValue(int(kind));
    query.addBindValue(path);
    query.addBindValue(origin.operatorName);
    query.addBindValue(origin.host);
    query.addBindValue(deviceType);
    query.addBindValue(sha);
    // A null array would be bound as NULL.
    query.addBindValue(image.isNull() ? QByteArray("") : image);
    query.addBindValue(descriptions.isNull() ? QByteArray("") : descriptions);
    if (!query.exec())
        return abandon();
    query.prepare(QStringLiteral("SELECT MAX(id) FROM snapshots WHERE panel_id = ?"));
    query.addBindValue(panelId);
    if (!query.exec() || !query.next())
        return abandon();
    const qint64 id = query.value(0).toLongLong();
    // The configuration tells the panel's model.
    query.prepare(
        QStringLiteral("UPDATE panels SET snapshot_count = snapshot_count + 1, device_type = ? WHERE id = ?"));
    query.addBindValue(deviceType);
    query.addBindValue(panelId);
    if (!query.exec())
        return abandon();
    return commit() ? id : 0;
}

namespace {

const QString kSnapshotColumns =
    QStringLiteral("s.id, p.serial, s.taken_at, s.kind, s.path, s.operator, s.host, s.device_type, s.sha256, "
                   "(SELECT COUNT(*) FROM snapshot_seen w WHERE w.snapshot_id = s.id)");

Snapshot snapshotFromQuery(const QSqlQuery& query)
{
    Snapshot s;
    s.id = query.value(0).toLongLong();
    s.serial = quint32(query.value(1).toLongLong());
    s.time = fromMsecs(query.value(2));
    s.kind = SnapshotKind(query.value(3).toInt());
    s.path = query.value(4).toString();
    s.operatorName = query.value(5).toString();
    s.host = query.value(6).toString();
    s.deviceType = query.value(7).toInt();
    s.sha256 = query.value(8).toByteArray();
    s.seenAgain = query.value(9).toLongLong();
    return s;
}

} // namespace

QList<Snapshot> Archive::snapshots(quint32 serial)
{
    QList<Snapshot> list;
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM snapshots s JOIN panels p ON p.id = s.panel_id WHERE p.serial = ? "
                                 "ORDER BY s.id DESC")
                      .arg(kSnapshotColumns));
    query.addBindValue(qint64(serial));
    if (!query.exec()) {
        failQuery(query);
        return list;
    }
    while (query.next())
        list.append(snapshotFromQuery(query));
    return list;
}

std::optional<Snapshot> Archive::snapshot(qint64 id)
{
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.prepare(
        QStringLiteral("SELECT %1, s.image, s.descriptions FROM snapshots s JOIN panels p ON p.id = s.panel_id "
                       "WHERE s.id = ?")
            .arg(kSnapshotColumns));
    query.addBindValue(id);
    if (!query.exec()) {
        failQuery(query);
        return std::nullopt;
    }
    if (!query.next()) {
        fail(texts::kNoSuchSnapshot.arg(id));
        return std::nullopt;
    }
    Snapshot s = snapshotFromQuery(query);
    s.image = query.value(10).toByteArray();
    s.descriptions = query.value(11).toByteArray();
    return s;
}

qint64 Archive::mergeLog(quint32 serial, const QByteArray& records, bool complete, const QDateTime& when,
                         const Origin& origin)
{
    const std::vector<Record> read = recordsFromBytes(records);
    QSqlDatabase db = QSqlDatabase::database(_connection, false);
    if (!begin())
        return -1;
    const qint64 panelId = lockPanel(serial, when);
    if (panelId == 0) {
        rollback();
        return -1;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const auto abandon = [&](const QSqlQuery& q) {
        failQuery(q);
        rollback();
        return qint64(-1);
    };
    query.prepare(QStringLiteral("SELECT log_order, first_seq, next_seq, event_count FROM panels WHERE id = ?"));
    query.addBindValue(panelId);
    if (!query.exec() || !query.next())
        return abandon(query);
    std::optional<LogOrder> known;
    if (!query.value(0).isNull())
        known = LogOrder(query.value(0).toInt());
    qint64 firstSeq = query.value(1).toLongLong();
    qint64 nextSeq = query.value(2).toLongLong();
    const qint64 stored = query.value(3).toLongLong();

    // Only the newest records can overlap what the panel still holds.
    std::vector<Record> tail;
    if (stored > 0 && !read.empty()) {
        query.prepare(QStringLiteral("SELECT record FROM events WHERE panel_id = ? AND seq >= ? ORDER BY seq"));
        query.addBindValue(panelId);
        query.addBindValue(std::max(firstSeq, nextSeq - kMergeTailRecords));
        if (!query.exec())
            return abandon(query);
        tail.reserve(std::size_t(std::min<qint64>(stored, kMergeTailRecords)));
        while (query.next()) {
            const QByteArray bytes = query.value(0).toByteArray();
            Record record = 0;
            if (bytes.size() == kRecordSize)
                std::memcpy(&record, bytes.constData(), kRecordSize);
            tail.push_back(record);
        }
    }
    const bool tailIsWhole = qint64(tail.size()) == stored;
    const MergePlan plan = planMerge(tail, tailIsWhole, read, complete, known);

    // Rows in chunks: one INSERT per chunk keeps a server round trip per chunk, not per record.
    // The server takes them all in one statement instead: the records as one byte string that it
    // cuts itself, rather than three values a row that the driver spells out as text and the
    // server parses back.
    const auto insert = [&](const std::vector<Record>& rows, qint64 seq) {
        if (!isSqlite()) {
            QSqlQuery insertQuery(db);
            insertQuery.prepare(
                QStringLiteral("INSERT INTO events (panel_id, seq, record) SELECT CAST(? AS BIGINT), CAST(? AS BIGINT) "
                               "+ n, substring(CAST(? AS BYTEA) FROM n * %1 + 1 FOR %1) FROM generate_series(0, "
                               "CAST(? AS INTEGER) - 1) AS n")
                    .arg(kRecordSize));
            insertQuery.addBindValue(panelId);
            insertQuery.addBindValue(seq);
            insertQuery.addBindValue(bytesFromRecords(rows));
            insertQuery.addBindValue(int(rows.size()));
            if (!insertQuery.exec()) {
                failQuery(insertQuery);
                return false;
            }
            return true;
        }
        std::size_t done = 0;
        QSqlQuery insertQuery(db);
        int prepared = -1;
        while (done < rows.size()) {
            const int n = int(std::min<std::size_t>(kInsertChunk, rows.size() - done));
            if (n != prepared) {
                QStringList values(n, QStringLiteral("(?, ?, ?)"));
                insertQuery.prepare(QStringLiteral("INSERT INTO events (panel_id, seq, record) VALUES ") +
                                    values.join(QStringLiteral(", ")));
                prepared = n;
            }
            for (int i = 0; i < n; ++i) {
                const Record record = rows[done + std::size_t(i)];
                insertQuery.addBindValue(panelId);
                insertQuery.addBindValue(seq++);
                insertQuery.addBindValue(
                    QByteArray(reinterpret_cast<const char*>(&record), kRecordSize)); // NOLINT: raw record bytes
            }
            if (!insertQuery.exec()) {
                failQuery(insertQuery);
                return false;
            }
            done += std::size_t(n);
        }
        return true;
    };
    if (!plan.prepend.empty()) {
        firstSeq -= qint64(plan.prepend.size());
        if (!insert(plan.prepend, firstSeq)) {
            rollback();
            return -1;
        }
    }
    if (!plan.append.empty()) {
        if (!insert(plan.append, nextSeq)) {
            rollback();
            return -1;
        }
        nextSeq += qint64(plan.append.size());
    }
    const qint64 added = qint64(plan.prepend.size() + plan.append.size());
    query.prepare(QStringLiteral(
        "UPDATE panels SET log_order = ?, first_seq = ?, next_seq = ?, event_count = "
        "event_count + ?, last_contact = CASE WHEN last_contact > ? THEN last_contact ELSE ? END WHERE id = ?"));
    query.addBindValue(read.empty() && !known ? QVariant() : QVariant(int(read.empty() ? *known : plan.order)));
    query.addBindValue(firstSeq);
    query.addBindValue(nextSeq);
    query.addBindValue(added);
    query.addBindValue(msecs(when));
    query.addBindValue(msecs(when));
    query.addBindValue(panelId);
    if (!query.exec())
        return abandon(query);
    query.prepare(QStringLiteral("INSERT INTO log_reads (panel_id, read_at, record_count, added, complete, operator, "
                                 "host) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(panelId);
    query.addBindValue(msecs(when));
    query.addBindValue(qint64(read.size()));
    query.addBindValue(added);
    query.addBindValue(complete ? 1 : 0);
    query.addBindValue(origin.operatorName);
    query.addBindValue(origin.host);
    if (!query.exec())
        return abandon(query);
    return commit() ? added : -1;
}

QByteArray Archive::history(quint32 serial)
{
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT log_order, event_count FROM panels WHERE serial = ?"));
    query.addBindValue(qint64(serial));
    if (!query.exec()) {
        failQuery(query);
        return {};
    }
    if (!query.next())
        return {};
    const bool newestFirst = LogOrder(query.value(0).toInt()) == LogOrder::NewestFirst;
    std::vector<Record> records;
    records.reserve(std::size_t(query.value(1).toLongLong()));
    if (isSqlite()) {
        query.prepare(QStringLiteral("SELECT e.record FROM events e JOIN panels p ON p.id = e.panel_id WHERE "
                                     "p.serial = ? ORDER BY e.seq"));
    } else {
        // A row at a time costs the server round trips a hundred thousand events do not need:
        // the server joins the records into one value.
        query.prepare(QStringLiteral("SELECT string_agg(e.record, ''::bytea ORDER BY e.seq) FROM events e JOIN "
                                     "panels p ON p.id = e.panel_id WHERE p.serial = ?"));
    }
    query.addBindValue(qint64(serial));
    if (!query.exec()) {
        failQuery(query);
        return {};
    }
    while (query.next()) {
        const QByteArray bytes = query.value(0).toByteArray();
        for (qsizetype at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
            Record record = 0;
            std::memcpy(&record, bytes.constData() + at, kRecordSize);
            records.push_back(record);
        }
    }
    // Oldest first in the archive; a panel that lists its newest record first gets it first here too.
    if (newestFirst)
        std::reverse(records.begin(), records.end());
    return bytesFromRecords(records);
}

qint64 Archive::historySize(quint32 serial)
{
    const std::optional<PanelInfo> info = panel(serial);
    return info ? info->eventCount : 0;
}

QList<LogRead> Archive::logReads(quint32 serial)
{
    QList<LogRead> list;
    QSqlQuery query(QSqlDatabase::database(_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT r.read_at, r.record_count, r.added, r.complete FROM log_reads r JOIN panels "
                                 "p ON p.id = r.panel_id WHERE p.serial = ? ORDER BY r.id"));
    query.addBindValue(qint64(serial));
    if (!query.exec()) {
        failQuery(query);
        return list;
    }
    while (query.next())
        list.append({fromMsecs(query.value(0)), query.value(1).toLongLong(), query.value(2).toLongLong(),
                     query.value(3).toInt() != 0});
    return list;
}

} // namespace olma::archive
