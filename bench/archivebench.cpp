// The archive on both backends (an SQLite file, a PostgreSQL server started for the run):
// archiving a configuration, merging a full log read into a 100 000-event history, opening that
// history in the log viewer, listing 1000 panels with 20 snapshots each. Prints the figures.

#include "app/pages.h"
#include "archive/archive.h"
#include "archive/widgets/archivepanelsdialog.h"
#include "logview/logevents.h"
#include "logview/logview.h"
#include "logview/logviewwidget.h"
#include "postgresserver.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using olma::archive::Archive;

namespace {

constexpr int kImageSize = 10098;
constexpr int kRing = 4095;
constexpr int kHistory = 100000;
constexpr int kPanels = 1000;
constexpr int kSnapshotsPerPanel = 20;
constexpr quint32 kLogPanel = 65000;

struct Figures
{
    double min = 0;
    double median = 0;
    double max = 0;
};

template <typename F> Figures measure(int runs, F&& run)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run(i);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2], ms.back()};
}

void print(const char* backend, const char* what, const Figures& f, const char* target)
{
    std::printf("%-10s %-52s min %8.1f ms   median %8.1f ms   max %8.1f ms   (target %s)\n", backend, what, f.min,
                f.median, f.max, target);
    std::fflush(stdout);
}

char bcd(int v)
{
    return char((v / 10) << 4 | (v % 10));
}

