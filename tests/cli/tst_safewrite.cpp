// The safe write against the virtual panel, as olma-cli runs it with an archive: what goes on
// the wire, what the panel ends up holding, what is kept and said, and the way back.

#include "archive/archive.h"
#include "cli/archivecommands.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "config/tail.h"
#include "config/tails.h"
#include "flows/safewrite.h"
#include "link/frame.h"
#include "link/iprotocolcallback.h"
#include "testmain.h"
#include "virtualpanelfixture.h"

#include <QTemporaryDir>

namespace {

using olma::link::kCmdReadConfig;
using olma::link::kCmdRestart;
using olma::link::kCmdWriteConfig;

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

// A 16-loop configuration with loop 3 of the given type.
QByteArray configurationImage(int loopType)
{
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), 2);
    configuration.newConfiguration(2);
    configuration.tails()->tail(2)->setTailType(loopType);
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

void saveConfiguration(const QString& name, const QByteArray& bytes)
{
    std::vector<unsigned char> image(bytes.begin(), bytes.end());
    olma::config::Configuration configuration(image.data(), 2);
    configuration.resetDescriptions();
    QVERIFY(configuration.saveToFile(name));
}

// One request as "command group.index".
QString requestText(const QByteArray& frame)
{
    return QStringLiteral("%1 %2.%3")
        .arg(int(quint8(frame[olma::link::kCommandByte])))
        .arg(int(quint8(frame[olma::link::kGroupByte])))
        .arg(int(quint8(frame[olma::link::kIndexByte])));
}

// The configuration requests the panel received (the poll and identify before them left out).
QStringList configTraffic(const olma::vpanel::VirtualPanel& panel)
{
    QStringList traffic;
    for (const QByteArray& frame : panel.requests()) {
        const int command = quint8(frame[olma::link::kCommandByte]);
        if (command == kCmdReadConfig || command == kCmdWriteConfig || command == kCmdRestart)
            traffic << (command == kCmdRestart ? QStringLiteral("restart") : requestText(frame));
    }
    return traffic;
}

QStringList blockRequests(int command, const std::vector<BlockRecord>& blocks)
{
    QStringList list;
    for (const BlockRecord& block : blocks)
        list << QStringLiteral("%1 %2.%3").arg(command).arg(block.group).arg(block.index);
    return list;
}

// Stops a transfer once it is half done.
class CancelHalfway : public IProtocolCallback
{
public:
    bool progress(unsigned done, unsigned total, bool) override { return done * 2 < total; }
};

} // namespace

