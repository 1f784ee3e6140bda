// The archive store on both backends: panels, snapshots, log merges, the schema, the files.

#include "archive/archive.h"
#include "archive/archiveurl.h"
#include "archivebackends.h"
#include "testmain.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace olma::archive;

namespace {

// A log record for a letter: 14 March 2026, a block event at 9 o'clock, the letter's minute and
// event code. Letters later in the alphabet happened later; the same letter is the same record.
QByteArray record(QChar letter)
{
    const int n = letter.unicode() - 'a';
    QByteArray r = QByteArray::fromHex("2603144900010000");
    r[4] = char((n / 10) << 4 | (n % 10));
    r[7] = char(n + 1);
    return r;
}

QByteArray records(const QString& letters)
{
    QByteArray bytes;
    for (const QChar c : letters)
        bytes += record(c);
    return bytes;
}

QString letters(const QByteArray& bytes)
{
    QString s;
    for (qsizetype at = 0; at + 8 <= bytes.size(); at += 8)
        s += QChar(char(bytes[at + 7] - 1 + 'a'));
    return s;
}

QByteArray image(char fill)
{
    return QByteArray(10098, fill);
}

// Runs statements on the archive behind the program's back, as another program would.
bool execRaw(const QString& url, const QStringList& statements)
{
    const QString connection = QStringLiteral("raw");
    bool ok = true;
    {
        const ArchiveLocation location = parseArchiveUrl(url);
        QSqlDatabase db = QSqlDatabase::addDatabase(
            location.kind == ArchiveLocation::Kind::Sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"),
            connection);
        if (location.kind == ArchiveLocation::Kind::Sqlite) {
            db.setDatabaseName(location.path);
        } else {
            db.setHostName(location.host);
            db.setPort(location.port);
            db.setUserName(location.user);
            db.setDatabaseName(location.database);
        }
        ok = db.open();
        QSqlQuery query(db);
        for (const QString& statement : statements)
            ok = ok && query.exec(statement);
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(_backends.start(&error), qPrintable(error));
    }

    void urls_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("shown");

        QTest::newRow("sqlite file") << "sqlite:///home/eng/a b/archive.sqlite" << true
                                     << "sqlite:///home/eng/a b/archive.sqlite";
        QTest::newRow("sqlite relative") << "sqlite://archive.sqlite" << false << "";
        QTest::newRow("postgres") << "postgresql://eng@db.example:5433/olma" << true
                                  << "postgresql://eng@db.example:5433/olma";
        QTest::newRow("postgres default port") << "postgresql://eng@db/olma" << true << "postgresql://eng@db:5432/olma";
        QTest::newRow("socket folder") << "postgresql://eng@%2Frun%2Fpostgresql/olma" << true
                                       << "postgresql://eng@/run/postgresql:5432/olma";
        QTest::newRow("password dropped")
            << "postgresql://eng:secret@db/olma" << true << "postgresql://eng@db:5432/olma";
        QTest::newRow("stricter tls") << "postgresql://eng@db/olma?sslmode=verify-full" << true
                                      << "postgresql://eng@db:5432/olma";
        QTest::newRow("tls off refused") << "postgresql://eng@db/olma?sslmode=disable" << false << "";
        QTest::newRow("no database") << "postgresql://eng@db" << false << "";
        QTest::newRow("bad port") << "postgresql://eng@db:99999/olma" << false << "";
        QTest::newRow("other scheme") << "mysql://eng@db/olma" << false << "";
    }

    void urls()
    {
        QFETCH(QString, url);
        QFETCH(bool, valid);
        QFETCH(QString, shown);
        const ArchiveLocation location = parseArchiveUrl(url);
        QCOMPARE(location.isValid(), valid);
        if (!valid)
            return;
        QCOMPARE(location.display(), shown);
        QVERIFY(!location.display().contains(QLatin1String("secret")));
        if (url.contains(QLatin1String("verify-full")))
            QCOMPARE(location.sslMode, QStringLiteral("verify-full"));
        else if (location.kind == ArchiveLocation::Kind::Postgres)
            QCOMPARE(location.sslMode, QStringLiteral("prefer"));
    }

