#include "common/cp1251.h"
#include "dialoginterceptor.h"
#include "logrecords.h"
#include "logview/logdaychart.h"
#include "logview/logevents.h"
#include "logview/logseverity.h"
#include "logview/logview.h"
#include "logview/logviewwidget.h"
#include "testmain.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace olma::logview;

namespace {

// Ten events of all classes over half an hour; № in the comments.
QByteArray sampleLog()
{
    using logtest::record;
    return record(2024, 3, 1, 10, 0, 1, 13, 0, 1)      // 1 block ПЦ 1, tamper
           + record(2024, 3, 1, 10, 5, 2, 1, 2, 3)     // 2 user 2 arms zone 3
           + record(2024, 3, 1, 10, 5, 3, 1, 0, 3)     // 3 zone 3 alarm
           + record(2024, 3, 1, 10, 10, 3, 2, 0, 4)    // 4 zone 4 fire
           + record(2024, 3, 1, 10, 10, 1, 15, 2, 2)   // 5 block БРВ-А output 2 fault
           + record(2024, 3, 1, 10, 15, 2, 12, 255, 0) // 6 admin 255 erases keys
           + record(2024, 3, 1, 10, 20, 1, 13, 2, 1)   // 7 block БРВ-А 1, tamper
           + record(2024, 3, 1, 10, 20, 0, 0, 0, 0)    // 8 unknown class
           + record(2024, 3, 1, 10, 30, 3, 1, 0, 3)    // 9 zone 3 alarm
           + record(2024, 3, 1, 9, 55, 1, 3, 0, 5);    // 10 block ПЦ 5 mains fault, clock set back
}

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

// The № column, top to bottom.
QList<uint> shownNumbers(QWidget* view)
{
    QList<uint> out;
    const QAbstractItemModel* rows = child<QTreeView>(view, "_treeWidget")->model();
    for (int i = 0; i < rows->rowCount(); ++i)
        out.append(rows->index(i, 0).data().toUInt());
    return out;
}

// What a user's pick in a list does: the entry becomes current and the list reports it.
void choose(QComboBox* combo, int index)
{
    QVERIFY(combo->isEnabled());
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void clickCheckBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
}

struct Viewer
{
    Viewer()
    {
        log.setLogContent(logtest::bytes(sampleLog()));
        page.reset(log.logEvents()->createWidget(nullptr));
        page->resize(1200, 700);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }
    LogView log;
    std::unique_ptr<QWidget> page;
};

const char* const kCheckBoxes[] = {"_dateTimeCheckBox", "_eventCheckBox", "_userCheckBox", "_tailCheckBox",
                                   "_deviceBlockCheckBox"};

} // namespace

class TestLogViewWidget : public QObject
{
    Q_OBJECT

private slots:
    void checkBoxesEnableTheirRowsOnly()
    {
        Viewer v;
        const QList<QStringList> rows = {
            {"_fromDateTimeEdit", "_toDateTimeEdit"},
            {"_eventSourceComboBox", "_eventComboBox"},
            {"_userComboBox"},
            {"_tailComboBox"},
            {"_deviceTypeComboBox", "_deviceAddressComboBox"},
        };
        auto enabledInputs = [&] {
            QStringList out;
            for (const QStringList& row : rows)
                for (const QString& name : row)
                    if (v.page->findChild<QWidget*>(name)->isEnabled())
                        out.append(name);
            return out;
        };
        QCOMPARE(enabledInputs(), QStringList());
        for (int i = 0; i < 5; ++i) {
            auto* box = child<QCheckBox>(v.page.get(), kCheckBoxes[i]);
            QVERIFY(!box->isChecked());
            clickCheckBox(box);
            QVERIFY(box->isChecked());
            QCOMPARE(enabledInputs(), rows.at(i));
            clickCheckBox(box);
            QCOMPARE(enabledInputs(), QStringList());
        }
    }

