// Start-up: the command line, the translations, the demo panel and the look and feel.

#include "testmain.h"
#include "windowfixture.h"

#include "app/demopanel.h"
#include "app/startup.h"
#include "device/device.h"
#include "device/tailsstate.h"
#include "style/programstyle.h"
#include "style/spinbox.h"
#include "virtualpanel.h"

#include <QLineEdit>
#include <QTranslator>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the program runs
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<int>("quitAfterMs");
        QTest::newRow("plain") << QStringList{} << -1 << QString() << false << -1;
        QTest::newRow("port") << QStringList{QStringLiteral("--port"), QStringLiteral("/dev/ttyUSB1")} << -1
                              << QStringLiteral("/dev/ttyUSB1") << false << -1;
        QTest::newRow("demo with a screenshot")
            << QStringList{QStringLiteral("--demo"), QStringLiteral("--screenshot"), QStringLiteral("a.png")} << -1
            << QString() << true << 3000;
        QTest::newRow("quit after") << QStringList{QStringLiteral("--quit-after"), QStringLiteral("1.5")} << -1
                                    << QString() << false << 1500;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QString() << false << -1;
        QTest::newRow("demo and port") << QStringList{QStringLiteral("--demo"), QStringLiteral("--port=x")} << 2
                                       << QString() << false << -1;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--fast")} << 2 << QString() << false << -1;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, port);
        QFETCH(bool, demo);
        QFETCH(int, quitAfterMs);
        const olma::app::ParsedCommandLine parsed =
            olma::app::parseCommandLine(QStringList{QStringLiteral("olma-configurator")} + arguments);
        QCOMPARE(parsed.exit ? parsed.exitCode : -1, exitCode);
        if (exitCode == 0)
            QVERIFY(parsed.output.contains(QLatin1String("--demo")) && parsed.output.contains(QLatin1String("--port")));
        if (exitCode > 0)
            QVERIFY(!parsed.output.isEmpty());
        if (exitCode >= 0)
            return;
        QCOMPARE(parsed.options.port, port);
        QCOMPARE(parsed.options.demo, demo);
        QCOMPARE(parsed.options.quitAfterMs, quitAfterMs);
    }

    void standardDialogsSpeakRussian()
    {
        const QStringList loaded = olma::app::installTranslations(*QCoreApplication::instance());
        QVERIFY(!loaded.isEmpty());
        QVERIFY(loaded.first().endsWith(QLatin1String("qtbase_ru.qm")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(translator);
    }

    void demoPanelIsAlive()
    {
        olma::app::DemoPanel demo;
        QString error;
        QVERIFY2(demo.start(&error), qPrintable(error));
        MainWindow window(windowOn(demo.portName()));
        QCOMPARE(window.indicator(), MainWindow::Indicator::Linked);
        QCOMPARE(window.modelText(), QStringLiteral("Тип прибора: Ольма-16Ех"));
        QCOMPARE(window.serialText(), QStringLiteral("Серийный номер: 12345"));

        // The loops change from step to step; one power block reports its reserve supply throughout.
        const olma::device::TailsState* loops = window.device()->tailsState();
        QSet<int> loop3;
        for (int i = 0; i < 4; ++i) {
            demo.step();
            window.checkStatus();
            loop3.insert(loops->tailState(2));
            QCOMPARE(int(window.lastStateRecord()[12]), 0x02);
        }
        QVERIFY(loop3.size() > 1);
        QCOMPARE(loops->tailState(15), 7);

        // Its log holds whole records that decode to dates in the past.
        const QByteArray log = demo.panel().logRecords();
        QVERIFY(log.size() >= 8 * 100 && log.size() % 8 == 0);
    }

    void lookAndFeel()
    {
        olma::style::install();
        auto* style = qobject_cast<olma::style::ProgramStyle*>(QApplication::style());
        QVERIFY(style);
        QCOMPARE(style->baseStyle()->name().toLower(), QStringLiteral("fusion"));
        QCOMPARE(QApplication::palette().color(QPalette::Window), style->standardPalette().color(QPalette::Window));

        // A wheel turned over an unfocused spin box is left to the page around it.
        QWidget page;
        auto* spin = new olma::style::SpinBox(&page);
        spin->setRange(0, 100);
        spin->setValue(50);
        auto* other = new QLineEdit(&page);
        other->move(0, 40);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        other->setFocus();
        const auto wheel = [spin] {
            const QPoint at = spin->rect().center();
            QWheelEvent event(at, spin->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(spin, &event);
            return event.isAccepted();
        };
        QVERIFY(!wheel());
        QCOMPARE(spin->value(), 50);
        QVERIFY(!spin->hasFocus());
        spin->setFocus();
        QTRY_VERIFY(spin->hasFocus());
        QVERIFY(wheel());
        QCOMPARE(spin->value(), 49);
    }
};

OLMA_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
