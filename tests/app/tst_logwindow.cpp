// The log viewer inside the window: one viewer for the life of the window, and a log page that
// fits the most common field laptop's screen.

#include "../logview/logrecords.h"
#include "common/cp1251.h"
#include "logview/logevents.h"
#include "logview/logview.h"
#include "style/programstyle.h"
#include "testmain.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>

namespace {

constexpr int kLogPage = 11;
constexpr int kParamsPage = 6;

using logtest::record;

// Two days of a site: loop 3 raises alarms and a fire, loop 4 one alarm, a user and a block
// in between. The panel sends a block's records last first: № in the comments.
QByteArray firstLog()
{
    return record(2024, 3, 1, 10, 0, 3, 1, 0, 3)    // 7 loop 3 alarm
           + record(2024, 3, 1, 10, 15, 3, 1, 0, 4) // 6 loop 4 alarm
           + record(2024, 3, 1, 10, 30, 3, 2, 0, 3) // 5 loop 3 fire
           + record(2024, 3, 1, 10, 40, 2, 2, 2, 3) // 4 user 2 disarms zone 3
           + record(2024, 3, 1, 11, 0, 3, 1, 0, 3)  // 3 loop 3 alarm
           + record(2024, 3, 1, 11, 5, 1, 3, 0, 1)  // 2 mains fault
           + record(2024, 3, 2, 9, 0, 3, 1, 0, 3);  // 1 loop 3 alarm, the next day
}

// The same site read again later: one more alarm on loop 3 on the first day.
QByteArray secondLog()
{
    return record(2024, 3, 1, 9, 0, 3, 8, 0, 3)      // 4 loop 3 restored
           + record(2024, 3, 1, 12, 0, 3, 1, 0, 3)   // 3 loop 3 alarm
           + record(2024, 3, 1, 10, 0, 3, 1, 0, 3)   // 2 loop 3 alarm
           + record(2024, 3, 1, 12, 30, 3, 4, 0, 3); // 1 loop 3 silent alarm
}

QList<uint> shownNumbers(QWidget* page)
{
    QList<uint> out;
    const QAbstractItemModel* rows = page->findChild<QTreeView*>(QStringLiteral("_treeWidget"))->model();
    for (int i = 0; i < rows->rowCount(); ++i)
        out.append(rows->index(i, 0).data().toUInt());
    return out;
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? olma::cp1251::decode(file.readAll()) : QString();
}

} // namespace

class TestLogWindow : public QObject
{
    Q_OBJECT

private slots:
    // The program's own style, whose controls are roomier than the default.
    void initTestCase() { olma::style::install(); }

