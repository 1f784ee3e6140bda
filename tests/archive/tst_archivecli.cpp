// olma-cli and the archive: panel commands archive what they moved, the archive commands list,
// fetch, compare, export and import, and nothing secret is ever printed.

#include "archive/archive.h"
#include "cli/archivecommands.h"
#include "config/cipherpassword.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "config/tail.h"
#include "config/tails.h"
#include "config/user.h"
#include "config/users.h"
#include "link/frame.h"
#include "testmain.h"
#include "virtualpanelfixture.h"

#include <QTemporaryDir>

namespace {

constexpr quint32 kSerial = 3141;

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run cli(const QStringList& args)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = olma::cli::runWithArchive(args, out, err);
    out.flush();
    err.flush();
    return run;
}

QByteArray readAll(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

constexpr int kAccessDenied = 6; // an error reply the reader does not take as data

// A 16-loop configuration file with a user's password and a loop of the given type.
void writeConfiguration(const QString& name, int loopType)
{
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), 2);
    configuration.resetDescriptions();
    configuration.users()->user(3)->setPassword(olma::config::CipherPassword::fromText(QStringLiteral("852963")));
    configuration.tails()->tail(2)->setTailType(loopType);
    QVERIFY(configuration.saveToFile(name));
}

} // namespace

class TestArchiveCli : public QObject
{
    Q_OBJECT

private slots:
    void panelCommandsArchive();
    void archiveTroubleNeverFailsACommand();
    void archiveCommands();

private:
    QTemporaryDir _dir;
};

void TestArchiveCli::panelCommandsArchive()
{
    const QString url = QStringLiteral("sqlite://") + _dir.filePath(QStringLiteral("panel.sqlite"));
    VirtualPanelFixture fixture;
    QVERIFY(fixture.isRunning());
    fixture.panel().setSerialNumber(kSerial);
    fixture.panel().setFirmwareVersion(7);
    QByteArray log;
    for (int i = 0; i < 30; ++i)
        log += QByteArray(7, char(i)) + char(1);
    fixture.panel().setLogRecords(log);
    const QString port = fixture.portName();
    const QString conf = _dir.filePath(QStringLiteral("read.bin"));

    const QStringList runs[] = {
        {"read-config", "--port", port, "--out", conf, "--archive", url},
        {"read-log", "--port", port, "--out", _dir.filePath(QStringLiteral("log.bin")), "--archive=" + url},
        {"write-config", "--port", port, "--model", "16", conf, "--archive", url},
        {"write-config", "--plain", "--port", port, "--model", "16", conf, "--archive", url},
        // Switched off for one run: nothing more.
        {"read-log", "--port", port, "--out", _dir.filePath(QStringLiteral("log2.bin")), "--no-archive"},
    };
    for (const QStringList& args : runs) {
        const Run run = cli(args);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
    }
    // A read refused at its fourth block fails and writes no file, but what arrived (ten new
    // records, then known ones) is merged.
    QByteArray fresh;
    for (int i = 0; i < 10; ++i)
        fresh += QByteArray(7, char(100 + i)) + char(2);
    fixture.panel().addLogEvents(fresh, olma::vpanel::VirtualPanel::LogGrowth::AtStart);
    // Requests are counted from here: the panel is identified first.
    fixture.panel().clearRequests();
    fixture.panel().replyWithError(kAccessDenied, {olma::link::kCmdReadLog, 5});
    const Run run =
        cli({"read-log", "--port", port, "--out", _dir.filePath(QStringLiteral("log3.bin")), "--archive", url});
    QCOMPARE(run.status, 1);
    QVERIFY2(!run.err.contains(QStringLiteral("архив")), qPrintable(run.err));
    fixture.panel().clearFaults();

    olma::archive::Archive archive;
    QVERIFY2(archive.open(url), qPrintable(archive.lastError()));
    const auto panel = archive.panel(kSerial);
    QVERIFY(panel);
    QCOMPARE(panel->firmwareVersion, 7);
    QCOMPARE(panel->deviceType, 2);
    const QList<olma::archive::LogRead> reads = archive.logReads(kSerial);
    QCOMPARE(reads.size(), 2);
    QVERIFY(reads[0].complete != reads[1].complete);
    QCOMPARE(reads[0].complete ? reads[1].added : reads[0].added, 10);
    QCOMPARE(archive.historySize(kSerial), 40);
    // Written back unchanged, safely and plainly: the same configuration, met again rather than
    // stored twice.
    const QList<olma::archive::Snapshot> snapshots = archive.snapshots(kSerial);
    QCOMPARE(snapshots.size(), 1);
    QCOMPARE(snapshots[0].kind, olma::archive::SnapshotKind::ReadFromPanel);
    QCOMPARE(snapshots[0].seenAgain, 2);
    QCOMPARE(archive.snapshot(snapshots[0].id)->image, readAll(conf));
}

