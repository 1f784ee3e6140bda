#include "device/commonstate.h"
#include "device/device.h"
#include "staterecord.h"
#include "testmain.h"

class TestDeviceModel : public QObject
{
    Q_OBJECT

private slots:
    void pagesInOrder()
    {
        olma::device::Device device;
        QVERIFY(!device.guiEnabled());

        const QList<olma::GuiEntry> entries = device.guiItems();
        const QStringList titles = {
            QStringLiteral("Общие сведения"),   QStringLiteral("Неисправности"),
            QStringLiteral("Состояние ШС"),     QStringLiteral("Состояние Зон"),
            QStringLiteral("Доступ к прибору"), QStringLiteral("Состояние реле (выходов)"),
        };
        const QStringList pageClasses = {
            QStringLiteral("olma::device::CommonStateWidget"), QStringLiteral("olma::device::FaultStateWidget"),
            QStringLiteral("olma::device::TailsStateWidget"),  QStringLiteral("olma::device::ZonesStateWidget"),
            QStringLiteral("olma::device::AccessStateWidget"), QStringLiteral("olma::device::ReleysStatesWidget"),
        };
        QCOMPARE(entries.size(), titles.size());
        QWidget parent;
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i].title, titles[i]);
            QVERIFY(entries[i].icon.isNull());
            QVERIFY(entries[i].item);
            QWidget* page = entries[i].item->createWidget(&parent);
            QVERIFY(page);
            QCOMPARE(page->parent(), &parent);
            QCOMPARE(QString::fromLatin1(page->metaObject()->className()), pageClasses[i]);
        }
        // The root itself offers no page.
        QVERIFY(!device.createWidget(&parent));
    }

    void modelIndexFollowsTheRecord_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("expected");
        QTest::newRow("none yet") << QList<int>{} << 0;
        QTest::newRow("0x08") << QList<int>{0x08} << 1;
        QTest::newRow("0x10") << QList<int>{0x10} << 2;
        QTest::newRow("0x10 then 0x04") << QList<int>{0x10, 0x04} << 0;
        QTest::newRow("0x08 then 0x05 keeps it") << QList<int>{0x08, 0x05} << 1;
        QTest::newRow("unknown first") << QList<int>{0xFF} << 0;
    }

    void modelIndexFollowsTheRecord()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, expected);
        olma::device::Device device;
        for (int code : codes)
            device.setData(toVector(stateRecord(uchar(code))));
        QCOMPARE(device.deviceType(), expected);
        const auto children = device.children();
        QCOMPARE(children.size(), size_t(6));
        for (olma::device::IDeviceItem* child : children)
            QCOMPARE(child->deviceType(), expected);
        QCOMPARE(olma::device::commonStateLines(*device.commonState()).type,
                 QStringList({QStringLiteral("Ольма-4Ех"), QStringLiteral("Ольма-8Ех"),
                              QStringLiteral("Ольма-16Ех")})[expected]);
    }

    void commonState_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("clock");

        QTest::newRow("clock") << stateRecord(0x04, {{4, 0x30}, {5, 0x45}, {6, 0x23}, {7, 0x31}, {8, 0x12}, {9, 0x24}})
                               << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("23:45:30 31.12.2024");
        // Flag bits above each field's mask are not part of the value.
        QTest::newRow("clock masks") << stateRecord(0x04,
                                                    {{4, 0x85}, {5, 0x80}, {6, 0xC7}, {7, 0xC1}, {8, 0xE2}, {9, 0x01}})
                                     << QStringLiteral("0") << QStringLiteral("0")
                                     << QStringLiteral("07:00:05 01.02.2001");
        QTest::newRow("serial and version") << stateRecord(0x04, {{1, 0x0C}, {2, 0x39}, {3, 0x30}})
                                            << QStringLiteral("12") << QStringLiteral("12345") << QString();
        QTest::newRow("year 2000 is not shown") << stateRecord(0x04, {{7, 0x01}, {8, 0x01}, {9, 0x00}})
                                                << QStringLiteral("0") << QStringLiteral("0") << QString();
        QTest::newRow("31 February") << stateRecord(0x04, {{7, 0x31}, {8, 0x02}, {9, 0x24}}) << QStringLiteral("0")
                                     << QStringLiteral("0") << QString();
        QTest::newRow("hour 24") << stateRecord(0x04, {{6, 0x24}, {7, 0x01}, {8, 0x01}, {9, 0x24}})
                                 << QStringLiteral("0") << QStringLiteral("0") << QString();
        QTest::newRow("not BCD") << stateRecord(0x04, {{5, 0x5A}, {7, 0x01}, {8, 0x01}, {9, 0x24}})
                                 << QStringLiteral("0") << QStringLiteral("0") << QString();
    }

    void commonState()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, version);
        QFETCH(QString, serial);
        QFETCH(QString, clock);
        olma::device::Device device;
        device.setData(toVector(record));
        const olma::device::CommonStateLines lines = olma::device::commonStateLines(*device.commonState());
        QCOMPARE(lines.version, version);
        QCOMPARE(lines.serialNumber, serial);
        QCOMPARE(lines.clock, clock);
        QCOMPARE(QString::number(device.version()), version);
        QCOMPARE(QString::number(device.serialNumber()), serial);
    }

    void commonStateBeforeTheFirstRecord()
    {
        const QDateTime before = QDateTime::currentDateTime();
        olma::device::Device device;
        const olma::device::CommonStateLines lines = olma::device::commonStateLines(*device.commonState());
        QCOMPARE(lines.version, QStringLiteral("1"));
        QCOMPARE(lines.serialNumber, QStringLiteral("1"));
        QCOMPARE(lines.type, QStringLiteral("Ольма-4Ех"));
        // The computer's clock at the moment the model was made.
        const QDateTime shown = QDateTime::fromString(lines.clock, QStringLiteral("HH:mm:ss dd.MM.yyyy"));
        QVERIFY2(shown.isValid(), qPrintable(lines.clock));
        QVERIFY(shown >= before.addSecs(-1) && shown <= QDateTime::currentDateTime());
    }

    void shortRecordKeepsTheDecodedState()
    {
        olma::device::Device device;
        device.setData(toVector(stateRecord(0x08, {{1, 7}, {2, 0x10}})));
        device.setData(toVector(QByteArray(10, '\x10')));
        device.setData({});
        QCOMPARE(device.version(), uint8_t(7));
        QCOMPARE(device.serialNumber(), uint16_t(0x10));
    }
};

OLMA_TEST_MAIN(TestDeviceModel)
#include "tst_devicemodel.moc"