    void viewerKeepsItsFiltersForTheLifeOfTheWindow()
    {
        QTemporaryDir dir;
        WindowOnPanel w;
        w.vp.panel().setLogRecords(firstLog());
        w.action("readLogFromDevice")->trigger();
        QWidget* viewer = w.window->currentPage();
        QVERIFY(viewer);

        // Loop 3 on the first day, alarms only, matching a search, latest and then largest code first.
        viewer->findChild<QCheckBox*>(QStringLiteral("_tailCheckBox"))->setChecked(true);
        viewer->findChild<QComboBox*>(QStringLiteral("_tailComboBox"))->setCurrentIndex(3);
        auto* from = viewer->findChild<QDateTimeEdit*>(QStringLiteral("_fromDateTimeEdit"));
        auto* to = viewer->findChild<QDateTimeEdit*>(QStringLiteral("_toDateTimeEdit"));
        // The editors start at the log's first and last events.
        QCOMPARE(from->dateTime(), QDateTime(QDate(2024, 3, 1), QTime(10, 0), Qt::UTC));
        QCOMPARE(to->dateTime(), QDateTime(QDate(2024, 3, 2), QTime(9, 0), Qt::UTC));
        viewer->findChild<QCheckBox*>(QStringLiteral("_dateTimeCheckBox"))->setChecked(true);
        to->setDateTime(QDateTime(QDate(2024, 3, 1), QTime(23, 59), Qt::UTC));
        viewer->findChild<QToolButton*>(QStringLiteral("_quickAlarms"))->setChecked(true);
        viewer->findChild<QLineEdit*>(QStringLiteral("_searchEdit"))->setText(QStringLiteral("тревога"));
        auto* keys = viewer->findChild<QListWidget*>(QStringLiteral("listWidget"));
        keys->item(0)->setCheckState(Qt::Checked);
        keys->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(shownNumbers(viewer), (QList<uint>{3, 7}));

        // Another page and back: the same viewer, as it was.
        QTest::mouseClick(w.window->pageButtons()[kParamsPage], Qt::LeftButton);
        QVERIFY(w.window->currentPage() != viewer);
        // The menu's export takes the filtered list from any page, in store order.
        const QString csv = dir.filePath(QStringLiteral("alarms.csv"));
        w.dialogs.setNextFileName(csv);
        w.action("exportToFileAction")->trigger();
        QCOMPARE(readText(csv), QStringLiteral("Дата/Время;Класс;Событие;Парметр 1;Параметр 2\r\n"
                                               "11:00 01.03.2024;Зона;Тревога;Зона: 3;\r\n"
                                               "10:00 01.03.2024;Зона;Тревога;Зона: 3;\r\n"));
        QTest::mouseClick(w.window->pageButtons()[kLogPage], Qt::LeftButton);
        QCOMPARE(w.window->currentPage(), viewer);
        QCOMPARE(shownNumbers(viewer), (QList<uint>{3, 7}));

        // A new read goes through the same filters and keys; the chosen range stays.
        w.vp.panel().setLogRecords(secondLog());
        w.action("readLogFromDevice")->trigger();
        QCOMPARE(w.window->currentPage(), viewer);
        QCOMPARE(to->dateTime(), QDateTime(QDate(2024, 3, 1), QTime(23, 59), Qt::UTC));
        QCOMPARE(shownNumbers(viewer), (QList<uint>{1, 3, 2}));

        // So does a file, numbered in file order.
        const QString bin = dir.filePath(QStringLiteral("log.bin"));
        QFile file(bin);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(firstLog() + secondLog());
        file.close();
        w.dialogs.setNextFileName(bin);
        w.action("readLogFromFile")->trigger();
        QCOMPARE(w.window->currentPage(), viewer);
        QCOMPARE(shownNumbers(viewer), (QList<uint>{11, 9, 5, 1, 10}));
        QVERIFY(viewer->findChild<QCheckBox*>(QStringLiteral("_tailCheckBox"))->isChecked());
        QCOMPARE(keys->item(0)->checkState(), Qt::Checked);
    }

    void everyPageFitsA1366x768Screen()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1366, 768));
        WindowOnPanel w;
        w.vp.panel().setLogRecords(firstLog());
        w.window->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QTRY_VERIFY(w.window->pageButtons()[0]->isEnabled());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (int page = 0; page < w.window->pageButtons().size(); ++page) {
            QTest::mouseClick(w.window->pageButtons()[page], Qt::LeftButton);
            const QSize least = w.window->minimumSizeHint();
            QVERIFY2(least.width() <= screen.width() && least.height() <= screen.height(),
                     qPrintable(QString::number(page)));
        }
        w.action("readLogFromDevice")->trigger();
        QApplication::processEvents();
        QVERIFY(w.window->isMaximized());
        QVERIFY(screen.contains(w.window->frameGeometry()));
        QWidget* viewer = w.window->currentPage();
        QVERIFY(QRect(QPoint(0, 0), w.window->size())
                    .contains(QRect(viewer->mapTo(w.window.get(), QPoint(0, 0)), viewer->size())));
    }
};

OLMA_TEST_MAIN(TestLogWindow)
#include "tst_logwindow.moc"
