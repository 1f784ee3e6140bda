// Panels behind a real serial device server: Debian's ser2net in front of a virtual panel's
// pseudo-terminal, reached over tcp:// and tls://. Every operation must give byte for byte what
// it gives over the pseudo-terminal itself.

#include "config/imagemap.h"
#include "link/errorcodes.h"
#include "link/networkport.h"
#include "testmain.h"
#include "virtualpanelfixture.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <vector>

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 13 + i / 251 + seed);
    return bytes;
}

QByteArray bytesOf(const std::vector<unsigned char>& v)
{
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

struct Records : IProtocolLogCallback
{
    QByteArray log;
    bool progress(unsigned, unsigned, bool) override { return true; }
    void logRecord(unsigned, const unsigned char* record) override
    {
        log += QByteArray(reinterpret_cast<const char*>(record), 8);
    }
};

// Everything one round of operations gave, and what the panel saw of it.
struct Outcome
{
    QStringList failures;
    quint32 id = 0;
    QByteArray state;
    QByteArray config;
    QByteArray imageAfterWrite;
    QByteArray log;
    QByteArray firmware;
    int restarts = 0;
    QList<QByteArray> requests;
};

// A free local TCP port (taken and given back at once).
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// ser2net in front of one pseudo-terminal, on one local port, for the object's lifetime.
class Ser2net
{
public:
    Ser2net(const QString& tty, const QString& accepterPrefix, quint16 port = 0)
    {
        _port = port ? port : freePort();
        const QString config = _dir.filePath(QStringLiteral("ser2net.yaml"));
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral("connection: &panel\n"
                                  "  accepter: %1tcp,127.0.0.1,%2\n"
                                  "  connector: serialdev,%3,115200n81,local\n"
                                  "  options:\n"
                                  "    kickolduser: true\n")
                       .arg(accepterPrefix)
                       .arg(_port)
                       .arg(tty)
                       .toUtf8());
        file.close();
        // In the foreground (-n), without UUCP locks (-u), this configuration only.
        _process.setProcessChannelMode(QProcess::MergedChannels);
        _process.start(QStringLiteral("ser2net"),
                       {QStringLiteral("-n"), QStringLiteral("-u"), QStringLiteral("-c"), config, QStringLiteral("-P"),
                        _dir.filePath(QStringLiteral("ser2net.pid"))});
    }
    ~Ser2net()
    {
        _process.terminate();
        if (!_process.waitForFinished(5000))
            _process.kill();
        _process.waitForFinished(5000);
    }

    // Whether it started and listens.
    bool waitUntilListening()
    {
        if (!_process.waitForStarted(5000))
            return false;
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && _process.state() == QProcess::Running) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, _port);
            if (probe.waitForConnected(200))
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    QString output() { return QString::fromLocal8Bit(_process.readAll()); }
    quint16 port() const { return _port; }

private:
    QTemporaryDir _dir;
    QProcess _process;
    quint16 _port = 0;
};

} // namespace