class TestSafeWrite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Backup files go to a test folder, not the user's.
        QStandardPaths::setTestModeEnabled(true);
    }

    void init()
    {
        QVERIFY(_dir.isValid());
        _url = QStringLiteral("sqlite://") + _dir.filePath(QStringLiteral("archive-%1.sqlite").arg(++_run));
    }

    void wireTraffic_data()
    {
        QTest::addColumn<int>("panelLoop");
        QTest::addColumn<int>("fileLoop");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("blocksWritten");
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<bool>("readBack");

        QTest::newRow("one field") << 0 << 4 << QStringList{} << "Конфигурация записана в прибор и проверена" << 1
                                   << true << true;
        QTest::newRow("unchanged") << 4 << 4 << QStringList{} << "Конфигурация прибора уже совпадает с записываемой"
                                   << 0 << true << false;
        QTest::newRow("all blocks") << 0 << 4 << QStringList{"--all-blocks"}
                                    << "Конфигурация записана в прибор и проверена" << 372 << true << true;
        QTest::newRow("plain") << 0 << 4 << QStringList{"--plain"} << "Запись конфигурации в прибор завершена" << 372
                               << false << false;
    }
    void wireTraffic()
    {
        QFETCH(int, panelLoop);
        QFETCH(int, fileLoop);
        QFETCH(QStringList, options);
        QFETCH(QString, said);
        QFETCH(int, blocksWritten);
        QFETCH(bool, readFirst);
        QFETCH(bool, readBack);

        VirtualPanelFixture vp;
        QVERIFY(vp.isRunning());
        const QByteArray before = configurationImage(panelLoop);
        const QByteArray after = configurationImage(fileLoop);
        vp.panel().setImage(before);
        const QString file = _dir.filePath(QStringLiteral("new.bin"));
        saveConfiguration(file, after);

        const Run run = cli(
            QStringList{"write-config", "--port", vp.portName(), "--model", "16", file, "--archive", _url} + options);
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(said), qPrintable(run.out));
        QCOMPARE(vp.panel().image(), after);

        const std::vector<BlockRecord> table = olma::config::blockTable();
        const std::vector<BlockRecord> changed = olma::app::changedBlocks(
            std::vector<unsigned char>(before.begin(), before.end()),
            std::vector<unsigned char>(after.begin(), after.end()), table, blocksWritten == 372);
        QCOMPARE(int(changed.size()), blocksWritten);
        QStringList expected;
        if (readFirst)
            expected << blockRequests(kCmdReadConfig, table);
        expected << blockRequests(kCmdWriteConfig, changed);
        if (readBack)
            expected << blockRequests(kCmdReadConfig, changed);
        if (blocksWritten > 0)
            expected << QStringLiteral("restart");
        QTRY_COMPARE(configTraffic(vp.panel()), expected);

        // The backup and the written configuration are in the archive (the plain write archives
        // what it wrote, as before).
        olma::archive::Archive archive;
        QVERIFY(archive.open(_url));
        const auto snapshots = archive.snapshots(olma::vpanel::VirtualPanel::kDefaultSerialNumber);
        QVERIFY(!snapshots.isEmpty());
        if (readFirst) {
            QCOMPARE(snapshots.last().kind, olma::archive::SnapshotKind::BackupBeforeWrite);
            QCOMPARE(archive.snapshot(snapshots.last().id)->image, before);
            QVERIFY(run.out.contains(QStringLiteral("Резервная копия: %1").arg(snapshots.last().id)));
        }
        if (blocksWritten > 0) {
            QCOMPARE(snapshots.first().kind, olma::archive::SnapshotKind::WrittenToPanel);
            QCOMPARE(archive.snapshot(snapshots.first().id)->image, after);
        }
    }

    // A panel that keeps a block wrongly: the fields are named, nothing restarts, the attempt is
    // recorded unconfirmed, and the backup named brings the old configuration back.
    void verificationFailureAndRestore()
    {
        VirtualPanelFixture vp;
        QVERIFY(vp.isRunning());
        const QByteArray before = configurationImage(0);
        const QByteArray after = configurationImage(4);
        vp.panel().setImage(before);
        const QString file = _dir.filePath(QStringLiteral("new.bin"));
        saveConfiguration(file, after);
        const BlockRecord tails = olma::config::blockTable()[257];
        QCOMPARE(tails.group, olma::config::kTailsGroup);
        QVERIFY(vp.panel().addFault(
            QStringLiteral("corrupt:group=%1,index=%2,byte=%3").arg(tails.group).arg(tails.index).arg(4)));

        const Run run = cli({"write-config", "--port", vp.portName(), "--model", "16", file, "--archive", _url});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Проверка записи не пройдена")), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("ШС ")), qPrintable(run.err));
        QVERIFY(!run.out.contains(QStringLiteral("проверена")));
        QVERIFY(!configTraffic(vp.panel()).contains(QStringLiteral("restart")));
        QCOMPARE(vp.panel().restartCount(), 0);

        olma::archive::Archive archive;
        QVERIFY(archive.open(_url));
        const auto snapshots = archive.snapshots(olma::vpanel::VirtualPanel::kDefaultSerialNumber);
        QCOMPARE(snapshots.size(), 2);
        QCOMPARE(snapshots[0].kind, olma::archive::SnapshotKind::WriteNotConfirmed);
        QCOMPARE(snapshots[1].kind, olma::archive::SnapshotKind::BackupBeforeWrite);
        const QString backup = QString::number(snapshots[1].id);
        QVERIFY2(run.err.contains(QStringLiteral("olma-cli restore --port %1 %2").arg(vp.portName(), backup)),
                 qPrintable(run.err));

        vp.panel().clearFaults();
        const Run restored = cli({"restore", "--port", vp.portName(), backup, "--archive", _url});
        QVERIFY2(restored.status == 0, qPrintable(restored.err));
        QVERIFY(restored.out.contains(QStringLiteral("Резервная копия записана в прибор и проверена")));
        QCOMPARE(vp.panel().image(), before);
        // The panel takes requests in order: once the restore's restart is in, any restart sent
        // after the failed check would be too. There is one.
        QTRY_COMPARE(configTraffic(vp.panel()).constLast(), QStringLiteral("restart"));
        QCOMPARE(configTraffic(vp.panel()).count(QStringLiteral("restart")), 1);
    }

    // A write stopped half-way leaves a mix; the backup written back leaves the panel's image
    // byte for byte as it was, by snapshot id and from a backup file alike.
    void cancelledThenRestored_data()
    {
        QTest::addColumn<bool>("archived");
        QTest::newRow("archive") << true;
        QTest::newRow("backup file") << false;
    }
    void cancelledThenRestored()
    {
        QFETCH(bool, archived);
        VirtualPanelFixture vp;
        QVERIFY(vp.isRunning());
        QByteArray before = configurationImage(0);
        for (int i = 100; i < 4000; i += 7)
            before[i] = char(i);
        const QByteArray after = configurationImage(4);
        vp.panel().setImage(before);
        const QString file = _dir.filePath(QStringLiteral("new.bin"));
        saveConfiguration(file, after);

        // The line drops in the middle of the write.
        vp.panel().fallSilentFrom(3 + 372 + 100);
        const QStringList archive = archived ? QStringList{"--archive", _url} : QStringList{"--no-archive"};
        const Run run = cli(QStringList{"write-config", "--port", vp.portName(), "--model", "16", file} + archive);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Запись конфигурации прервана")), qPrintable(run.err));
        QVERIFY(vp.panel().image() != before);
        const QString prefix = QStringLiteral("Резервная копия: ");
        QVERIFY(run.out.startsWith(prefix));
        const QString backup = run.out.mid(prefix.size()).trimmed();
        if (!archived)
            QCOMPARE(QFile(backup).size(), qint64(olma::config::kImageSize));

        // Stopped by the user half-way through, from the window's flow.
        vp.panel().clearFaults();
        auto engine = vp.engine();
        std::vector<unsigned char> panelImage;
        QVERIFY(olma::app::readPanelImage(*engine, panelImage, nullptr));
        CancelHalfway cancel;
        const olma::app::SafeWriteResult cancelled = olma::app::writeChanged(
            *engine, panelImage, std::vector<unsigned char>(after.begin(), after.end()), true, &cancel);
        QCOMPARE(cancelled.outcome, olma::app::SafeWriteResult::Outcome::WriteFailed);
        QVERIFY(cancelled.cancelled);
        QVERIFY(vp.panel().image() != before);
        QCOMPARE(vp.panel().restartCount(), 0);

        const Run restored = cli(QStringList{"restore", "--port", vp.portName(), backup} + archive);
        QVERIFY2(restored.status == 0, qPrintable(restored.err));
        QCOMPARE(vp.panel().image(), before);
        QTRY_COMPARE(configTraffic(vp.panel()).constLast(), QStringLiteral("restart"));
        QCOMPARE(configTraffic(vp.panel()).count(QStringLiteral("restart")), 1);
    }

    void compareWithPanel()
    {
        VirtualPanelFixture vp;
        QVERIFY(vp.isRunning());
        vp.panel().setImage(configurationImage(0));
        const QString same = _dir.filePath(QStringLiteral("same.bin"));
        const QString other = _dir.filePath(QStringLiteral("other.bin"));
        saveConfiguration(same, configurationImage(0));
        saveConfiguration(other, configurationImage(4));

        Run run = cli({"compare", "--port", vp.portName(), same, "--no-archive"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Конфигурации совпадают\n"));
        run = cli({"compare", "--port", vp.portName(), other, "--no-archive"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith(QStringLiteral("ШС 3: ")), qPrintable(run.out));
        // Read without being kept or written: only reads went out.
        for (const QString& request : configTraffic(vp.panel()))
            QVERIFY(request.startsWith(QString::number(kCmdReadConfig) + QLatin1Char(' ')));
        QCOMPARE(vp.panel().image(), configurationImage(0));
    }

private:
    QTemporaryDir _dir;
    QString _url;
    int _run = 0;
};

OLMA_TEST_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
