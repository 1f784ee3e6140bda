// Two olma-cli processes archive the same panel's log and configuration at the same moment:
// the archive ends as one of them alone would leave it, and neither says a word about it.

#include "archive/archive.h"
#include "archivebackends.h"
#include "testmain.h"

#include <QProcess>

#include <memory>

namespace {

constexpr quint32 kSerial = 2718;

QByteArray logRecords(int count = 4095)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const int n = i % 5 == 2 ? i - 1 : i; // identical neighbours
        const char record[8] = {0x26,         0x05,        0x01, char(0x40 | (n / 60 % 24)),
                                char(n % 60), char(n % 7), 0,    char(1 + n % 9)};
        bytes.append(record, 8);
    }
    return bytes;
}

bool writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

constexpr int kWorkerRounds = 10;
constexpr int kRing = 4095;
constexpr int kNewPerRound = 300;

// A worker process: opens the archive, says "ready", waits for "go" on its input, then archives
// kWorkerRounds reads of a panel whose log grows by kNewPerRound events between reads, and its
// configuration with each, as fast as it can. Exit status 0 when every call succeeded; the first
// error on stderr otherwise.
int worker(const QString& url, const QString& logFile, const QString& imageFile)
{
    olma::archive::Archive archive;
    QTextStream err(stderr);
    if (!archive.open(url)) {
        err << archive.lastError() << Qt::endl;
        return 1;
    }
    const QByteArray log = readFile(logFile);
    const QByteArray image = readFile(imageFile);
    QTextStream out(stdout);
    out << "ready" << Qt::endl;
    QTextStream in(stdin);
    if (in.readLine() != QLatin1String("go"))
        return 1;
    for (int i = 0; i < kWorkerRounds; ++i) {
        const QByteArray read = log.mid(qsizetype(i) * kNewPerRound * 8, kRing * 8);
        if (archive.mergeLog(kSerial, read, true) < 0 ||
            archive.addSnapshot(kSerial, 2, image, {}, olma::archive::SnapshotKind::ReadFromPanel) == 0) {
            err << archive.lastError() << Qt::endl;
            return 1;
        }
    }
    return 0;
}

} // namespace

