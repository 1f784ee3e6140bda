// olma-cli against an in-process virtual panel: what it prints, the files it writes, its
// exit status.

#include "testmain.h"
#include "virtualpanelfixture.h"

#include "cli/cli.h"
#include "config/imagemap.h"

#include <QTemporaryDir>
#include <QTextStream>

namespace {

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
    run.status = olma::cli::run(args, out, err);
    out.flush();
    err.flush();
    return run;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"bogus"};
        QTest::newRow("port missing") << QStringList{"identify"};
        QTest::newRow("out missing") << QStringList{"read-config", "--port", "/dev/x"};
        QTest::newRow("stray argument") << QStringList{"state", "--port=/dev/x", "extra"};
        QTest::newRow("flag with a value") << QStringList{"ports", "--usb=1"};
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Run run = cli(args);
        QCOMPARE(run.status, olma::cli::kExitUsage);
        QVERIFY(run.err.contains(QLatin1String("Usage: olma-cli")));
        QVERIFY(run.out.isEmpty());
    }

    void talksToThePanel()
    {
        VirtualPanelFixture vp;
        vp.panel().setModelCode(0x08);
        vp.panel().setFirmwareVersion(12);
        vp.panel().setSerialNumber(12345);
        QByteArray image(olma::config::kImageSize, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i % 253);
        vp.panel().setImage(image);
        QTemporaryDir dir;

        Run run = cli({"identify", "--port", vp.portName()});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("Model: Ольма-8Ех (code 0x08)")));
        QVERIFY(run.out.contains(QLatin1String("Firmware version: 12\n")));
        QVERIFY(run.out.contains(QLatin1String("Serial number: 12345\n")));

        const QString stateFile = dir.filePath(QStringLiteral("state.bin"));
        run = cli({"state", "--port=" + vp.portName(), "--out", stateFile});
        QCOMPARE(run.status, 0);
        QFile state(stateFile);
        QVERIFY(state.open(QIODevice::ReadOnly));
        const QByteArray record = state.readAll();
        QCOMPARE(record.size(), 84);
        // The clock the panel now holds is the one the tool sent, and it is shown decoded.
        QCOMPARE(record.mid(4, 6), vp.panel().receivedClock());
        QVERIFY(run.out.contains(QLatin1String("State record:\n0000  ")));

        const QString imageFile = dir.filePath(QStringLiteral("conf.bin"));
        run = cli({"read-config", "--port", vp.portName(), "--out", imageFile});
        QCOMPARE(run.status, 0);
        QFile conf(imageFile);
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QCOMPARE(conf.readAll(), image);
    }

    void failures()
    {
        VirtualPanelFixture vp;
        QTemporaryDir dir;
        Run run = cli({"identify", "--port", QStringLiteral("/dev/no-such-port")});
        QCOMPARE(run.status, olma::cli::kExitFailed);
        QVERIFY(run.err.contains(QLatin1String("cannot open /dev/no-such-port")));

        // An image that cannot be saved is a failure, though the panel answered.
        run = cli({"read-config", "--port", vp.portName(), "--out", dir.filePath("missing/conf.bin")});
        QCOMPARE(run.status, olma::cli::kExitFailed);
        QVERIFY(run.err.contains(QLatin1String("cannot write")));

        vp.panel().replyWithError(6);
        run = cli({"state", "--port", vp.portName()});
        QCOMPARE(run.status, olma::cli::kExitFailed);
        QVERIFY(run.err.contains(QStringLiteral("Доступ к прибору запрещен (6)")));
        QVERIFY(run.out.isEmpty());
    }
};

OLMA_TEST_MAIN(TestCli)
#include "tst_cli.moc"
