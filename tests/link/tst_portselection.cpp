// The port list, the factory that turns a listed port into an engine, and the port-selection
// dialog that probes the port and hands the engine out.

#include "testmain.h"
#include "virtualpanelfixture.h"

#include "link/protocolimplfactory.h"
#include "link/selectdevicedialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

using olma::link::PortEntry;

Q_DECLARE_METATYPE(ProtocolImpl*)

namespace {

QList<PortEntry> twoPorts()
{
    return {{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyS0"), false},
            {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("USB-Serial Controller"), true}};
}

QString connection(olma::SelectDeviceDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("_connectionLabel"))->text();
}

} // namespace

class TestPortSelection : public QObject
{
    Q_OBJECT

private slots:
    void portListAndFactory()
    {
        ProtocolImplFactory factory;
        factory.setPortLister(&twoPorts);
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
        QCOMPARE(dialog.objectName(), QStringLiteral("olma__SelectDeviceDialog"));
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
};

OLMA_TEST_MAIN(TestPortSelection)
#include "tst_portselection.moc"
