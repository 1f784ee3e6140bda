// Start-up: the command line, the translations, the demo panel and the look and feel; then the
// small dialogs: progress, the model choice and About.

#include "app/aboutdilog.h"
#include "app/demopanel.h"
#include "app/progressdialog.h"
#include "app/startup.h"
#include "app/typeselectdialog.h"
#include "common/datadir.h"
#include "common/uilanguage.h"
#include "device/device.h"
#include "device/tailsstate.h"
#include "style/programstyle.h"
#include "style/spinbox.h"
#include "testmain.h"
#include "virtualpanel.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

QPushButton* button(QDialog& dialog, const QString& text)
{
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the program runs; --help is tried on the program itself
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
        QTest::newRow("demo and port") << QStringList{QStringLiteral("--demo"), QStringLiteral("--port=x")} << 2
                                       << QString() << false << -1;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--fast")} << 2 << QString() << false << -1;
        QTest::newRow("network port") << QStringList{QStringLiteral("--port"), QStringLiteral("tls://10.0.0.5:4001"),
                                                     QStringLiteral("--ca"), QStringLiteral("ca.pem")}
                                      << -1 << QStringLiteral("tls://10.0.0.5:4001") << false << -1;
        QTest::newRow("network port without its port")
            << QStringList{QStringLiteral("--port"), QStringLiteral("tcp://host")} << 2 << QString() << false << -1;
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
        if (exitCode > 0)
            QVERIFY(!parsed.output.isEmpty());
        if (exitCode >= 0)
            return;
        QCOMPARE(parsed.options.port, port);
        QCOMPARE(parsed.options.demo, demo);
        QCOMPARE(parsed.options.quitAfterMs, quitAfterMs);
    }

    // The program's own translation tells the language of the interface, which the manual follows;
    // without one the interface is Russian.
    void programTranslationSetsTheInterfaceLanguage()
    {
        const auto removeTranslators = [] {
            for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
                QCoreApplication::removeTranslator(translator);
        };
        QTemporaryDir dir;
        QVERIFY(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("translations")));
        // A translation with no messages, only its language "en_GB", as the release tool writes it.
        QFile qm(dir.filePath(QStringLiteral("translations/ControlCenter_en.qm")));
        QVERIFY(qm.open(QIODevice::WriteOnly));
        qm.write(QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd"
                                     "a700000005656e5f4742"
                                     "88000000020101"));
        qm.close();
        olma::setDataDir(dir.path());
        const QStringList loaded = olma::app::installTranslations(*QCoreApplication::instance(), QStringLiteral("en"));
        olma::setDataDir(QStringLiteral(OLMA_TEST_DATA_DIR));
        removeTranslators();
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(olma::uiLanguage(), QStringLiteral("en"));

        // English asked for, but no translation in the data folder: Russian.
        olma::setDataDir(QDir(dir.path()).filePath(QStringLiteral("translations")));
        olma::app::installTranslations(*QCoreApplication::instance(), QStringLiteral("en"));
        olma::setDataDir(QStringLiteral(OLMA_TEST_DATA_DIR));
        removeTranslators();
        QCOMPARE(olma::uiLanguage(), QStringLiteral("ru"));
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

    void showsTheProgramAndCloses()
    {
        AboutDilog dialog;
        dialog.show();
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("_textLabel"));
        QVERIFY(label);
        QVERIFY(label->text().contains(QStringLiteral("Конфигуратор ППКОП Ольма-Ех")));
        // The version comes from the build: three dot-separated numbers.
        QVERIFY2(label->text().contains(QRegularExpression(QStringLiteral("Версия \\d+\\.\\d+\\.\\d+"))),
                 qPrintable(label->text()));

        auto* close = dialog.findChild<QPushButton*>(QStringLiteral("_closeButton"));
        QCOMPARE(close->text(), QStringLiteral("Закрыть"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void progressCancels_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("cancels");
        QTest::newRow("button") << "button" << true;
        QTest::newRow("escape") << "escape" << true;
        QTest::newRow("space") << "space" << true;
        QTest::newRow("enter") << "enter" << false;
        QTest::newRow("window closed") << "close" << true;
    }

    void progressCancels()
    {
        QFETCH(QString, how);
        QFETCH(bool, cancels);
        ProgressDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.progress(64, 128, false));
        auto* bar = dialog.findChild<QProgressBar*>(QStringLiteral("_progressBar"));
        QCOMPARE(bar->maximum(), 128);
        QCOMPARE(bar->value(), 64);
        if (how == QLatin1String("button"))
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("_button")), Qt::LeftButton);
        else if (how == QLatin1String("close"))
            QVERIFY(dialog.close());
        else
            QTest::keyClick(&dialog, how == QLatin1String("escape")  ? Qt::Key_Escape
                                     : how == QLatin1String("space") ? Qt::Key_Space
                                                                     : Qt::Key_Return);
        QCOMPARE(dialog.isCancelled(), cancels);
        QCOMPARE(dialog.goOn(), !cancels);
        // No key closes the dialog under a running transfer.
        QCOMPARE(dialog.isVisible(), how != QLatin1String("close"));
        QCOMPARE(dialog.progress(128, 128, true), !cancels);
        QCOMPARE(bar->value(), cancels ? 64 : 128);
    }

    void chosenType_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("openList");
        QTest::addColumn<int>("expected"); // -1: "Отменить" pressed
        QTest::newRow("untouched") << QList<int>{} << false << 0;
        QTest::newRow("down and back") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << false << 1;
        QTest::newRow("chosen from the open list") << QList<int>{Qt::Key_Down, Qt::Key_Down} << true << 2;
        QTest::newRow("cancelled") << QList<int>{Qt::Key_Down} << false << -1;
    }

    void chosenType()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, openList);
        QFETCH(int, expected);

        olma::TypeSelectDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбор типа прибора"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("TypeComboBox"));
        QVERIFY(combo);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), QStringLiteral("Ольма-16ЕХ"));

        QWidget* target = combo;
        if (openList) {
            QTest::mouseClick(combo, Qt::LeftButton);
            QTRY_VERIFY(combo->view()->isVisible());
            target = combo->view();
        }
        for (int key : keys)
            QTest::keyClick(target, Qt::Key(key));
        if (openList) {
            QTest::keyClick(target, Qt::Key_Return);
            QTRY_VERIFY(!combo->view()->isVisible());
            QCOMPARE(combo->currentText(), QStringLiteral("Ольма-16ЕХ"));
        }

        QTest::mouseClick(button(dialog, expected < 0 ? QStringLiteral("Отменить") : QStringLiteral("Ок")),
                          Qt::LeftButton);
        QCOMPARE(dialog.result(), int(expected < 0 ? QDialog::Rejected : QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        if (expected >= 0)
            QCOMPARE(dialog.selectedType(), expected);
    }
};

OLMA_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
