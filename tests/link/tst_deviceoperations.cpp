// Every panel operation against the virtual panel on a pseudo-terminal, through the real
// serial port layer: the request bytes, what is taken from the replies, errors and time-outs.

#include "fakeserialport.h"
#include "testmain.h"
#include "virtualpanelfixture.h"

#include "common/devicetype.h"
#include "config/imagemap.h"

#include <QSerialPort>

#include <vector>

using Report = ProgressLog::Report;
using olma::vpanel::RequestMatch;

namespace {

// A pattern in which every byte value occurs, control characters included.
QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 256 + seed);
    return bytes;
}

QByteArray bytesOf(const std::vector<unsigned char>& v)
{
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

// Log records numbered 1.. in their first byte.
QByteArray logRecords(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += QByteArray(1, char(i)) + QByteArray(7, char(0xA0 + i % 16));
    return bytes;
}

} // namespace

class TestDeviceOperations : public QObject
{
    Q_OBJECT

private slots:
    void identify_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("deviceType");
        QTest::newRow("4 loops") << 0x04 << 0;
        QTest::newRow("8 loops") << 0x08 << 1;
        QTest::newRow("16 loops") << 0x10 << 2;
        QTest::newRow("unknown code counts as 4 loops") << 0x05 << 0;
    }

    void identify()
    {
        QFETCH(int, modelCode);
        QFETCH(int, deviceType);
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        vp.panel().setModelCode(static_cast<unsigned char>(modelCode));
        vp.panel().setFirmwareVersion(12);
        vp.panel().setSerialNumber(12345);
        auto engine = vp.engine();
        quint32 answer = 0;
        QVERIFY(engine->getId(&answer, nullptr));
        QCOMPARE(answer, quint32(modelCode) | 12u << 8 | 12345u << 16);
        QCOMPARE(olma::deviceTypeFromModelCode(answer & 0xFF), deviceType);
        QCOMPARE(vp.panel().requests(), QList<QByteArray>{frame({0})});
    }

    void stateCarriesTheClockAndAssemblesTheRecord()
    {
        VirtualPanelFixture vp;
        const QByteArray record = pattern(84, 1);
        vp.panel().setStateRecord(record);
        auto engine = vp.engine();
        engine->setClock([] { return QDateTime(QDate(2026, 1, 3), QTime(9, 5, 7)); });
        std::vector<unsigned char> out(84, 0xEE);
        ProgressLog log;
        QVERIFY(engine->getStatus(out.data(), &log));

        QCOMPARE(vp.panel().requests(),
                 (QList<QByteArray>{frame({1, 0, 0, 6, 0x07, 0x05, 0x09, 0x03, 0x01, 0x26}), frame({1, 0, 1, 0})}));
        // Bytes 0..39 from the first reply, 40..83 from the second; the panel took the clock.
        QByteArray expected = record;
        expected.replace(4, 6, QByteArray("\x07\x05\x09\x03\x01\x26", 6));
        QCOMPARE(bytesOf(out), expected);
        QCOMPARE(log.reports.first(), (Report{0, 100, false}));
        QCOMPARE(log.reports.last(), (Report{128, 128, true}));
    }

    void configurationRoundTripsAllBlocks()
    {
        VirtualPanelFixture vp;
        const std::vector<BlockRecord> blocks = olma::config::blockTable();
        QCOMPARE(blocks.size(), size_t(372));
        const QByteArray panelImage = pattern(olma::config::kImageSize, 3);
        vp.panel().setImage(panelImage);
        auto engine = vp.engine();

        std::vector<unsigned char> image(olma::config::kImageSize, 0);
        ProgressLog log;
        QVERIFY(engine->readConfig(image.data(), blocks, &log));
        QCOMPARE(bytesOf(image), panelImage);
        QCOMPARE(log.reports.last(), (Report{372 * 64, 372 * 64, true}));
        QList<QByteArray> requests = vp.panel().requests();
        QCOMPARE(requests.size(), 372);
        for (size_t i = 0; i < blocks.size(); ++i)
            QCOMPARE(requests[int(i)], frame({3, blocks[i].group, blocks[i].index & 0xFF, 0}));

        vp.panel().clearRequests();
        const QByteArray written = pattern(olma::config::kImageSize, 99);
        std::copy(written.begin(), written.end(), image.begin());
        QVERIFY(engine->writeConfig(image.data(), blocks, nullptr));
        QCOMPARE(vp.panel().image(), written);
        requests = vp.panel().requests();
        QCOMPARE(requests.size(), 372);
        for (size_t i = 0; i < blocks.size(); ++i) {
            const BlockRecord& b = blocks[i];
            QCOMPARE(requests[int(i)],
                     frame({4, b.group, b.index, b.size}).replace(4, b.size, written.mid(b.offset, b.size)));
        }
    }

    void logOrderAndEnd_data()
    {
        QTest::addColumn<int>("records"); // in the panel's log
        QTest::addColumn<uint>("first");
        QTest::addColumn<uint>("count");
        QTest::addColumn<QList<int>>("blocks");  // requested, in order
        QTest::addColumn<QList<int>>("numbers"); // records handed over, by their number
        QTest::newRow("7 then 3") << 10 << 0u << 0xFFFFFFFFu << QList<int>{0, 1}
                                  << QList<int>{7, 6, 5, 4, 3, 2, 1, 10, 9, 8};
        QTest::newRow("56 then 48: ends")
            << 13 << 0u << 0xFFFFFFFFu << QList<int>{0, 1} << QList<int>{7, 6, 5, 4, 3, 2, 1, 13, 12, 11, 10, 9, 8};
        QTest::newRow("count limits") << 30 << 1u << 2u << QList<int>{1, 2}
                                      << QList<int>{14, 13, 12, 11, 10, 9, 8, 21, 20, 19, 18, 17, 16, 15};
        QTest::newRow("empty log") << 0 << 0u << 0xFFFFFFFFu << QList<int>{0} << QList<int>{};
        QTest::newRow("from block 584") << 4095 << 584u << 0xFFFFFFFFu << QList<int>{584}
                                        << QList<int>{4095, 4094, 4093, 4092, 4091, 4090, 4089};
        QTest::newRow("from block 585") << 4095 << 585u << 0xFFFFFFFFu << QList<int>{} << QList<int>{};
    }

    void logOrderAndEnd()
    {
        QFETCH(int, records);
        QFETCH(uint, first);
        QFETCH(uint, count);
        QFETCH(QList<int>, blocks);
        QFETCH(QList<int>, numbers);
        VirtualPanelFixture vp;
        QByteArray log = logRecords(records);
        // Record numbers above 255 are told apart by their second byte.
        for (int i = 0; i < records; ++i)
            log[i * 8 + 1] = char((i + 1) >> 8);
        vp.panel().setLogRecords(log);
        auto engine = vp.engine();
        ProgressLog callback;
        QVERIFY(engine->readLog(&callback, first, count));

        QList<int> requested;
        for (const QByteArray& request : vp.panel().requests()) {
            QCOMPARE(request.left(1), QByteArray(1, 2));
            QCOMPARE(request.mid(3), QByteArray(61, '\0'));
            requested << (uchar(request[1]) << 8 | uchar(request[2]));
        }
        QCOMPARE(requested, blocks);
        QList<int> got;
        for (const auto& [block, record] : callback.records) {
            const int number = uchar(record[0]) | uchar(record[1]) << 8;
            QCOMPARE(int(block), (number - 1) / 7);
            got << number;
        }
        QCOMPARE(got, numbers);
        QCOMPARE(callback.reports.last(), (Report{100, 100, true}));
    }

    void logLengthByteBeyondAFrame()
    {
        // 64 record bytes cannot lie in a reply: at most 7 records, and the log ends there.
        VirtualPanelFixture vp;
        vp.panel().setLogRecords(logRecords(20));
        vp.panel().patchReply(3, 64, RequestMatch{2, -1});
        auto engine = vp.engine();
        ProgressLog callback;
        QVERIFY(engine->readLog(&callback, 0, 0xFFFFFFFF));
        QCOMPARE(callback.records.size(), 7);
        QCOMPARE(vp.panel().requestCount(), 1);
    }

    void firmwareIsSentInChunksThenRestarts()
    {
        VirtualPanelFixture vp;
        const QByteArray data = pattern(130, 5);
        auto engine = vp.engine();
        ProgressLog log;
        QVERIFY(engine->writeFirmware(reinterpret_cast<const unsigned char*>(data.constData()), 130, &log));
        // The restart is not answered: the panel takes it after the operation has returned.
        QTRY_COMPARE(vp.panel().restartCount(), 1);
        const QList<QByteArray> requests = vp.panel().requests();
        QCOMPARE(requests.size(), 4);
        QCOMPARE(requests[0], QByteArray(1, 5) + data.mid(0, 63));
        QCOMPARE(requests[1], QByteArray(1, 5) + data.mid(64, 63));
        QCOMPARE(requests[2], frame({6}));
        QCOMPARE(requests[3], frame({7}));
        QCOMPARE(vp.panel().firmware(), data.mid(0, 63) + data.mid(64, 63));
        QCOMPARE(vp.panel().firmwareEndCount(), 1);
        QCOMPARE(log.reports.last(), (Report{192, 192, true}));
    }

    void restart()
    {
        VirtualPanelFixture vp;
        auto engine = vp.engine();
        QVERIFY(engine->restart());
        QTRY_COMPARE(vp.panel().restartCount(), 1);
        QCOMPARE(vp.panel().requests(), QList<QByteArray>{frame({7})});

        // After an identify that went unanswered the restart reports that failure.
        vp.panel().fallSilentFrom(2);
        quint32 id = 0;
        QVERIFY(!engine->getId(&id, nullptr));
        QVERIFY(!engine->restart());
        QCOMPARE(engine->errorCode(), 13);
    }

    void errorReplies_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("payloadTaken");
        QTest::newRow("6: access denied stops the handler") << 6 << false;
        QTest::newRow("3: bad block, payload still taken") << 3 << true;
        QTest::newRow("255: busy, payload still taken") << 255 << true;
        QTest::newRow("7: outside the table") << 7 << false;
    }

    void errorReplies()
    {
        QFETCH(int, code);
        QFETCH(bool, payloadTaken);
        VirtualPanelFixture vp;
        vp.panel().setImage(pattern(olma::config::kImageSize, 1));
        vp.panel().replyWithError(code, RequestMatch{-1, 3});
        const std::vector<BlockRecord> blocks = olma::config::blockTable();
        std::vector<unsigned char> image(olma::config::kImageSize, 0xEE);
        auto engine = vp.engine();
        QVERIFY(!engine->readConfig(image.data(), blocks, nullptr));
        QCOMPARE(engine->errorCode(), code);
        QCOMPARE(ProtocolImpl::errorText(code).isEmpty(), code == 7);
        // Nothing more is asked after the error reply.
        QCOMPARE(vp.panel().requestCount(), 3);
        const QByteArray got = bytesOf(image);
        QCOMPARE(got.left(58), vp.panel().image().left(58));
        // Block 3 (user 0) holds the error reply's payload, or is left as it was.
        const QByteArray user0 = got.mid(58, 16);
        QCOMPARE(user0, payloadTaken ? QByteArray(1, char(code)) + QByteArray(15, '\0') : QByteArray(16, char(0xEE)));
        QCOMPARE(got.mid(74, 16), QByteArray(16, char(0xEE)));
    }

    void silenceTimesOut()
    {
        VirtualPanelFixture vp;
        vp.panel().setImage(pattern(olma::config::kImageSize, 2));
        vp.panel().fallSilentFrom(3);
        std::vector<unsigned char> image(olma::config::kImageSize, 0);
        auto engine = vp.engine();
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(!engine->readConfig(image.data(), olma::config::blockTable(), nullptr));
        QVERIFY(elapsed.elapsed() >= 1000);
        QCOMPARE(engine->errorCode(), 13);
        QCOMPARE(ProtocolImpl::errorText(13), QStringLiteral("Ошибка последовательного порта"));
        QCOMPARE(vp.panel().requestCount(), 3);
        // What came before the silence stays.
        QCOMPARE(bytesOf(image).left(58), vp.panel().image().left(58));
        QCOMPARE(image[58], 0);
    }

    void repliesInPieces()
    {
        VirtualPanelFixture vp;
        vp.panel().setImage(pattern(olma::config::kImageSize, 4));
        QVERIFY(vp.panel().addFault(QStringLiteral("split:pieces=4,gap=15")));
        std::vector<BlockRecord> blocks = olma::config::blockTable();
        blocks.resize(3);
        std::vector<unsigned char> image(olma::config::kImageSize, 0);
        auto engine = vp.engine();
        ProgressLog log;
        QVERIFY(engine->readConfig(image.data(), blocks, &log));
        QCOMPARE(bytesOf(image).left(74), vp.panel().image().left(74));
        QVERIFY(log.reports.contains(Report{16, 192, false}));
        QVERIFY(log.reports.contains(Report{160, 192, false}));

        // The time-out runs from the request, not from the last piece.
        vp.panel().splitReplies(2, 1100);
        quint32 id = 0;
        QVERIFY(!engine->getId(&id, nullptr));
        QCOMPARE(engine->errorCode(), 13);
    }

    void busyRefusalAndCancel()
    {
        VirtualPanelFixture vp;
        auto engine = vp.engine();
        ProgressLog log;
        quint32 id = 0;
        bool refused = true;
        log.onProgress = [&] { refused = refused && !engine->getId(&id, nullptr) && !engine->restart(); };
        std::vector<unsigned char> image(olma::config::kImageSize);
        QVERIFY(engine->getStatus(image.data(), &log));
        QVERIFY(refused);
        QCOMPARE(vp.panel().requestCount(), 2);
        QCOMPARE(vp.panel().restartCount(), 0);

        // The callback cancels at its first report after the start: done, not failed, port closed.
        vp.panel().clearRequests();
        ProgressLog cancelling;
        cancelling.cancelAt = 2;
        QVERIFY(engine->readConfig(image.data(), olma::config::blockTable(), &cancelling));
        QCOMPARE(engine->errorCode(), 0);
        QCOMPARE(vp.panel().requestCount(), 1);
        QVERIFY(engine->getId(&id, nullptr));
    }

    void portThatCannotBeOpened()
    {
        VirtualPanelFixture vp;
        vp.panel().fallSilentFrom(1);
        auto engine = vp.engine();
        quint32 id = 0;
        QVERIFY(!engine->getId(&id, nullptr));
        QCOMPARE(engine->errorCode(), 13);

        // Another program holds the port.
        QSerialPort holder;
        holder.setPortName(vp.portName());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QVERIFY(!engine->getId(&id, nullptr));
        QCOMPARE(engine->errorCode(), 13);
        QVERIFY(!engine->openErrorString().isEmpty());
        holder.close();

        ProtocolImpl missing(QStringLiteral("/dev/no-such-port"), nullptr, false, {});
        QVERIFY(!missing.getId(&id, nullptr));
        QCOMPARE(missing.errorCode(), 0);
    }
};

OLMA_TEST_MAIN(TestDeviceOperations)
#include "tst_deviceoperations.moc"
