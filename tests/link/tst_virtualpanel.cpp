// The virtual panel's own behaviour: its fault modes by name, its answers to requests the
// engine never sends, and the executable.

#include "fakeserialport.h"
#include "testmain.h"
#include "testpaths.h"
#include "virtualpanelfixture.h"

#include <QFile>
#include <QProcess>
#include <QSerialPort>

using olma::vpanel::Faults;

class TestVirtualPanel : public QObject
{
    Q_OBJECT

private slots:
    void faultsByName_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("valid");
        QTest::newRow("error by command") << "error:code=6,command=3" << true;
        QTest::newRow("error by request, hex") << "error:code=0xFF,request=2" << true;
        QTest::newRow("patch") << "patch:byte=3,value=64,command=2" << true;
        QTest::newRow("error without code") << "error:command=3" << false;
        QTest::newRow("not a number") << "split:pieces=many" << false;
        QTest::newRow("patch outside the frame") << "patch:byte=64,value=1" << false;
        QTest::newRow("garbage before, seeded") << "garbage-before:bytes=70,seed=9,request=3" << true;
        QTest::newRow("garbage after a command") << "garbage-after:bytes=1,command=2" << true;
        QTest::newRow("garbage of nothing") << "garbage-after:bytes=0" << false;
        QTest::newRow("cut") << "cut:at=17,gap=5,request=2" << true;
        QTest::newRow("cut outside the frame") << "cut:at=64" << false;
        QTest::newRow("vanish") << "vanish:request=4,after=10" << true;
        QTest::newRow("vanish after a whole reply") << "vanish:after=64" << false;
        QTest::newRow("unknown fault") << "flood" << false;
    }

    void faultsByName()
    {
        QFETCH(QString, fault);
        QFETCH(bool, valid);
        Faults faults;
        QString error;
        QCOMPARE(faults.add(fault, 5, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
    }

    void errorForOneRequestOnly()
    {
        VirtualPanelFixture vp;
        QVERIFY(vp.panel().addFault(QStringLiteral("error:code=2,request=2")));
        auto engine = vp.engine();
        unsigned char state[84] = {};
        QVERIFY(!engine->getStatus(state, nullptr));
        QCOMPARE(engine->errorCode(), 2);
        QVERIFY(engine->getStatus(state, nullptr));
    }

    void noiseAndAPulledAdapter()
    {
        VirtualPanelFixture vp;
        vp.panel().setIdentifyAnswer(0x04030201);
        auto engine = vp.engine();
        quint32 id = 0;

        // Noise after a reply is left behind; noise before it is taken for the reply, since
        // nothing but the count of 64 bytes marks a reply.
        QVERIFY(vp.panel().addFault(QStringLiteral("garbage-after:bytes=5,request=1")));
        QVERIFY(engine->getId(&id, nullptr));
        QCOMPARE(id, 0x04030201u);
        vp.panel().clearFaults();
        vp.panel().addGarbage(QByteArray(4, 0x11) + QByteArray(4, 0x22) + QByteArray(60, 0x33), true);
        QVERIFY(engine->getId(&id, nullptr));
        QCOMPARE(id, 0x22222222u);
        QCOMPARE(vp.panel().sentBytes().size(), 3 * 64 + 5 + 4);

        // The adapter is pulled with half a reply out: a serial failure; afterwards the port
        // cannot be opened at all and the code of the failure stays.
        vp.panel().clearFaults();
        const QString port = vp.portName();
        QVERIFY(vp.panel().addFault(QStringLiteral("vanish:after=30")));
        QVERIFY(!engine->getId(&id, nullptr));
        QCOMPARE(engine->errorCode(), 13);
        QTRY_VERIFY(!vp.panel().isRunning());
        QVERIFY(!QFile::exists(port));
        QVERIFY(!engine->getId(&id, nullptr));
        QCOMPARE(engine->errorCode(), 13);
    }

    void pacing()
    {
        // Lower bounds only: a paced reply can come late, never early.
        VirtualPanelFixture vp;
        auto engine = vp.engine();
        unsigned char state[84] = {};
        QElapsedTimer elapsed;

        QVERIFY(vp.panel().addFault(QStringLiteral("latency:ms=40")));
        elapsed.start();
        QVERIFY(engine->getStatus(state, nullptr));
        QVERIFY(elapsed.elapsed() >= 80);

        vp.panel().clearFaults();
        QVERIFY(vp.panel().addFault(QStringLiteral("wire-speed")));
        elapsed.start();
        QVERIFY(engine->getStatus(state, nullptr));
        // Two requests and two replies of 64 bytes at 115200 baud 8N1.
        QCOMPARE(olma::vpanel::VirtualPanel::wireTimeNs(64), qint64(5555555));
        QVERIFY(elapsed.nsecsElapsed() >= 4 * olma::vpanel::VirtualPanel::wireTimeNs(64));
    }

    void answersToOddRequests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("code");
        QTest::newRow("unknown command") << frame({9}) << 1;
        QTest::newRow("state of group 1") << frame({1, 1, 0, 0}) << 2;
        QTest::newRow("state phase 2") << frame({1, 0, 2, 0}) << 3;
        QTest::newRow("log block 585") << frame({2, 0x02, 0x49, 0}) << 3;
        QTest::newRow("configuration group 9") << frame({3, 9, 0, 0}) << 2;
        QTest::newRow("user 255") << frame({3, 2, 255, 0}) << 3;
        QTest::newRow("write of the wrong size") << frame({4, 0, 0, 10}) << 4;
    }

    void answersToOddRequests()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, code);
        VirtualPanelFixture vp;
        QSerialPort port;
        port.setPortName(vp.portName());
        QVERIFY(port.open(QIODevice::ReadWrite));
        // A broken request is forgotten once the line has been quiet for a while.
        port.write(QByteArray(10, 0x33));
        QTest::qWait(150);
        port.write(request);
        QByteArray reply;
        QTRY_VERIFY((reply += port.readAll()).size() >= 64);
        QCOMPARE(reply, frame({0xFF, 0, 0, 0, code}));
        QCOMPARE(vp.panel().requests(), QList<QByteArray>{request});
    }

    void executable()
    {
        QProcess panel;
        panel.start(QStringLiteral(OLMA_TEST_BIN_DIR "/olma-virtual-panel"),
                    {QStringLiteral("--model"), QStringLiteral("0x08"), QStringLiteral("--serial"),
                     QStringLiteral("777"), QStringLiteral("--fault"), QStringLiteral("error:code=6,command=1")});
        QVERIFY(panel.waitForStarted());
        QTRY_VERIFY(panel.canReadLine());
        const QString port = QString::fromLocal8Bit(panel.readLine()).trimmed();
        QVERIFY(port.startsWith(QLatin1String("/dev/pts/")));

        ProtocolImpl engine(port, nullptr, false, {1, 2, 3, 4, 5, 13, 255});
        quint32 id = 0;
        QVERIFY(engine.getId(&id, nullptr));
        QCOMPARE(id & 0xFF, 0x08u);
        QCOMPARE(id >> 16, 777u);
        unsigned char state[84] = {};
        QVERIFY(!engine.getStatus(state, nullptr));
        QCOMPARE(engine.errorCode(), 6);

        panel.terminate();
        QVERIFY(panel.waitForFinished(5000));
        QCOMPARE(panel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(panel.exitCode(), 0);

        QProcess bad;
        bad.start(QStringLiteral(OLMA_TEST_BIN_DIR "/olma-virtual-panel"),
                  {QStringLiteral("--fault"), QStringLiteral("flood")});
        QVERIFY(bad.waitForFinished(5000));
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(bad.readAllStandardError().contains("unknown fault"));
    }
};

OLMA_TEST_MAIN(TestVirtualPanel)
#include "tst_virtualpanel.moc"