    void snapshots_data() { backendRows(); }
    void snapshots()
    {
        Archive archive;
        QString url;
        openFresh(archive, &url);
        const QDateTime t0 = QDateTime::fromString(QStringLiteral("2026-03-14T09:00:00Z"), Qt::ISODate);
        const QByteArray xml = "<configuration/>";

        const qint64 a = archive.addSnapshot(1201, 2, image('A'), xml, SnapshotKind::ReadFromPanel, {}, t0);
        QVERIFY2(a > 0, qPrintable(archive.lastError()));
        // The same configuration again: not stored twice, its time recorded.
        QCOMPARE(archive.addSnapshot(1201, 2, image('A'), xml, SnapshotKind::SavedToFile, QStringLiteral("/x/c.bin"),
                                     t0.addSecs(60)),
                 a);
        // Only the descriptions differ: a new snapshot.
        const qint64 b = archive.addSnapshot(1201, 2, image('A'), "<configuration><tail id=\"1\"/></configuration>",
                                             SnapshotKind::Manual, {}, t0.addSecs(120));
        QVERIFY(b > a);
        // Back to the first: identical to an older snapshot but not to the latest, so stored.
        const qint64 c =
            archive.addSnapshot(1201, 2, image('A'), xml, SnapshotKind::WrittenToPanel, {}, t0.addSecs(180));
        QVERIFY(c > b);
        // Another panel's identical configuration is its own.
        QVERIFY(archive.addSnapshot(1202, 2, image('A'), xml, SnapshotKind::ReadFromPanel, {}, t0) > c);

        const QList<Snapshot> list = archive.snapshots(1201);
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].id, c); // newest first
        QCOMPARE(list[0].kind, SnapshotKind::WrittenToPanel);
        QCOMPARE(list[2].id, a);
        QCOMPARE(list[2].seenAgain, 1);
        QCOMPARE(list[2].time, t0);
        QCOMPARE(list[2].sha256, QCryptographicHash::hash(image('A'), QCryptographicHash::Sha256));
        QVERIFY(list[2].image.isEmpty()); // the list leaves the contents out

        // Contents survive closing and opening again; nothing is migrated twice.
        archive.close();
        QVERIFY2(archive.open(url), qPrintable(archive.lastError()));
        const std::optional<Snapshot> got = archive.snapshot(b);
        QVERIFY(got);
        QCOMPARE(got->image, image('A'));
        QCOMPARE(got->descriptions, QByteArray("<configuration><tail id=\"1\"/></configuration>"));
        QCOMPARE(got->serial, 1201u);
        QCOMPARE(got->deviceType, 2);
        QVERIFY(!archive.snapshot(9999));
        QVERIFY(archive.lastError().contains(QLatin1String("9999")));
    }

    void panels_data() { backendRows(); }
    void panels()
    {
        Archive archive;
        openFresh(archive);
        const QDateTime t0 = QDateTime::fromString(QStringLiteral("2026-03-14T09:00:00Z"), Qt::ISODate);
        QVERIFY(archive.touchPanel(30001, 1, 3, t0));
        QVERIFY(archive.touchPanel(30001, 1, 4, t0.addDays(1)));
        QVERIFY(archive.touchPanel(17, 0, 1, t0));
        QVERIFY(archive.setPanelDetails(30001, QStringLiteral("Склад №2"), QStringLiteral("ул. Заводская, 5"),
                                        QStringLiteral("ключ у охраны")));
        QVERIFY(!archive.setPanelDetails(555, QStringLiteral("x"), {}, {}));
        QVERIFY(archive.addSnapshot(30001, 1, image('B'), {}, SnapshotKind::ReadFromPanel, {}, t0) > 0);
        QVERIFY(archive.mergeLog(30001, records(QStringLiteral("cba")), true, t0) == 3);

        const QList<PanelInfo> list = archive.panels();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].serial, 17u);
        const PanelInfo& p = list[1];
        QCOMPARE(p.serial, 30001u);
        QCOMPARE(p.deviceType, 1);
        QCOMPARE(p.firmwareVersion, 4);
        QCOMPARE(p.firstContact, t0);
        QCOMPARE(p.lastContact, t0.addDays(1));
        QCOMPARE(p.name, QStringLiteral("Склад №2"));
        QCOMPARE(p.site, QStringLiteral("ул. Заводская, 5"));
        QCOMPARE(p.notes, QStringLiteral("ключ у охраны"));
        QCOMPARE(p.snapshotCount, 1);
        QCOMPARE(p.eventCount, 3);
    }

    // Reads, each "letters[/partial]" in the order the panel gave them; the history afterwards in
    // the order a read of the panel gives.
    void merge_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QStringList>("reads");
        QTest::addColumn<QString>("history");
        struct Case
        {
            const char* name;
            QStringList reads;
            const char* history;
        };
        const Case cases[] = {
            {"growth at the start, repeats, roll-over", {"cbaa", "eecbaa", "feecb", "gffeecb"}, "gffeecbaa"},
            {"growth at the end, repeats, roll-over", {"aabc", "aabcee", "bceef", "bceefffg"}, "aabceefffg"},
            {"repeated run inside the history", {"babab", "cbabab"}, "cbabab"},
            {"nothing new", {"cba", "cba"}, "cba"},
            {"partial read without overlap adds nothing", {"dcba", "hg/partial"}, "dcba"},
            {"partial read then a full one", {"dc/partial", "fedcba"}, "fedcba"},
            {"partial read of the oldest, then a full one", {"ab/partial", "abcde"}, "abcde"},
            {"complete read after a gap", {"cba", "zyx"}, "zyxcba"},
        };
        for (const QString& backend : ArchiveBackends::names()) {
            for (const Case& c : cases)
                QTest::addRow("%s: %s", qPrintable(backend), c.name)
                    << backend << c.reads << QString::fromUtf8(c.history);
        }
    }

    void merge()
    {
        QFETCH(QStringList, reads);
        QFETCH(QString, history);
        Archive archive;
        openFresh(archive);
        constexpr quint32 kSerial = 4242;
        qint64 added = 0;
        for (const QString& read : reads) {
            const QStringList parts = read.split(QLatin1Char('/'));
            const qint64 n = archive.mergeLog(kSerial, records(parts[0]), parts.size() == 1);
            QVERIFY2(n >= 0, qPrintable(archive.lastError()));
            added += n;
        }
        QCOMPARE(letters(archive.history(kSerial)), history);
        QCOMPARE(added, history.size());
        QCOMPARE(archive.historySize(kSerial), history.size());
        const QList<LogRead> logged = archive.logReads(kSerial);
        QCOMPARE(logged.size(), reads.size());
        for (qsizetype i = 0; i < reads.size(); ++i)
            QCOMPARE(logged[i].complete, !reads[i].contains(QLatin1Char('/')));
    }

    void schemaVersions_data() { backendRows(); }
    void schemaVersions()
    {
        Archive archive;
        QString url;
        openFresh(archive, &url);
        archive.close();
        // A program stopped after numbering a new archive and before building it: the schema is
        // still to be made, however current its number table looks.
        QVERIFY(execRaw(url, {QStringLiteral("DROP TABLE log_reads"), QStringLiteral("DROP TABLE events"),
                              QStringLiteral("DROP TABLE snapshot_seen"), QStringLiteral("DROP TABLE snapshots"),
                              QStringLiteral("DROP TABLE panels"),
                              QStringLiteral("UPDATE schema_version SET version = 0")}));
        QVERIFY2(archive.open(url), qPrintable(archive.lastError()));
        QCOMPARE(archive.schemaVersion(), Archive::kSchemaVersion);
        QVERIFY2(archive.touchPanel(5, 2, 1), qPrintable(archive.lastError()));
        archive.close();

        // A later program's archive.
        QVERIFY(execRaw(url, {QStringLiteral("UPDATE schema_version SET version = 99"),
                              QStringLiteral("CREATE TABLE later_table (x INTEGER)")}));
        QVERIFY(!archive.open(url));
        QVERIFY(!archive.isOpen());
        QVERIFY2(archive.lastError().contains(QStringLiteral("более новой версией")), qPrintable(archive.lastError()));
        QVERIFY(archive.lastError().contains(QLatin1String("99")));
        // Left as it was: still version 99, the panel still there.
        Archive again;
        QVERIFY(!again.open(url));
    }

    void sqliteFileModes()
    {
        const QString path = _backends.folder() + QStringLiteral("/private/nested/archive.sqlite");
        Archive archive;
        QVERIFY2(archive.open(QStringLiteral("sqlite://") + path), qPrintable(archive.lastError()));
        QVERIFY(archive.touchPanel(1, 0, 1));
        const QFile::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QCOMPARE(QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), owner);
        QCOMPARE(QFileInfo(_backends.folder() + QStringLiteral("/private/nested")).permissions() &
                     ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
                 owner | QFileDevice::ExeOwner);
    }

private:
    void backendRows()
    {
        QTest::addColumn<QString>("backend");
        for (const QString& name : ArchiveBackends::names())
            QTest::newRow(qPrintable(name)) << name;
    }

    // Opens a new archive on the row's backend.
    void openFresh(Archive& archive, QString* url = nullptr)
    {
        QFETCH(QString, backend);
        QString error;
        const QString fresh = _backends.freshUrl(backend, &error);
        QVERIFY2(!fresh.isEmpty(), qPrintable(error));
        QVERIFY2(archive.open(fresh), qPrintable(archive.lastError()));
        QCOMPARE(archive.schemaVersion(), Archive::kSchemaVersion);
        if (url)
            *url = fresh;
    }

    ArchiveBackends _backends;
};

OLMA_TEST_MAIN(TestArchive)
#include "tst_archive.moc"