    void filtersNarrowTheRows_data()
    {
        // Check boxes ticked by their names (..CheckBox), then "list=index" picks or "edit=hh:mm" times, in order.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<uint>>("shown");
        const auto add = [](const char* name, const char* steps, const QList<uint>& shown) {
            QTest::newRow(name) << QString::fromUtf8(steps) << shown;
        };
        add("no filter", "", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        add("both ends included", "_dateTimeCheckBox _fromDateTimeEdit=10:10 _toDateTimeEdit=10:20", {4, 5, 6, 7, 8});
        add("all zone events", "_eventCheckBox _eventSourceComboBox=2", {3, 4, 9});
        add("zone alarms", "_eventCheckBox _eventSourceComboBox=2 _eventComboBox=1", {3, 9});
        add("block tampers", "_eventCheckBox _eventComboBox=13", {1, 7});
        add("all users", "_userCheckBox", {2, 6});
        add("administrator 255", "_userCheckBox _userComboBox=255", {6});
        add("loop 3", "_tailCheckBox _tailComboBox=3", {3, 9});
        add("ПЦ at any address", "_deviceBlockCheckBox _deviceTypeComboBox=1", {1, 10});
        add("БРВ-А address 1", "_deviceBlockCheckBox _deviceTypeComboBox=3 _deviceAddressComboBox=1", {7});
        add("loop and time together", "_tailCheckBox _dateTimeCheckBox _fromDateTimeEdit=10:00 _toDateTimeEdit=10:10",
            {3, 4});
    }

    void filtersNarrowTheRows()
    {
        QFETCH(QString, steps);
        QFETCH(QList<uint>, shown);
        Viewer v;
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList parts = step.split(QLatin1Char('='));
            QWidget* input = v.page->findChild<QWidget*>(parts.at(0));
            QVERIFY2(input, qPrintable(step));
            if (auto* box = qobject_cast<QCheckBox*>(input)) {
                clickCheckBox(box);
            } else if (auto* edit = qobject_cast<QDateTimeEdit*>(input)) {
                QVERIFY(edit->isEnabled());
                edit->setDateTime(
                    QDateTime(QDate(2024, 3, 1), QTime::fromString(parts.at(1), QStringLiteral("HH:mm"))));
            } else {
                choose(qobject_cast<QComboBox*>(input), parts.at(1).toInt());
            }
        }
        QTest::mouseClick(child<QPushButton>(v.page.get(), "filterButton"), Qt::LeftButton);
        QCOMPARE(shownNumbers(v.page.get()), shown);

        // The store's events to show are the rows that passed, in store order.
        QList<uint> toShow;
        for (const LogEvent& e : v.log.logEvents()->eventsToShow())
            toShow.append(e.number);
        QCOMPARE(toShow, shown);
    }

    void sortKeysOrderTheRows_data()
    {
        // Keys to tick by their entry text, top to bottom as the list stands.
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<uint>>("shown");
        QTest::newRow("latest first") << QStringList{"Дата/время"} << QList<uint>{9, 7, 8, 6, 4, 5, 2, 3, 1, 10};
        QTest::newRow("time then source")
            << QStringList{"Дата/время", "Источник"} << QList<uint>{9, 7, 8, 6, 4, 5, 3, 2, 1, 10};
    }

    void sortKeysOrderTheRows()
    {
        QFETCH(QStringList, keys);
        QFETCH(QList<uint>, shown);
        Viewer v;
        auto* list = child<QListWidget>(v.page.get(), "listWidget");
        for (const QString& key : keys)
            list->findItems(key, Qt::MatchExactly).at(0)->setCheckState(Qt::Checked);
        // A ticked key applies at once.
        QCOMPARE(shownNumbers(v.page.get()), shown);
    }