class TestNetworkLink : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir _dir;
    QString _key;
    QString _cert;

    // The same round over any port: identify, state, read and write the configuration, the log,
    // a firmware upload. The panel starts each round as the same panel.
    Outcome round(VirtualPanelFixture& vp, const QString& port)
    {
        vp.panel().setImage(pattern(olma::config::kImageSize, 1));
        vp.panel().setStateRecord(pattern(olma::link::kStateRecordSize, 2));
        vp.panel().setLogRecords(pattern(200 * 8, 3));
        vp.panel().clearRequests();
        const int restartsBefore = vp.panel().restartCount();

        Outcome out;
        ProtocolImpl engine(port, nullptr, false, olma::link::standardAcceptedCodes());
        engine.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(4, 5, 6)); });
        const auto step = [&](const char* what, bool ok) {
            if (!ok)
                out.failures << QStringLiteral("%1: code %2 %3")
                                    .arg(QLatin1String(what))
                                    .arg(engine.errorCode())
                                    .arg(engine.openErrorString());
        };
        step("identify", engine.getId(&out.id, nullptr));
        std::vector<unsigned char> state(olma::link::kStateRecordSize, 0);
        step("state", engine.getStatus(state.data(), nullptr));
        out.state = bytesOf(state);

        const std::vector<BlockRecord> table = olma::config::blockTable();
        std::vector<unsigned char> image(olma::config::kImageSize, 0);
        step("read-config", engine.readConfig(image.data(), table, nullptr));
        out.config = bytesOf(image);
        const QByteArray next = pattern(olma::config::kImageSize, 4);
        std::vector<unsigned char> written(next.cbegin(), next.cend());
        step("write-config", engine.writeConfig(written.data(), table, nullptr));
        out.imageAfterWrite = vp.panel().image();

        Records records;
        step("read-log", engine.readLog(&records, 0, 0xFFFFFFFFu));
        out.log = records.log;

        const QByteArray firmware = pattern(64 * 40 + 17, 5);
        step("firmware", engine.writeFirmware(reinterpret_cast<const unsigned char*>(firmware.constData()),
                                              unsigned(firmware.size()), nullptr));
        // The restart after the upload is not answered; the panel takes it when it comes.
        QDeadlineTimer restarted(5000);
        while (vp.panel().restartCount() == restartsBefore && !restarted.hasExpired())
            QTest::qWait(10);
        out.firmware = vp.panel().firmware();
        out.restarts = vp.panel().restartCount() - restartsBefore;
        out.requests = vp.panel().requests();
        return out;
    }

    void compareRounds(const Outcome& serial, const Outcome& network)
    {
        QVERIFY2(serial.failures.isEmpty(), qPrintable(serial.failures.join(QLatin1Char('\n'))));
        QVERIFY2(network.failures.isEmpty(), qPrintable(network.failures.join(QLatin1Char('\n'))));
        QCOMPARE(network.id, serial.id);
        QCOMPARE(network.state, serial.state);
        QCOMPARE(network.config, serial.config);
        QCOMPARE(network.config, pattern(olma::config::kImageSize, 1));
        QCOMPARE(network.imageAfterWrite, serial.imageAfterWrite);
        QCOMPARE(network.log, serial.log);
        QCOMPARE(network.log.size(), 200 * 8);
        QCOMPARE(network.firmware, serial.firmware);
        QCOMPARE(network.restarts, 1);
        // The panel saw the same requests, byte for byte.
        QCOMPARE(network.requests, serial.requests);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(_dir.isValid());
        _key = _dir.filePath(QStringLiteral("key.pem"));
        _cert = _dir.filePath(QStringLiteral("cert.pem"));
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", _key, "-out", _cert, "-days", "2",
                       "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
        QVERIFY(openssl.waitForFinished(60000));
        QVERIFY2(openssl.exitCode() == 0, openssl.readAll().constData());
    }

    void cleanup()
    {
        olma::link::NetworkPort::dropConnections();
        olma::link::setTlsTrust({}, false);
    }

    void operationsThroughSer2netOverTcp()
    {
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        const Outcome serial = round(vp, vp.portName());

        Ser2net bridge(vp.portName(), QString());
        QVERIFY2(bridge.waitUntilListening(), qPrintable(bridge.output()));
        const QString address = QStringLiteral("tcp://127.0.0.1:%1").arg(bridge.port());
        compareRounds(serial, round(vp, address));
        // The connection stayed up between the operations; a second round takes it up again.
        compareRounds(serial, round(vp, address));
    }

    void operationsThroughSer2netOverTls()
    {
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        const Outcome serial = round(vp, vp.portName());

        Ser2net bridge(vp.portName(), QStringLiteral("ssl(key=%1,cert=%2),").arg(_key, _cert));
        QVERIFY2(bridge.waitUntilListening(), qPrintable(bridge.output()));
        const QString address = QStringLiteral("tls://127.0.0.1:%1").arg(bridge.port());

        // Trusted through the certificate given, it carries the same bytes.
        olma::link::setTlsTrust(_cert, false);
        compareRounds(serial, round(vp, address));
    }

    void lostConnectionIsMadeAgain()
    {
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        auto bridge = std::make_unique<Ser2net>(vp.portName(), QString());
        QVERIFY2(bridge->waitUntilListening(), qPrintable(bridge->output()));
        const quint16 port = bridge->port();
        const QString address = QStringLiteral("tcp://127.0.0.1:%1").arg(port);
        ProtocolImpl engine(address, nullptr, false, olma::link::standardAcceptedCodes());
        quint32 id = 0;
        QVERIFY(engine.getId(&id, nullptr));

        // The device server goes away between operations: the next one says why it failed...
        bridge.reset();
        QVERIFY(!engine.getId(&id, nullptr));
        QCOMPARE(engine.openErrorString(),
                 QStringLiteral("Нет соединения с 127.0.0.1:%1: Connection refused").arg(port));

        // ...and once it is back, the engine connects again by itself.
        Ser2net again(vp.portName(), QString(), port);
        QVERIFY2(again.waitUntilListening(), qPrintable(again.output()));
        QVERIFY(engine.getId(&id, nullptr));
        QCOMPARE(id, vp.panel().identifyAnswer());
    }
};

OLMA_TEST_MAIN(TestNetworkLink)
#include "tst_networklink.moc"