void TestArchiveCli::archiveTroubleNeverFailsACommand()
{
    VirtualPanelFixture fixture;
    QVERIFY(fixture.isRunning());
    // A folder where the archive file should be.
    const QString blocked = _dir.filePath(QStringLiteral("blocked"));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral("/archive.sqlite")));
    qputenv("OLMA_ARCHIVE", (QStringLiteral("sqlite://") + blocked + QStringLiteral("/archive.sqlite")).toUtf8());
    const Run run = cli({"read-config", "--port", fixture.portName(), "--out", _dir.filePath(QStringLiteral("x.bin"))});
    qunsetenv("OLMA_ARCHIVE");
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(QLatin1String("written to")));
    QVERIFY2(run.err.startsWith(QStringLiteral("olma-cli read-config: архив: ")), qPrintable(run.err));
    QCOMPARE(readAll(_dir.filePath(QStringLiteral("x.bin"))).size(), olma::config::kImageSize);
}

void TestArchiveCli::archiveCommands()
{
    const QString url = QStringLiteral("sqlite://") + _dir.filePath(QStringLiteral("commands.sqlite"));
    const QString a = _dir.filePath(QStringLiteral("a.bin"));
    const QString b = _dir.filePath(QStringLiteral("b.bin"));
    writeConfiguration(a, 0);
    writeConfiguration(b, 4);

    QCOMPARE(cli({"archive", "import", a, "--serial", "77", "--archive", url}).status, 0);
    QCOMPARE(cli({"archive", "import", b, "--serial", "77", "--model", "16", "--archive", url}).status, 0);
    Run run = cli({"archive", "snapshots", "77", "--archive", url});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count(QStringLiteral("вручную ")), 2);
    run = cli({"archive", "panels", "--archive", url});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(QLatin1String("\n77\t16\t")));

    // diff(1)'s exit status: equal, different, trouble.
    run = cli({"archive", "diff", "1", a, "--archive", url});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("Конфигурации совпадают\n"));
    run = cli({"archive", "diff", "1", "2", "--archive", url});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QStringLiteral("ШС 3: Тип ШС: Охранный → Пожарный\n"));
    QCOMPARE(cli({"archive", "diff", "1", "99", "--archive", url}).status, 2);

    const QString got = _dir.filePath(QStringLiteral("got.bin"));
    QCOMPARE(cli({"archive", "get", "2", "--out", got, "--archive", url}).status, 0);
    QCOMPARE(readAll(got), readAll(b));
    QCOMPARE(readAll(got + QStringLiteral(".xml")), readAll(b + QStringLiteral(".xml")));

    // The history as a log file; an unknown panel is an error.
    olma::archive::Archive archive;
    QVERIFY(archive.open(url));
    QVERIFY(archive.mergeLog(77, QByteArray(80, '\x11'), true) == 10);
    archive.close();
    const QString history = _dir.filePath(QStringLiteral("h.bin"));
    QCOMPARE(cli({"archive", "log", "77", "--out", history, "--archive", url}).status, 0);
    QCOMPARE(readAll(history), QByteArray(80, '\x11'));
    QCOMPARE(cli({"archive", "log", "78", "--out", history, "--archive", url}).status, 1);

    // The user's password is in the archive, never on the screen.
    QString allOutput;
    for (const QStringList& args : {QStringList{"archive", "panels"}, QStringList{"archive", "snapshots", "77"},
                                    QStringList{"archive", "diff", "1", "2"}}) {
        const Run r = cli(args + QStringList{"--archive", url});
        allOutput += r.out + r.err;
    }
    QVERIFY(!allOutput.contains(QLatin1String("852963")));
    QCOMPARE(cli({"archive", "frobnicate", "--archive", url}).status, 2);
}

OLMA_TEST_MAIN(TestArchiveCli)
#include "tst_archivecli.moc"
