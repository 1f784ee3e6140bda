#include "dialoginterceptor.h"
#include "logrecords.h"
#include "logview/ilogviewwidget.h"
#include "logview/logevents.h"
#include "logview/logview.h"
#include "logview/progressdialoglog.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <QTreeWidget>

using namespace olma::logview;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

std::vector<uint> numbers(const std::vector<LogEvent>& events)
{
    std::vector<uint> out;
    for (const LogEvent& e : events)
        out.push_back(e.number);
    return out;
}

int shownRows(LogView& log)
{
    auto* view = dynamic_cast<QWidget*>(log.logEvents()->logViewWidget());
    return view ? view->findChild<QTreeWidget*>(QStringLiteral("_treeWidget"))->topLevelItemCount() : -1;
}

} // namespace

class TestLogStore : public QObject
{
    Q_OBJECT

private slots:
    void aFileOfTwentyBytesLoadsTwoEventsAndSavesBackUnchanged()
    {
        QTemporaryDir dir;
        const QByteArray content = logtest::record(2024, 3, 1, 10, 0, 1, 13, 2, 1) +
                                   logtest::record(2024, 3, 1, 10, 5, 3, 1, 0, 4) + QByteArray("\x01\x02\x03\x04", 4);
        const QString in = dir.filePath(QStringLiteral("in.bin"));
        QVERIFY(writeFile(in, content));

        LogView log;
        std::unique_ptr<QWidget> page(log.guiItems().at(0).item->createWidget(nullptr));
        // Loading twice replaces; nothing is merged.
        QVERIFY(log.loadLogFile(in).done);
        const LogOutcome loaded = log.loadLogFile(in);
        QVERIFY(loaded.done);
        QCOMPARE(loaded.message, LogOutcome::Message::None);
        QCOMPARE(numbers(log.logEvents()->events()), (std::vector<uint>{1, 2}));
        QCOMPARE(log.logEvents()->events().at(1).eventClass, 3);
        QCOMPARE(log.logEvents()->rawLog().size(), size_t(20));
        QCOMPARE(shownRows(log), 2);

        const QString out = dir.filePath(QStringLiteral("out.bin"));
        const LogOutcome saved = log.writeLogFile(out);
        QVERIFY(saved.done);
        QCOMPARE(saved.message, LogOutcome::Message::Information);
        QCOMPARE(saved.title, QStringLiteral("Запись журнала в файл"));
        QCOMPARE(saved.text, QStringLiteral("Журнал успешно записан в файл: %1!").arg(out));
        QCOMPARE(readFile(out), content);

        const QString empty = dir.filePath(QStringLiteral("empty.bin"));
        QVERIFY(writeFile(empty, QByteArray()));
        QVERIFY(log.loadLogFile(empty).done);
        QVERIFY(log.logEvents()->events().empty());
        QVERIFY(log.logEvents()->rawLog().empty());
        QCOMPARE(shownRows(log), 0);
    }

    void failedLoadsLeaveTheLogAsItWas()
    {
        QTemporaryDir dir;
        LogView log;
        log.setLogContent(logtest::bytes(logtest::record(2024, 3, 1, 10, 0, 1, 13)));

        const QString missing = dir.filePath(QStringLiteral("missing.bin"));
        const LogOutcome notFound = log.loadLogFile(missing);
        QVERIFY(!notFound.done);
        QCOMPARE(notFound.message, LogOutcome::Message::Critical);
        QCOMPARE(notFound.title, QStringLiteral("Ошибка чтения файла журнала"));
        QCOMPARE(notFound.text, QStringLiteral("Файл журнала: \"%1\" не наден!").arg(missing));

        const LogOutcome cancelled = log.loadLogFile(QString());
        QVERIFY(!cancelled.done);
        QCOMPARE(cancelled.message, LogOutcome::Message::None);

        // A folder exists but cannot be read as a file: passed over without a word.
        const LogOutcome unreadable = log.loadLogFile(dir.path());
        QVERIFY(!unreadable.done);
        QCOMPARE(unreadable.message, LogOutcome::Message::None);

        QCOMPARE(log.logEvents()->events().size(), size_t(1));
        QCOMPARE(log.logEvents()->rawLog().size(), size_t(8));
    }

    void failedSavesAreReportedWithTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("dialog cancelled") << QString();
        QTest::newRow("no such folder") << QStringLiteral("no/such/folder/log.bin");
    }

    void failedSavesAreReportedWithTheName()
    {
        QFETCH(QString, name);
        LogView log;
        log.setLogContent(logtest::bytes(logtest::record(2024, 3, 1, 10, 0, 1, 13)));
        const LogOutcome saved = log.writeLogFile(name);
        QVERIFY(!saved.done);
        QCOMPARE(saved.message, LogOutcome::Message::Critical);
        QCOMPARE(saved.title, QStringLiteral("Запись журнала в файл"));
        QCOMPARE(saved.text, QStringLiteral("Запись журнала в файл %1 не выполнена!").arg(name));
    }

    void recordsAreNumberedInOrderOfArrival()
    {
        LogView log;
        log.setLogContent(logtest::bytes(logtest::record(2023, 1, 1, 0, 0, 1, 1)));
        ProgressDialogLog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Считывание журнала событий"));
        log.beginDeviceRead(&dialog);
        QVERIFY(log.logEvents()->events().empty());

        // The engine hands over each block's records last first; parameter A tells them apart.
        const int blockSizes[] = {7, 3};
        for (uint block = 0; block < 2; ++block) {
            for (int i = blockSizes[block] - 1; i >= 0; --i) {
                const QByteArray r = logtest::record(2024, 3, 1, 10, 0, 3, 1, int(block * 10) + i, 1);
                dialog.logRecord(block, reinterpret_cast<const unsigned char*>(r.constData()));
            }
            QVERIFY(dialog.progress(block + 1, 2, block == 1));
        }
        const LogOutcome outcome = log.endDeviceRead(true);
        QVERIFY(outcome.done);
        QCOMPARE(outcome.message, LogOutcome::Message::None);

        const auto& events = log.logEvents()->events();
        QCOMPARE(numbers(events), (std::vector<uint>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        std::vector<int> order;
        for (const LogEvent& e : events)
            order.push_back(e.paramA);
        QCOMPARE(order, (std::vector<int>{6, 5, 4, 3, 2, 1, 0, 12, 11, 10}));
        QCOMPARE(log.logEvents()->rawLog().size(), size_t(80));
    }

    void aFailedReadKeepsWhatArrived()
    {
        LogView log;
        std::unique_ptr<QWidget> page(log.logEvents()->createWidget(nullptr));
        ProgressDialogLog dialog;
        log.beginDeviceRead(&dialog);
        for (int i = 2; i >= 0; --i) {
            const QByteArray r = logtest::record(2024, 3, 1, 10, i, 1, 13, 2, 1);
            dialog.logRecord(0, reinterpret_cast<const unsigned char*>(r.constData()));
        }
        // Records are not shown one by one; the viewer is rebuilt once at the end.
        QCOMPARE(shownRows(log), 0);
        const LogOutcome outcome = log.endDeviceRead(false);
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.message, LogOutcome::Message::Critical);
        QCOMPARE(outcome.title, QStringLiteral("Считывание журнала событий"));
        QCOMPARE(outcome.text, QStringLiteral("Невозможно считать журнал событий!"));
        QCOMPARE(log.logEvents()->events().size(), size_t(3));
        QCOMPARE(shownRows(log), 3);

        DialogInterceptor dialogs;
        showOutcome(nullptr, outcome);
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages().at(0).icon, QMessageBox::Critical);
        QCOMPARE(dialogs.messages().at(0).text, outcome.text);
    }

    void theStoreServesOneViewerPage()
    {
        LogView log;
        const QList<olma::GuiEntry> pages = log.guiItems();
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages.at(0).title, QStringLiteral("Журнал событий"));
        QVERIFY(pages.at(0).icon.isNull());
        QVERIFY(log.guiEnabled());

        QWidget* first = pages.at(0).item->createWidget(nullptr);
        QVERIFY(first);
        QCOMPARE(pages.at(0).item->createWidget(nullptr), first);
        // A page destroyed with its stack detaches itself; the next click makes a new one.
        delete first;
        QVERIFY(!log.logEvents()->logViewWidget());
        std::unique_ptr<QWidget> second(pages.at(0).item->createWidget(nullptr));
        QVERIFY(second);
        QCOMPARE(dynamic_cast<QWidget*>(log.logEvents()->logViewWidget()), second.get());

        // The window destroys its children in creation order: the log before its page.
        auto* window = new QWidget;
        auto* owned = new LogView(window);
        owned->setLogContent(logtest::bytes(logtest::record(2024, 3, 1, 10, 0, 1, 13)));
        QVERIFY(owned->logEvents()->createWidget(window));
        delete window;
    }
};

OLMA_TEST_MAIN(TestLogStore)
#include "tst_logstore.moc"
