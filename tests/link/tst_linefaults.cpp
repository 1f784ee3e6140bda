// Bytes on the line that belong to no request (noise before, between and after replies, a reply
// that runs on, a reply that comes after its time-out) against the virtual panel through the
// real serial port layer: every operation returns the panel's own data or fails with code 13
// and takes nothing, whether or not the panel repeats the request header in its replies.

#include "config/imagemap.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "testmain.h"
#include "virtualpanelfixture.h"

#include <QThread>

#include <vector>

using namespace olma::link;

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 13 + i / 256 + seed);
    return bytes;
}

struct Records : IProtocolLogCallback
{
    QByteArray taken;
    bool progress(unsigned, unsigned, bool) override { return true; }
    void logRecord(unsigned, const unsigned char* record) override
    {
        taken += QByteArray(reinterpret_cast<const char*>(record), kLogRecordSize);
    }
};

// The panel's log as a whole read takes it: block by block, each newest first.
QByteArray logAsRead(const QByteArray& log)
{
    QByteArray out;
    const int perBlock = kLogRecordsPerBlock * kLogRecordSize;
    for (qsizetype at = 0; at < log.size(); at += perBlock) {
        const QByteArray block = log.mid(at, perBlock);
        for (qsizetype r = block.size() / kLogRecordSize - 1; r >= 0; --r)
            out += block.mid(r * kLogRecordSize, kLogRecordSize);
    }
    return out;
}

constexpr int kLogRecords = 40; // 6 blocks, the last one not full

// One operation against the panel. True when it succeeded; then what it returned must be the
// panel's. A failure must be a serial failure that took nothing.
struct Outcome
{
    bool ok = false;
    int code = 0;
    QString wrong; // what was not the panel's
};

Outcome operate(const QString& operation, ProtocolImpl& engine, olma::vpanel::VirtualPanel& panel)
{
    Outcome out;
    if (operation == QLatin1String("read-config")) {
        std::vector<unsigned char> image(olma::config::kImageSize, 0);
        out.ok = engine.readConfig(image.data(), olma::config::blockTable(), nullptr);
        if (out.ok && QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())) != panel.image())
            out.wrong = QStringLiteral("image");
    } else if (operation == QLatin1String("write-config")) {
        const QByteArray ours = pattern(olma::config::kImageSize, 77);
        out.ok = engine.writeConfig(reinterpret_cast<const unsigned char*>(ours.constData()),
                                    olma::config::blockTable(), nullptr);
        if (out.ok && panel.image() != ours)
            out.wrong = QStringLiteral("written image");
    } else if (operation == QLatin1String("read-log")) {
        Records records;
        out.ok = engine.readLog(&records, 0, 0xFFFFFFFFu);
        if (out.ok ? records.taken != logAsRead(panel.logRecords()) : !records.taken.isEmpty())
            out.wrong = QStringLiteral("%1 log bytes").arg(records.taken.size());
    } else if (operation == QLatin1String("state")) {
        std::vector<unsigned char> record(kStateRecordSize, 0);
        out.ok = engine.getStatus(record.data(), nullptr);
        if (out.ok && QByteArray(reinterpret_cast<const char*>(record.data()), kStateRecordSize) != panel.stateRecord())
            out.wrong = QStringLiteral("state record");
    } else {
        quint32 id = 0;
        out.ok = engine.getId(&id, nullptr);
        if (out.ok && id != panel.identifyAnswer())
            out.wrong = QStringLiteral("identify answer");
    }
    out.code = engine.errorCode();
    return out;
}

void preparePanel(olma::vpanel::VirtualPanel& panel, bool echo)
{
    panel.setEcho(echo);
    panel.setImage(pattern(olma::config::kImageSize, 5));
    panel.setStateRecord(pattern(kStateRecordSize, 9));
    panel.setLogRecords(pattern(kLogRecords * kLogRecordSize, 11));
}

} // namespace

class TestLineFaults : public QObject
{
    Q_OBJECT

private slots:
    void strayBytesFailTheOperation_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<bool>("echo");
        QTest::addColumn<bool>("clean"); // nothing wrong on the line: it must succeed

