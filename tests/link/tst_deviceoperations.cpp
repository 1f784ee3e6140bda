// Panel operations against the virtual panel through the real serial port layer (request bytes,
// what is taken from replies, error codes), then the engine's own rules on a fake line, then the
// port list, the factory and the port-selection dialog. Faults on the line: tst_faultcampaign.

#include "common/devicetype.h"
#include "config/imagemap.h"
#include "fakeserialport.h"
#include "link/networkport.h"
#include "link/protocolimplfactory.h"
#include "link/selectdevicedialog.h"
#include "networkfront.h"
#include "testmain.h"
#include "virtualpanelfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
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

QString connection(olma::SelectDeviceDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("_connectionLabel"))->text();
}

} // namespace

using olma::link::PortEntry;

Q_DECLARE_METATYPE(ProtocolImpl*)

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
        QCOMPARE(log.reports.last(), (Report{192, 192, true}));
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

        // Bytes beyond one reply are no start of the next: the replies can no longer be paired
        // with their requests.
        int requests = 0;
        line->respond = [&](const QByteArray&) {
            const QByteArray second = frame({3, 0, 0, 0, 2, 2});
            return QList<QByteArray>{++requests == 1 ? frame({3, 0, 0, 0, 1, 1, 1, 1}) + second.left(10)
                                                     : second.mid(10)};
        };
        unsigned char image[8] = {};
        QVERIFY(!engine->readConfig(image, kTwoBlocks, nullptr));
        QCOMPARE(engine->errorCode(), 13);
        QCOMPARE(requests, 1);

        // With raw replies an error reply is data like any other.
        line->respond = [](const QByteArray&) { return QList<QByteArray>{frame({0xFF, 0, 0, 0, 6, 1, 2, 3})}; };
        auto raw = fakeEngine(line, {}, true);
        QVERIFY(raw->getId(&id, nullptr));
        QCOMPARE(id, 0x03020106u);
    }

    void replyHeaderNamesItsRequest_data()
    {
        // Reply bytes 0..2 to the second of two configuration reads (3, 2, 5 then 3, 2, 6).
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<bool>("ok");
        QTest::newRow("repeats this request") << QByteArray("\3\2\6", 3) << true;
        QTest::newRow("repeats nothing") << QByteArray(3, '\0') << true;
        QTest::newRow("names the request before") << QByteArray("\3\2\5", 3) << false;
    }

    void replyHeaderNamesItsRequest()
    {
        QFETCH(QByteArray, header);
        QFETCH(bool, ok);
        const std::vector<BlockRecord> blocks = {{0, 2, 5, 4}, {4, 2, 6, 4}};
        auto line = std::make_shared<FakeLine>();
        int requests = 0;
        line->respond = [&](const QByteArray& request) {
            QByteArray reply = frame({0, 0, 0, 0, 7, 7, 7, 7});
            reply.replace(0, 3, ++requests == 1 ? request.left(3) : header);
            return QList<QByteArray>{reply};
        };
        auto engine = fakeEngine(line);
        unsigned char image[8] = {};
        QCOMPARE(engine->readConfig(image, blocks, nullptr), ok);
        QCOMPARE(engine->errorCode(), ok ? 0 : 13);

        // A reply that came too late for the operation before names that one's last request.
        line->respond = [&](const QByteArray& request) {
            QByteArray reply = frame({1, 0, 1, 0, 7, 7, 7, 7});
            if (request.at(0) != 1)
                reply.replace(0, 3, header == QByteArray("\3\2\5", 3) ? QByteArray("\1\0\1", 3) : header);
            return QList<QByteArray>{reply};
        };
        unsigned char record[84] = {};
        QVERIFY(engine->getStatus(record, nullptr));
        QCOMPARE(engine->readConfig(image, blocks, nullptr), ok);
        QCOMPARE(engine->errorCode(), ok ? 0 : 13);
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

    void portListAndFactory()
    {
        ProtocolImplFactory factory;
        factory.setPortLister([] {
            return QList<PortEntry>{{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyS0"), false},
                                    {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("USB-Serial Controller"), true}};
        });
        QComboBox box;
        QVERIFY(!factory.create(&factory, &box, false, {}));

        factory.fillPortList(&box, true);
        QCOMPARE(box.count(), 1);
        QCOMPARE(box.itemText(0), QStringLiteral("USB-Serial Controller"));
        QVERIFY(box.itemIcon(0).isNull());
        ProtocolImpl* engine = factory.create(&factory, &box, false, {});
        QVERIFY(engine);
        QCOMPARE(engine->portName(), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(engine->parent(), &factory);

        // Refilling starts from an empty list; built-in ports appear when not only USB is asked for.
        factory.fillPortList(&box, false);
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.itemData(0).toString(), QStringLiteral("/dev/ttyS0"));

        // An item that carries no port name makes no engine.
        box.addItem(QStringLiteral("odd"), 42);
        box.setCurrentIndex(2);
        QVERIFY(!factory.create(&factory, &box, false, {}));
    }

    void dialogProbesAndHandsOutTheEngine()
    {
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        vp.panel().setStateRecord(QByteArray(84, 0x5A));
        const QString port = vp.portName();
        ProtocolImplFactory factory;
        factory.setPortLister([port] {
            return QList<PortEntry>{{QStringLiteral("/dev/ttyS0"), QStringLiteral("ttyS0"), false},
                                    {port, QStringLiteral("Virtual panel"), true}};
        });

        olma::SelectDeviceDialog dialog(&factory);
        QCOMPARE(dialog.devicesCount(), 1);
        QCOMPARE(connection(dialog), QStringLiteral("Устройство подключено"));
        // The probe identified the panel and read its state.
        QCOMPARE(vp.panel().requestCount(), 3);

        QSignalSpy proto(&dialog, &olma::SelectDeviceDialog::protoChanged);
        QByteArray state;
        connect(&dialog, &olma::SelectDeviceDialog::stateChanged, this,
                [&state](const unsigned char* s) { state = QByteArray(reinterpret_cast<const char*>(s), 84); });
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("_okButton")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(proto.size(), 1);
        auto* engine = proto.first().first().value<ProtocolImpl*>();
        QVERIFY(engine);
        QCOMPARE(engine->portName(), port);
        QCOMPARE(state.mid(10), QByteArray(74, 0x5A));
        // The engine now belongs to the receiver, not to the dialog.
        QPointer<ProtocolImpl> handedOut(engine);
        {
            olma::SelectDeviceDialog other(&factory);
        }
        QVERIFY(handedOut);
    }

    void dialogWithoutAnAnsweringPanel()
    {
        QList<PortEntry> ports = {{QStringLiteral("/dev/no-such-port"), QStringLiteral("Gone"), true},
                                  {QStringLiteral("/dev/no-such-port-2"), QStringLiteral("Gone too"), true}};
        ProtocolImplFactory factory;
        factory.setPortLister([&ports] { return ports; });
        olma::SelectDeviceDialog dialog(&factory);
        QCOMPARE(connection(dialog), QStringLiteral("Нет связи"));
        QPointer<ProtocolImpl> first = dialog.protocol();
        QVERIFY(first);

        // Choosing another port drops the engine of the previous one before the new probe.
        auto* box = dialog.findChild<QComboBox*>(QStringLiteral("_deviceComboBox"));
        box->setCurrentIndex(1);
        emit box->activated(1);
        QVERIFY(!first);
        QCOMPARE(dialog.protocol()->portName(), QStringLiteral("/dev/no-such-port-2"));

        // The engine is handed out even without a connection, but no state.
        QSignalSpy proto(&dialog, &olma::SelectDeviceDialog::protoChanged);
        QSignalSpy state(&dialog, &olma::SelectDeviceDialog::stateChanged);
        dialog.on__okButton_clicked();
        QCOMPARE(proto.size(), 1);
        QVERIFY(proto.first().first().value<ProtocolImpl*>());
        QCOMPARE(state.size(), 0);

        // Without a USB port there is nothing to probe and a null engine is handed out;
        // "Отменить" hands out nothing.
        ports = {ports.first()};
        ports.first().usb = false;
        olma::SelectDeviceDialog empty(&factory);
        QCOMPARE(empty.devicesCount(), 0);
        QSignalSpy none(&empty, &olma::SelectDeviceDialog::protoChanged);
        QTest::mouseClick(empty.findChild<QPushButton*>(QStringLiteral("_cancelButton")), Qt::LeftButton);
        QCOMPARE(empty.result(), int(QDialog::Rejected));
        QCOMPARE(none.size(), 0);
        empty.on__okButton_clicked();
        QCOMPARE(none.size(), 1);
        QCOMPARE(none.first().first().value<ProtocolImpl*>(), nullptr);
    }

    void dialogWithNetworkAddresses()
    {
        // The addresses remembered live in the settings of the test's own folder; none before, none after.
        const auto forget = [] {
            QSettings(QStringLiteral("olma-configurator"), QStringLiteral("olma-configurator"))
                .remove(QStringLiteral("network"));
        };
        forget();
        const auto cleanup = qScopeGuard(forget);
        VirtualPanelFixture vp;
        QVERIFY2(vp.isRunning(), qPrintable(vp.error()));
        olma::vpanel::NetworkFront server;
        QString error;
        QVERIFY2(server.listen(QStringLiteral("tcp://127.0.0.1:0"), vp.portName(), {}, {}, &error), qPrintable(error));

        ProtocolImplFactory factory;
        factory.setPortLister([] { return QList<PortEntry>(); });
        auto dialog = std::make_unique<olma::SelectDeviceDialog>(&factory);
        auto* box = dialog->findChild<QComboBox*>(QStringLiteral("_deviceComboBox"));
        auto* host = dialog->findChild<QLineEdit*>(QStringLiteral("_hostEdit"));
        auto* port = dialog->findChild<QSpinBox*>(QStringLiteral("_netPortSpinBox"));
        auto* connectButton = dialog->findChild<QPushButton*>(QStringLiteral("_connectButton"));
        // Without a USB port the new address is what is offered; nothing was tried yet.
        QCOMPARE(dialog->devicesCount(), 0);
        QCOMPARE(box->currentText(), QStringLiteral("Сетевое подключение"));
        QVERIFY(host->isVisibleTo(dialog.get()));
        QCOMPARE(vp.panel().requestCount(), 0);

        const auto tryAddress = [&](const QString& name, int number) {
            host->clear();
            QTest::keyClicks(host, name);
            port->setValue(number);
            QTest::mouseClick(connectButton, Qt::LeftButton);
            return connection(*dialog);
        };
        // What went wrong is said; the link's own messages are the tool's tests' business.
        QVERIFY(tryAddress(QStringLiteral("bad host"), 4001).startsWith(QStringLiteral("Неверный сетевой адрес")));
        QCOMPARE(tryAddress(QStringLiteral("127.0.0.1"), server.address().section(QLatin1Char(':'), -1).toInt()),
                 QStringLiteral("Устройство подключено"));
        QCOMPARE(vp.panel().requestCount(), 3);

        QSignalSpy proto(dialog.get(), &olma::SelectDeviceDialog::protoChanged);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("_okButton")), Qt::LeftButton);
        QCOMPARE(proto.first().first().value<ProtocolImpl*>()->portName(), server.address());
        delete proto.first().first().value<ProtocolImpl*>();
        olma::link::NetworkPort::dropConnections();

        // The address is offered next time, and taken as it is without a probe; ten are kept,
        // the last used first.
        for (int i = 1; i <= 11; ++i) {
            dialog = std::make_unique<olma::SelectDeviceDialog>(&factory);
            box = dialog->findChild<QComboBox*>(QStringLiteral("_deviceComboBox"));
            QCOMPARE(box->itemText(0), i == 1 ? server.address() : QStringLiteral("tcp://10.0.0.%1:4001").arg(i - 1));
            dialog->findChild<QLineEdit*>(QStringLiteral("_hostEdit"))->setText(QStringLiteral("10.0.0.%1").arg(i));
            dialog->findChild<QSpinBox*>(QStringLiteral("_netPortSpinBox"))->setValue(4001);
            box->setCurrentIndex(box->count() - 1);
            QSignalSpy handed(dialog.get(), &olma::SelectDeviceDialog::protoChanged);
            dialog->on__okButton_clicked();
            auto* engine = handed.first().first().value<ProtocolImpl*>();
            QCOMPARE(engine->portName(), QStringLiteral("tcp://10.0.0.%1:4001").arg(i));
            delete engine;
        }
        const QStringList recent = olma::SelectDeviceDialog::recentAddresses();
        QCOMPARE(recent.size(), 10);
        QCOMPARE(recent.first(), QStringLiteral("tcp://10.0.0.11:4001"));
        QCOMPARE(recent.last(), QStringLiteral("tcp://10.0.0.2:4001"));
        QCOMPARE(vp.panel().requestCount(), 3);
    }
};

OLMA_TEST_MAIN(TestDeviceOperations)
#include "tst_deviceoperations.moc"
