// The engine's own rules where the virtual panel cannot reach: port failures, partial writes,
// odd byte streams, exact progress numbers and no port at all for empty work.

#include "fakeserialport.h"
#include "testmain.h"

#include <vector>

using Report = ProgressLog::Report;

namespace {

// Answers every request with one whole normal reply: a full log block, four payload bytes 1..4.
std::shared_ptr<FakeLine> answeringLine(int pieces = 1)
{
    auto line = std::make_shared<FakeLine>();
    line->respond = [pieces](const QByteArray& request) {
        const QByteArray reply = frame({request.at(0), 0, 0, 56, 1, 2, 3, 4});
        QList<QByteArray> parts;
        for (int k = 0; k < pieces; ++k)
            parts << reply.mid(k * 64 / pieces, 64 / pieces);
        return parts;
    };
    return line;
}

const std::vector<BlockRecord> kTwoBlocks = {{0, 0, 0, 4}, {4, 1, 0, 4}};

} // namespace

class TestProtocolImpl : public QObject
{
    Q_OBJECT

private slots:
    void emptyWorkTouchesNoPort()
    {
        auto line = answeringLine();
        auto engine = fakeEngine(line);
        unsigned char image[8] = {};
        const std::vector<BlockRecord> none;
        const std::function<bool(ProgressLog*)> operations[] = {
            [&](ProgressLog* log) { return engine->readConfig(image, none, log); },
            [&](ProgressLog* log) { return engine->writeConfig(image, none, log); },
            [&](ProgressLog* log) { return engine->writeFirmware(image, 0, log); },
            [&](ProgressLog* log) { return engine->readLog(log, 585, 0xFFFFFFFF); },
            [&](ProgressLog* log) { return engine->readLog(log, 10, 0); },
        };
        for (const auto& operation : operations) {
            ProgressLog log;
            QVERIFY(operation(&log));
            QCOMPARE(log.reports, (QList<Report>{{100, 100, true}}));
        }
        QCOMPARE(line->portsMade, 0);
    }

    void progressCountsReplyBytes()
    {
        // Every reply arrives in two halves; progress follows each of them.
        auto engine = fakeEngine(answeringLine(2));
        unsigned char image[8] = {};
        ProgressLog config;
        QVERIFY(engine->readConfig(image, kTwoBlocks, &config));
        QCOMPARE(
            config.reports,
            (QList<Report>{{0, 100, false}, {32, 128, false}, {64, 128, false}, {96, 128, false}, {128, 128, true}}));

        // The log never reports finished until it has ended, then 100 of 100.
        ProgressLog log;
        QVERIFY(engine->readLog(&log, 3, 2));
        QCOMPARE(log.reports, (QList<Report>{{0, 100, false},
                                             {32, 128, false},
                                             {64, 128, false},
                                             {96, 128, false},
                                             {128, 128, false},
                                             {100, 100, true}}));

        // Identify reports only its start.
        ProgressLog identify;
        quint32 id = 0;
        QVERIFY(engine->getId(&id, &identify));
        QCOMPARE(id, 0x04030201u);
        QCOMPARE(identify.reports, (QList<Report>{{0, 100, false}}));
    }

    void serialFailuresGiveCode13()
    {
        // A write error, a read error, an adapter pulled while the reply is awaited.
        for (int fault = 0; fault < 3; ++fault) {
            auto line = answeringLine();
            line->failWrite = fault == 0;
            line->failRead = fault == 1;
            if (fault == 2) {
                line->respond = nullptr;
                QTimer::singleShot(10, [line] { line->current->breakLine(); });
            }
            auto engine = fakeEngine(line);
            unsigned char image[8] = {};
            QElapsedTimer elapsed;
            elapsed.start();
            QVERIFY(!engine->readConfig(image, kTwoBlocks, nullptr));
            QCOMPARE(engine->errorCode(), 13);
            // Not a time-out: the failure ends the operation at once, with the port closed.
            QVERIFY(elapsed.elapsed() < 1000);
            QCOMPARE(line->events.last(), QStringLiteral("close"));
            QVERIFY(!engine->isBusy());
        }

        // A restart whose write fails reports 13; otherwise it awaits nothing, drains and closes.
        auto line = answeringLine();
        auto engine = fakeEngine(line);
        QVERIFY(engine->restart());
        QCOMPARE(line->events, (QStringList{"open", "write", "drain", "close"}));
        line->failWrite = true;
        QVERIFY(!engine->restart());
        QCOMPARE(engine->errorCode(), 13);
    }

    void oddByteStreams()
    {
        // A port that takes 10 bytes per write still gets whole frames.
        auto line = answeringLine();
        line->writeChunk = 10;
        auto engine = fakeEngine(line);
        quint32 id = 0;
        QVERIFY(engine->getId(&id, nullptr));
        QCOMPARE(line->written, frame({0}));

        // Bytes beyond one reply are the start of the next.
        int requests = 0;
        line->respond = [&](const QByteArray&) {
            const QByteArray second = frame({3, 0, 0, 0, 2, 2});
            return QList<QByteArray>{++requests == 1 ? frame({3, 0, 0, 0, 1, 1, 1, 1}) + second.left(10)
                                                     : second.mid(10)};
        };
        unsigned char image[8] = {};
        QVERIFY(engine->readConfig(image, kTwoBlocks, nullptr));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(image), 8), QByteArray("\1\1\1\1\2\2\0\0", 8));

        // With raw replies an error reply is data like any other.
        line->respond = [](const QByteArray&) { return QList<QByteArray>{frame({0xFF, 0, 0, 0, 6, 1, 2, 3})}; };
        auto raw = fakeEngine(line, {}, true);
        QVERIFY(raw->getId(&id, nullptr));
        QCOMPARE(id, 0x03020106u);
    }

    void nestedLoopIsRefused()
    {
        // Someone else runs the engine's loop: an operation would end it, so it is refused.
        auto engine = fakeEngine(answeringLine());
        quint32 id = 0;
        bool nested = true;
        QTimer::singleShot(0, engine.get(), [&] {
            nested = engine->getId(&id, nullptr);
            engine->exit(0);
        });
        engine->exec();
        QVERIFY(!nested);
        QVERIFY(engine->getId(&id, nullptr));
    }
};

OLMA_TEST_MAIN(TestProtocolImpl)
#include "tst_protocolimpl.moc"