class TestArchiveConcurrency : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(_backends.start(&error), qPrintable(error));
    }

    void twoProcessesOnePanel_data()
    {
        QTest::addColumn<QString>("backend");
        for (const QString& name : ArchiveBackends::names())
            QTest::newRow(qPrintable(name)) << name;
    }

    void twoProcessesOnePanel()
    {
        QFETCH(QString, backend);
        QString error;
        const QString url = _backends.freshUrl(backend, &error);
        QVERIFY2(!url.isEmpty(), qPrintable(error));
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("log.bin")), logRecords()));
        QByteArray image(10098, '\0');
        for (qsizetype i = 0; i < image.size(); ++i)
            image[i] = char(i * 7 % 251);
        QVERIFY(writeFile(dir.filePath(QStringLiteral("image.bin")), image));

        // The same panel twice (two adapters on one panel, as far as the archive can tell).
        std::unique_ptr<QProcess> panels[2];
        QString ports[2];
        for (int i = 0; i < 2; ++i) {
            panels[i] = std::make_unique<QProcess>();
            panels[i]->start(QStringLiteral(OLMA_TEST_BIN_DIR "/olma-virtual-panel"),
                             {QStringLiteral("--serial"), QString::number(kSerial), QStringLiteral("--log"),
                              dir.filePath(QStringLiteral("log.bin")), QStringLiteral("--image"),
                              dir.filePath(QStringLiteral("image.bin"))});
            QVERIFY(panels[i]->waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(panels[i]->canReadLine(), 60000);
            ports[i] = QString::fromLocal8Bit(panels[i]->readLine()).trimmed();
        }

        // Each process reads the log, then the configuration; both at once.
        const QString script = QStringLiteral("\"$0\" read-log --port \"$1\" --out \"$2.log\" --archive \"$3\" && "
                                              "\"$0\" read-config --port \"$1\" --out \"$2.bin\" --archive \"$3\"");
        std::unique_ptr<QProcess> tools[2];
        for (int i = 0; i < 2; ++i) {
            tools[i] = std::make_unique<QProcess>();
            tools[i]->start(QStringLiteral("/bin/sh"),
                            {QStringLiteral("-c"), script, QStringLiteral(OLMA_TEST_BIN_DIR "/olma-cli"), ports[i],
                             dir.filePath(QStringLiteral("out%1").arg(i)), url});
        }
        for (auto& tool : tools) {
            QVERIFY(tool->waitForFinished(120000));
            const QString err = QString::fromUtf8(tool->readAllStandardError());
            QCOMPARE(tool->exitCode(), 0);
            QCOMPARE(err, QString());
        }
        for (auto& panel : panels) {
            panel->terminate();
            QVERIFY(panel->waitForFinished());
        }

        olma::archive::Archive archive;
        QVERIFY2(archive.open(url), qPrintable(archive.lastError()));
        const QByteArray read = readFile(dir.filePath(QStringLiteral("out0.log")));
        QCOMPARE(read.size(), 4095 * 8);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("out1.log"))), read);
        QCOMPARE(archive.history(kSerial), read);
        QCOMPARE(archive.logReads(kSerial).size(), 2);
        const QList<olma::archive::Snapshot> snapshots = archive.snapshots(kSerial);
        QCOMPARE(snapshots.size(), 1);
        QCOMPARE(snapshots[0].seenAgain, 1);
        QCOMPARE(archive.snapshot(snapshots[0].id)->image, image);
        QCOMPARE(archive.panels().size(), 1);
    }

    void twoWorkersAtTheSameMoment_data() { twoProcessesOnePanel_data(); }
    // The merges of the command-line runs above rarely meet: a log read takes far longer than its
    // merge. Here two processes start archiving at one signal and keep at it, while the log grows.
    void twoWorkersAtTheSameMoment()
    {
        QFETCH(QString, backend);
        QString error;
        const QString url = _backends.freshUrl(backend, &error);
        QVERIFY2(!url.isEmpty(), qPrintable(error));
        QTemporaryDir dir;
        // The same panel's reads in both: whatever their interleaving, the history is every event once.
        const QByteArray log = logRecords(kRing + (kWorkerRounds - 1) * kNewPerRound);
        const QByteArray image(10098, '\x5A');
        QVERIFY(writeFile(dir.filePath(QStringLiteral("log.bin")), log));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("image.bin")), image));

        std::unique_ptr<QProcess> workers[2];
        for (auto& w : workers) {
            w = std::make_unique<QProcess>();
            w->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--worker"), url, dir.filePath(QStringLiteral("log.bin")),
                      dir.filePath(QStringLiteral("image.bin"))});
            QVERIFY(w->waitForStarted());
        }
        for (auto& w : workers) {
            QTRY_VERIFY_WITH_TIMEOUT(w->canReadLine() || w->state() == QProcess::NotRunning, 60000);
            QCOMPARE(w->readLine().trimmed(), QByteArray("ready"));
        }
        // Both hear "go" before either is waited for.
        for (auto& w : workers)
            w->write("go\n");
        for (auto& w : workers)
            QVERIFY(w->waitForBytesWritten());
        for (auto& w : workers) {
            QVERIFY(w->waitForFinished(120000));
            QCOMPARE(QString::fromUtf8(w->readAllStandardError()), QString());
            QCOMPARE(w->exitCode(), 0);
        }

        olma::archive::Archive archive;
        QVERIFY2(archive.open(url), qPrintable(archive.lastError()));
        QCOMPARE(archive.history(kSerial), log);
        QCOMPARE(archive.logReads(kSerial).size(), 2 * kWorkerRounds);
        const QList<olma::archive::Snapshot> snapshots = archive.snapshots(kSerial);
        QCOMPARE(snapshots.size(), 1);
        QCOMPARE(snapshots[0].seenAgain, 2 * kWorkerRounds - 1);
    }

    // The first opening of a new SQLite file switches it to WAL, which needs the file to itself; a
    // process that opens the same new file at that moment waits its turn instead of failing with
    // "database is locked" (it did, about once in a hundred openings).
    void newFileOpenedByManyAtOnce()
    {
        QTemporaryDir dir;
        constexpr int kRounds = 60;
        constexpr int kProcesses = 4;
        for (int round = 0; round < kRounds; ++round) {
            const QString url = QStringLiteral("sqlite://") + dir.filePath(QStringLiteral("round%1.sqlite").arg(round));
            std::unique_ptr<QProcess> openers[kProcesses];
            for (auto& p : openers) {
                p = std::make_unique<QProcess>();
                p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open"), url});
            }
            for (auto& p : openers) {
                QVERIFY(p->waitForFinished(60000));
                QCOMPARE(QString::fromUtf8(p->readAllStandardError()), QString());
                QCOMPARE(p->exitCode(), 0);
            }
        }
    }

private:
    ArchiveBackends _backends;
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--open") == 0) {
        QCoreApplication app(argc, argv);
        olma::archive::Archive archive;
        if (archive.open(QString::fromLocal8Bit(argv[2])))
            return 0;
        QTextStream(stderr) << archive.lastError() << Qt::endl;
        return 1;
    }
    if (argc == 5 && qstrcmp(argv[1], "--worker") == 0) {
        QCoreApplication app(argc, argv);
        return worker(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                      QString::fromLocal8Bit(argv[4]));
    }
    OLMA_TEST_APPLICATION(app, argc, argv)
    olma::setDataDir(QStringLiteral(OLMA_TEST_DATA_DIR));
    TestArchiveConcurrency tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_archiveconcurrency.moc"