        const QStringList operations = {"read-config", "write-config", "read-log", "state", "identify"};
        // Requests late in each operation; the last one is the read's own last reply.
        const QHash<QString, QList<int>> requests = {{"read-config", {50, 372}},
                                                     {"write-config", {10, 372}},
                                                     {"read-log", {3, 6}},
                                                     {"state", {1, 2}},
                                                     {"identify", {1}}};
        for (const bool echo : {true, false}) {
            const char* const panel = echo ? "repeating" : "silent";
            for (const QString& op : operations) {
                QTest::addRow("%s, %s header, clean", qPrintable(op), panel) << op << QStringList() << echo << true;
                for (const int r : requests[op]) {
                    const QString at = QStringLiteral(",request=%1").arg(r);
                    QTest::addRow("%s, %s header, noise before reply %d", qPrintable(op), panel, r)
                        << op << QStringList{"garbage-before:bytes=5" + at} << echo << false;
                    QTest::addRow("%s, %s header, noise after reply %d", qPrintable(op), panel, r)
                        << op << QStringList{"garbage-after:bytes=5" + at} << echo << false;
                    // The noise comes on its own, after the next request has gone out.
                    QTest::addRow("%s, %s header, noise between replies %d and %d", qPrintable(op), panel, r, r + 1)
                        << op << QStringList{"garbage-after:bytes=3" + at, "cut:at=64,gap=3" + at} << echo << false;
                    QTest::addRow("%s, %s header, reply %d runs on", qPrintable(op), panel, r)
                        << op << QStringList{"long:bytes=64" + at} << echo << false;
                    QTest::addRow("%s, %s header, reply %d runs on after a pause", qPrintable(op), panel, r)
                        << op << QStringList{"long:bytes=1" + at, "cut:at=64,gap=3" + at} << echo << false;
                }
            }
        }
    }

    void strayBytesFailTheOperation()
    {
        QFETCH(QString, operation);
        QFETCH(QStringList, faults);
        QFETCH(bool, echo);
        QFETCH(bool, clean);

        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        preparePanel(vp.panel(), echo);
        for (const QString& fault : faults) {
            QString error;
            QVERIFY2(vp.panel().addFault(fault, &error), qPrintable(error));
        }
        auto engine = vp.engine();
        const Outcome out = operate(operation, *engine, vp.panel());
        QVERIFY2(out.wrong.isEmpty(), qPrintable(out.wrong + QStringLiteral(" is not the panel's")));
        if (clean)
            QVERIFY(out.ok);
        else
            QVERIFY2(!out.ok && out.code == kErrorSerial,
                     qPrintable(QStringLiteral("ok %1, code %2").arg(out.ok).arg(out.code)));
        QVERIFY(!engine->isBusy());

        // The line being quiet again, the next operation is whole.
        vp.panel().clearFaults();
        const Outcome next = operate(operation, *engine, vp.panel());
        QVERIFY(next.ok);
        QVERIFY(next.wrong.isEmpty());
    }

    void lateReplyThenNextOperation_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("echo");
        for (const bool echo : {true, false}) {
            for (const char* op : {"read-config", "read-log", "state", "identify", "write-config"})
                QTest::addRow("%s, %s header", op, echo ? "repeating" : "silent") << QString::fromLatin1(op) << echo;
        }
    }

    void lateReplyThenNextOperation()
    {
        // A state reply that comes 1.1 s after its request: the poll gives up, and the next
        // operation starts while it is still on its way.
        QFETCH(QString, operation);
        QFETCH(bool, echo);
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        preparePanel(vp.panel(), echo);
        QVERIFY(vp.panel().addFault(QStringLiteral("late:ms=1100,request=1")));
        auto engine = vp.engine();
        std::vector<unsigned char> record(kStateRecordSize, 0);
        // As a rule it times out; a computer too busy to look before the reply came takes it.
        if (engine->getStatus(record.data(), nullptr))
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(record.data()), kStateRecordSize),
                     vp.panel().stateRecord());
        else
            QCOMPARE(engine->errorCode(), kErrorSerial);

        const Outcome out = operate(operation, *engine, vp.panel());
        QVERIFY2(out.wrong.isEmpty(), qPrintable(out.wrong + QStringLiteral(" is not the panel's")));
        QVERIFY2(out.ok || out.code == kErrorSerial, qPrintable(QString::number(out.code)));

        const Outcome next = operate(operation, *engine, vp.panel());
        QVERIFY(next.ok);
        QVERIFY(next.wrong.isEmpty());
    }

    void replyTakenUpLateIsInTime()
    {
        // The program is busy (a long repaint, a loaded computer) while the second half of a reply
        // comes in well within the time-out; it looks at the line only after the time-out. The
        // reply was in time and is taken. The panel runs in a thread of its own, as a real one
        // is outside the program.
        QThread thread;
        auto* panel = new olma::vpanel::VirtualPanel;
        preparePanel(*panel, true);
        panel->cutReplies({32}, 20, {kCmdState, -1});
        panel->moveToThread(&thread);
        connect(&thread, &QThread::finished, panel, &QObject::deleteLater);
        thread.start();
        bool started = false;
        QMetaObject::invokeMethod(
            panel, [&] { started = panel->start(); }, Qt::BlockingQueuedConnection);
        QVERIFY(started);

        struct Busy : IProtocolCallback
        {
            bool stalled = false;
            bool progress(unsigned done, unsigned, bool) override
            {
                if (done == 32 && !stalled) {
                    // The stall itself is what is tested: the thread cannot look at the line.
                    stalled = true;
                    QThread::msleep(kReplyTimeoutMs + 200);
                }
                return true;
            }
        } busy;
        ProtocolImpl engine(panel->portName(), nullptr, false, standardAcceptedCodes());
        std::vector<unsigned char> record(kStateRecordSize, 0);
        const bool ok = engine.getStatus(record.data(), &busy);
        const int code = engine.errorCode();
        const QByteArray expected = panel->stateRecord();
        QMetaObject::invokeMethod(
            panel, [panel] { panel->stop(); }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();

        QVERIFY(busy.stalled);
        QVERIFY2(ok, qPrintable(QStringLiteral("failed with %1").arg(code)));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(record.data()), kStateRecordSize), expected);
    }
};

OLMA_TEST_MAIN(TestLineFaults)
#include "tst_linefaults.moc"