// Event number n of a long panel life, one a minute; a tenth repeat the one before.
QByteArray eventRecord(int n)
{
    if (n % 10 == 5)
        --n;
    static const QDateTime start(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime t = start.addSecs(qint64(n) * 60);
    const char r[8] = {
        bcd(t.date().year() % 100), bcd(t.date().month()), bcd(t.date().day()), char(0x40 | bcd(t.time().hour())),
        bcd(t.time().minute()),     char(n % 251),         char(n / 251 % 256), char(1 + n % 24)};
    return QByteArray(r, 8);
}

// What a read of the panel gives once `newest` events happened: the last ones, newest first.
QByteArray panelRead(int newest, int count)
{
    QByteArray bytes;
    bytes.reserve(count * 8);
    for (int n = newest - 1; n >= std::max(0, newest - count); --n)
        bytes += eventRecord(n);
    return bytes;
}

QByteArray image(int variant)
{
    QByteArray bytes(kImageSize, '\0');
    for (int i = 0; i < kImageSize; ++i)
        bytes[i] = char((i * 31 + variant * 17) % 251);
    return bytes;
}

bool fail(const char* backend, const QString& what)
{
    std::fprintf(stderr, "%s: %s\n", backend, qPrintable(what));
    return false;
}

// 1000 panels with 20 snapshots each, written straight into the tables in one transaction (the
// archive's own path would take minutes of one-row transactions for the set-up alone).
bool fillPanels(const QString& url, const char* backend)
{
    const olma::archive::ArchiveLocation location = olma::archive::parseArchiveUrl(url);
    const bool sqlite = location.kind == olma::archive::ArchiveLocation::Kind::Sqlite;
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), "fill");
        if (sqlite) {
            db.setDatabaseName(location.path);
        } else {
            db.setHostName(location.host);
            db.setPort(location.port);
            db.setUserName(location.user);
            db.setDatabaseName(location.database);
        }
        ok = db.open() && db.transaction();
        {
            QSqlQuery panel(db);
            QSqlQuery snapshot(db);
            ok = ok &&
                 panel.prepare(
                     QStringLiteral("INSERT INTO panels (serial, device_type, firmware, first_contact, "
                                    "last_contact, name, site, notes, snapshot_count) VALUES (?, 2, 3, ?, ?, ?, "
                                    "?, '', ?)")) &&
                 snapshot.prepare(
                     QStringLiteral("INSERT INTO snapshots (panel_id, taken_at, kind, path, operator, host, "
                                    "device_type, sha256, image, descriptions) SELECT id, ?, 1, '', 'eng', "
                                    "'pc', 2, ?, ?, '' FROM panels WHERE serial = ?"));
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            for (int p = 1; ok && p <= kPanels; ++p) {
                panel.addBindValue(p);
                panel.addBindValue(now);
                panel.addBindValue(now);
                panel.addBindValue(QStringLiteral("Объект %1").arg(p));
                panel.addBindValue(QStringLiteral("ул. Лесная, %1").arg(p));
                panel.addBindValue(kSnapshotsPerPanel);
                ok = panel.exec();
                for (int s = 0; ok && s < kSnapshotsPerPanel; ++s) {
                    const QByteArray bytes = image(p * kSnapshotsPerPanel + s);
                    snapshot.addBindValue(now + s);
                    snapshot.addBindValue(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
                    snapshot.addBindValue(bytes);
                    snapshot.addBindValue(p);
                    ok = snapshot.exec();
                }
            }
            if (!ok)
                fail(backend, panel.lastError().text() + snapshot.lastError().text() + db.lastError().text());
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

bool runBackend(const char* backend, const QString& logUrl, const QString& panelsUrl)
{
    Archive archive;
    if (!archive.open(logUrl))
        return fail(backend, archive.lastError());

    // A configuration archived as a read would: each one differs from the last, so each is stored.
    print(backend, "archive a configuration (new snapshot)",
          measure(50,
                  [&](int i) {
                      archive.touchPanel(1, 2, 3);
                      archive.addSnapshot(1, 2, image(i), "<configuration/>",
                                          olma::archive::SnapshotKind::ReadFromPanel);
                  }),
          "20 ms");
    print(backend, "archive a configuration (same as the last)",
          measure(50,
                  [&](int) {
                      archive.touchPanel(1, 2, 3);
                      archive.addSnapshot(1, 2, image(49), "<configuration/>",
                                          olma::archive::SnapshotKind::ReadFromPanel);
                  }),
          "20 ms");

    // A history of 100 000 events, read after read as the panel's ring turned.
    int happened = 0;
    while (happened < kHistory) {
        happened += 3500;
        if (archive.mergeLog(kLogPanel, panelRead(happened, kRing), true) < 0)
            return fail(backend, archive.lastError());
    }
    std::printf("%-10s history of %lld events\n", backend, static_cast<long long>(archive.historySize(kLogPanel)));
    print(backend, "merge a 4095-event read (1000 new) into it",
          measure(5,
                  [&](int) {
                      happened += 1000;
                      if (archive.mergeLog(kLogPanel, panelRead(happened, kRing), true) != 1000)
                          fail(backend, QStringLiteral("merge added the wrong count: ") + archive.lastError());
                  }),
          "200 ms");

    QByteArray history;
    print(backend, "load the history", measure(5, [&](int) { history = archive.history(kLogPanel); }), "-");
    {
        // The events decoded into a store no viewer shows: what the viewer adds is the rest.
        olma::logview::LogView bare;
        print(backend, "decode the history (no viewer)",
              measure(3, [&](int) { bare.setLogContent(std::vector<unsigned char>(history.begin(), history.end())); }),
              "-");
    }
    {
        olma::logview::LogView log;
        QWidget* page = log.logEvents()->createWidget(nullptr);
        page->resize(1366, 768);
        page->show();
        QApplication::processEvents();
        // As "Журнал событий" in the panel list opens it: the history read and put into the
        // viewer the log page shows.
        olma::archive::ArchiveWindowHooks hooks;
        hooks.showHistory = [&](const olma::archive::PanelInfo&, const QByteArray& bytes) {
            log.setLogContent(std::vector<unsigned char>(bytes.begin(), bytes.end()));
        };
        olma::archive::ArchivePanelsDialog list(archive, hooks);
        if (!list.selectPanel(kLogPanel))
            return fail(backend, QStringLiteral("the panel list lacks the panel"));
        print(backend, "open the history in the log viewer",
              measure(3,
                      [&](int) {
                          list.showHistory();
                          QApplication::processEvents(); // the rebuilt page's first paint
                      }),
              "300 ms");
        if (log.logEvents()->events().size() != std::size_t(archive.historySize(kLogPanel)))
            return fail(backend, QStringLiteral("the viewer lacks events"));
        delete page;
    }
    archive.close();

    QElapsedTimer fillTimer;
    fillTimer.start();
    if (!archive.open(panelsUrl))
        return fail(backend, archive.lastError());
    if (!fillPanels(panelsUrl, backend))
        return false;
    std::printf("%-10s filled %d panels x %d snapshots in %.1f s\n", backend, kPanels, kSnapshotsPerPanel,
                double(fillTimer.elapsed()) / 1000.0);
    int listed = 0;
    print(backend, "list 1000 panels with 20 snapshots each",
          measure(10, [&](int) { listed = int(archive.panels().size()); }), "100 ms");
    if (listed != kPanels)
        return fail(backend, QStringLiteral("listed %1 panels").arg(listed));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The viewer is the log page the window shows.
    olma::gui::registerPages();
    QTemporaryDir dir;
    bool ok = runBackend("sqlite", QStringLiteral("sqlite://") + dir.filePath(QStringLiteral("log.sqlite")),
                         QStringLiteral("sqlite://") + dir.filePath(QStringLiteral("panels.sqlite")));

    PostgresServer server;
    QString error;
    if (!server.start(&error))
        return fail("postgresql", error) ? 0 : 1;
    const QString logUrl = server.createDatabase(&error);
    const QString panelsUrl = server.createDatabase(&error);
    if (logUrl.isEmpty() || panelsUrl.isEmpty())
        return fail("postgresql", error) ? 0 : 1;
    ok = runBackend("postgresql", logUrl, panelsUrl) && ok;
    return ok ? 0 : 1;
}