    void headerClicksSortAndReverse()
    {
        Viewer v;
        QHeaderView* header = child<QTreeView>(v.page.get(), "_treeWidget")->header();
        auto clickSection = [&](int section) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(section) + 10, header->height() / 2));
        };
        // By event code, ties in order of №.
        clickSection(3);
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{8, 2, 3, 9, 4, 10, 6, 1, 7, 5}));
        clickSection(3);
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{5, 1, 7, 6, 10, 4, 2, 3, 9, 8}));
        clickSection(1);
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{10, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        // Keys arranged in the list take over again.
        child<QListWidget>(v.page.get(), "listWidget")->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{5, 1, 7, 6, 10, 4, 2, 3, 9, 8}));
    }

    void searchAndQuickFiltersNarrowAtOnceAndTheLineCountsThem()
    {
        Viewer v;
        auto* count = child<QLabel>(v.page.get(), "_countLabel");
        QCOMPARE(count->text(), QStringLiteral("Показано 10 из 10 событий"));
        // Any column, any case.
        auto* search = child<QLineEdit>(v.page.get(), "_searchEdit");
        search->setText(QStringLiteral("ЗОНА: 3"));
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{2, 3, 9}));
        QCOMPARE(count->text(), QStringLiteral("Показано 3 из 10 событий"));
        search->clear();
        QTest::keyClicks(search, QStringLiteral("10:2"));
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{7, 8}));
        search->clear();

        // Kinds add up; the filter's rows still apply.
        auto quick = [&](const char* name) {
            QTest::mouseClick(child<QToolButton>(v.page.get(), name), Qt::LeftButton);
        };
        quick("_quickAlarms");
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{1, 3, 7, 9}));
        quick("_quickFire");
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{1, 3, 4, 7, 9}));
        clickCheckBox(child<QCheckBox>(v.page.get(), "_tailCheckBox"));
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{3, 4, 9}));
        clickCheckBox(child<QCheckBox>(v.page.get(), "_tailCheckBox"));
        quick("_quickAlarms");
        quick("_quickFire");
        quick("_quickFaults");
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{5, 10}));
        quick("_quickFaults");
        quick("_quickUsers");
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{2, 6}));
        quick("_quickUsers");

        // Periods count back from the log's last event; a new log moves the date editors to its ends.
        using logtest::record;
        v.log.setLogContent(
            logtest::bytes(record(2024, 5, 1, 12, 0, 3, 1, 0, 1) + record(2024, 5, 7, 12, 0, 3, 1, 0, 1) +
                           record(2024, 5, 7, 20, 0, 3, 1, 0, 1) + record(2024, 5, 8, 11, 0, 3, 1, 0, 1)));
        QCOMPARE(child<QDateTimeEdit>(v.page.get(), "_fromDateTimeEdit")->dateTime(),
                 QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC));
        QCOMPARE(child<QDateTimeEdit>(v.page.get(), "_toDateTimeEdit")->dateTime(),
                 QDateTime(QDate(2024, 5, 8), QTime(11, 0), Qt::UTC));
        quick("_quickDay");
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{2, 3, 4}));
        quick("_quickWeek");
        QVERIFY(!child<QToolButton>(v.page.get(), "_quickDay")->isChecked());
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{1, 2, 3, 4}));
    }

    void rowsAreCopiedPrintedAndChartedAsShown()
    {
        Viewer v;
        auto* tree = child<QTreeView>(v.page.get(), "_treeWidget");
        child<QLineEdit>(v.page.get(), "_searchEdit")->setText(QStringLiteral("зона: 3"));
        tree->setFocus();
        tree->selectionModel()->select(tree->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        tree->selectionModel()->select(tree->model()->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("2\t10:05 01.03.2024\tПользователь\tВзятие\tПользователь: 2\tЗона: 3\n"
                                "9\t10:30 01.03.2024\tЗона\tТревога\tЗона: 3\t\n"));

        // The printed list says where the log came from, when, and through which filters.
        v.log.logEvents()->setOrigin(QStringLiteral("прибор № 12345"), QDateTime(QDate(2024, 3, 2), QTime(8, 30, 15)));
        auto* view = dynamic_cast<LogViewWidget*>(v.page.get());
        const QString html = view->printHtml();
        for (const char* text : {"Источник: прибор № 12345", "Считан: 02.03.2024 08:30:15", "Фильтры: «зона: 3»",
                                 "Показано 3 из 10 событий", "<td>Взятие</td>"})
            QVERIFY2(html.contains(QString::fromUtf8(text)), text);
        QCOMPARE(html.count(QStringLiteral("<tr")), 1 + 3);
        QTemporaryDir dir;
        DialogInterceptor dialogs;
        dialogs.setNextFileName(dir.filePath(QStringLiteral("journal")));
        QTest::mouseClick(child<QPushButton>(v.page.get(), "_pdfButton"), Qt::LeftButton);
        QFile pdf(dir.filePath(QStringLiteral("journal.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));

        // One bar a day; a click on one narrows the list to that day.
        v.log.setLogContent(logtest::bytes(sampleLog() + logtest::record(2024, 3, 3, 7, 0, 3, 2, 0, 3)));
        auto* chart = child<LogDayChart>(v.page.get(), "_dayChart");
        QCOMPARE(int(chart->days().size()), 2);
        QCOMPARE(chart->counts().at(QDate(2024, 3, 3))[std::size_t(Severity::Fire)], 1);
        emit chart->dayClicked(QDate(2024, 3, 3));
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{11}));
        QVERIFY(child<QCheckBox>(v.page.get(), "_dateTimeCheckBox")->isChecked());
    }

    void contextMenuExportsTheRowsShownInStoreOrder()
    {
        QTemporaryDir dir;
        Viewer v;
        DialogInterceptor dialogs;
        clickCheckBox(child<QCheckBox>(v.page.get(), "_tailCheckBox"));
        child<QListWidget>(v.page.get(), "listWidget")->item(0)->setCheckState(Qt::Checked);
        QTest::mouseClick(child<QPushButton>(v.page.get(), "filterButton"), Qt::LeftButton);
        QCOMPARE(shownNumbers(v.page.get()), (QList<uint>{9, 4, 3}));

        const QString name = dir.filePath(QStringLiteral("loops.csv"));
        dialogs.setNextFileName(name);
        auto* tree = child<QTreeView>(v.page.get(), "_treeWidget");
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->actions().size(), 1);
            QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Экспортировать журнал"));
            menu->setActiveAction(menu->actions().at(0));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        emit tree->customContextMenuRequested(QPoint(20, 20));

        QCOMPARE(dialogs.fileDialogCaptions(), QStringList{QStringLiteral("Имя файла для экспорта")});
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages().at(0).icon, QMessageBox::Information);
        QCOMPARE(dialogs.messages().at(0).title, QStringLiteral("Экспорт журнала в файл"));
        QCOMPARE(dialogs.messages().at(0).text, QStringLiteral("Журнал успешно экспортирован!"));
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(olma::cp1251::decode(file.readAll()),
                 QStringLiteral("Дата/Время;Класс;Событие;Парметр 1;Параметр 2\r\n"
                                "10:05 01.03.2024;Зона;Тревога;Зона: 3;\r\n"
                                "10:10 01.03.2024;Зона;ПОЖАР-1;Зона: 4;\r\n"
                                "10:30 01.03.2024;Зона;Тревога;Зона: 3;\r\n"));
    }
};

OLMA_TEST_MAIN(TestLogViewWidget)
#include "tst_logviewwidget.moc"
