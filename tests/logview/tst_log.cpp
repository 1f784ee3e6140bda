#include "../common/fullfilesystem.h"
#include "common/cp1251.h"
#include "common/datadir.h"
#include "dialoginterceptor.h"
#include "logrecords.h"
#include "logview/ilogviewwidget.h"
#include "logview/logevent.h"
#include "logview/logevents.h"
#include "logview/logexport.h"
#include "logview/logseverity.h"
#include "logview/logview.h"
#include "logview/progressdialoglog.h"
#include "testmain.h"

#include <QLabel>
#include <QTemporaryDir>

#include <QTreeView>
#include <sys/stat.h>

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
    return view ? view->findChild<QTreeView*>(QStringLiteral("_treeWidget"))->model()->rowCount() : -1;
}

const QByteArray kTamper = logtest::record(2024, 12, 31, 23, 59, 1, 13, 2, 5);
const QByteArray kZoneAlarm = logtest::record(2005, 1, 2, 3, 4, 3, 1, 0, 5);
const QByteArray kUnknown = logtest::record(2024, 5, 6, 7, 8, 0, 1);

// Events as the viewer hands them over: decoded earlier, with numbers of their own (from 41).
std::vector<LogEvent> events(const QByteArray& records)
{
    std::vector<LogEvent> out;
    for (int at = 0; at + 8 <= records.size(); at += 8)
        out.push_back(decodeRecord(reinterpret_cast<const unsigned char*>(records.constData() + at), 40 + at / 8));
    return out;
}

// An outcome as one list to compare: done or not, the message box's kind, its title and text.
QStringList summary(const LogOutcome& outcome)
{
    const char* const kinds[] = {"none", "information", "warning", "critical"};
    return {outcome.done ? "done" : "not done", kinds[int(outcome.message)], outcome.title, outcome.text};
}

const QString kCsvHeader = QStringLiteral("Дата/Время;Класс;Событие;Парметр 1;Параметр 2\r\n");
const QString kTextHeader = QStringLiteral("№\tДата/Время\t\tКласс\tСобытие\t\t\tПарметр 1\tПараметр 2\n");

} // namespace

class TestLog : public QObject
{
    Q_OBJECT

private slots:
    void describes_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("texts");

        // The five texts in one string, split at '|'.
        const auto add = [](const char* name, const QByteArray& record, const char* texts) {
            QTest::newRow(name) << record << QString::fromUtf8(texts).split(QLatin1Char('|'));
        };
        using logtest::record;
        add("block fault names the output", record(2024, 12, 31, 23, 59, 1, 15, 2, 5),
            "23:59 31.12.2024|Блок|Неисправность|Блок: БРВ-А|Выход: 5");
        add("no such block type", record(2024, 12, 31, 23, 59, 1, 15, 6, 5),
            "23:59 31.12.2024|Блок|Неисправность||Выход: 5");
        add("power on has no parameters", record(2024, 1, 2, 3, 4, 1, 1, 2, 5),
            "03:04 02.01.2024|Блок|Включение ППКОП||");
        add("block code past the table", record(2005, 1, 2, 3, 4, 1, 40, 11, 7),
            "03:04 02.01.2005|Блок||Блок: БКВ-А|Адрес: 7");
        add("firmware update", record(2024, 12, 31, 23, 59, 2, 26, 3, 5),
            "23:59 31.12.2024|Пользователь|Обновление версии ПО|Версия №: 3|");
        add("user created by an admin", record(2024, 5, 6, 7, 8, 2, 10, 7, 255),
            "07:08 06.05.2024|Пользователь|Создание|Пользователь: 7|Администратор: 255");
        add("clock set by an admin", record(2024, 5, 6, 7, 8, 2, 25, 1, 9),
            "07:08 06.05.2024|Пользователь|Установка даты/времени|Администратор: 1|");
        add("unknown user event", record(2024, 5, 6, 7, 8, 2, 31, 4, 9), "07:08 06.05.2024|Пользователь|||");
        add("unknown zone event", record(2024, 5, 6, 7, 8, 3, 20, 9, 5), "07:08 06.05.2024|Зона||Зона: 5|");
        // The date shows as the panel wrote it, even when it cannot be a date.
        add("month 13", record(2024, 13, 31, 23, 59, 1, 13, 2, 5),
            "23:59 31.13.2024|Блок|Вскрытие|Блок: БРВ-А|Адрес: 5");
    }

    void describes()
    {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, texts);
        const LogEvent event = decodeRecord(reinterpret_cast<const unsigned char*>(record.constData()), 0);
        QCOMPARE(describeEvent(event), texts);
    }

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
        QCOMPARE(summary(log.loadLogFile(in)), (QStringList{"done", "none", "", ""}));
        QCOMPARE(numbers(log.logEvents()->events()), (std::vector<uint>{1, 2}));
        QCOMPARE(log.logEvents()->events().at(1).eventClass, 3);
        QCOMPARE(log.logEvents()->rawLog().size(), size_t(20));
        QCOMPARE(shownRows(log), 2);

        const QString out = dir.filePath(QStringLiteral("out.bin"));
        QCOMPARE(summary(log.writeLogFile(out)),
                 (QStringList{"done", "information", "Запись журнала в файл",
                              QStringLiteral("Журнал успешно записан в файл: %1!").arg(out)}));
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
        QCOMPARE(summary(log.loadLogFile(missing)),
                 (QStringList{"not done", "critical", "Ошибка чтения файла журнала",
                              QStringLiteral("Файл журнала: \"%1\" не наден!").arg(missing)}));
        // Cancelled, a folder, a FIFO (the read would wait for a writer for ever): passed over without a word.
        const QString fifo = dir.filePath(QStringLiteral("fifo.bin"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString& name : {QString(), dir.path(), fifo})
            QCOMPARE(summary(log.loadLogFile(name)).mid(0, 2), (QStringList{"not done", "none"}));

        // Over 16 MiB (sparse here): refused by its size, nothing read.
        const QString huge = dir.filePath(QStringLiteral("huge.bin"));
        QFile hugeFile(huge);
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(qint64(1) << 30));
        hugeFile.close();
        QCOMPARE(summary(log.loadLogFile(huge)),
                 (QStringList{"not done", "critical", "Ошибка чтения файла журнала",
                              QStringLiteral("Файл журнала: \"%1\" слишком велик (1073741824 байт, допустимо не "
                                             "более 16 МиБ)!")
                                  .arg(huge)}));

        QCOMPARE(log.logEvents()->events().size(), size_t(1));
        QCOMPARE(log.logEvents()->rawLog().size(), size_t(8));
    }

    void failedSavesAreReportedWithTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("dialog cancelled") << QString() << QString();
        QTest::newRow("no such folder") << QStringLiteral("no/such/folder/log.bin")
                                        << QStringLiteral(" (No such file or directory)");
        // The bytes wait in the buffer; the disk refuses them at the flush.
        QTest::newRow("full disk") << QStringLiteral("@/log.bin") << QStringLiteral(" (File too large)");
        QTest::newRow("a folder") << QStringLiteral("@") << QStringLiteral(" (is a folder)");
        QTest::newRow("a device") << QStringLiteral("/dev/null") << QStringLiteral(" (not a regular file)");
    }

    void failedSavesAreReportedWithTheName()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        name.replace(QLatin1Char('@'), dir.path());
        const QString previous = dir.filePath(QStringLiteral("log.bin"));
        QVERIFY(writeFile(previous, "previous log"));
        LogView log;
        QByteArray records;
        for (int i = 0; i < 400; ++i)
            records += logtest::record(2024, 3, 1, 10, i % 60, 1, 13);
        log.setLogContent(logtest::bytes(records));
        LogOutcome saved;
        {
            filetest::FileSizeLimit limit(1024);
            saved = log.writeLogFile(name);
        }
        QCOMPARE(summary(saved),
                 (QStringList{"not done", "critical", "Запись журнала в файл",
                              QStringLiteral("Запись журнала в файл %1 не выполнена!").arg(name) + reason}));
        QCOMPARE(readFile(previous), QByteArray("previous log"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"log.bin"});
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
        QCOMPARE(summary(log.endDeviceRead(true)).mid(0, 2), (QStringList{"done", "none"}));

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
        QCOMPARE(summary(outcome),
                 (QStringList{"not done", "critical", "Считывание журнала событий",
                              "Невозможно считать журнал событий!\nЖурнал считан не полностью: получено 3 события"}));
        QCOMPARE(log.logEvents()->events().size(), size_t(3));
        QCOMPARE(shownRows(log), 3);
        auto* line = page->findChild<QLabel*>(QStringLiteral("_partialLabel"));
        QVERIFY(line && !line->isHidden());
        QCOMPARE(line->text(), QStringLiteral("Журнал считан не полностью: получено 3 события"));
        QCOMPARE(page->findChild<QLabel*>(QStringLiteral("_countLabel"))->text(),
                 QStringLiteral("Показано 3 из 3 событий; журнал прочитан не полностью: 3 событий"));

        DialogInterceptor dialogs;
        showOutcome(nullptr, outcome);
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages().at(0).icon, QMessageBox::Critical);
        QCOMPARE(dialogs.messages().at(0).text, outcome.text);
    }

    void documents_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QString>("document");

        QTest::newRow("empty log as CSV") << "empty.csv" << QByteArray() << kCsvHeader;
        QTest::newRow("empty parameters keep their fields")
            << "unknown.csv" << kUnknown << kCsvHeader + QStringLiteral("07:08 06.05.2024;Неизвестно;;;\r\n");
        QTest::newRow("CSV rows") << "two.csv" << kTamper + kZoneAlarm
                                  << kCsvHeader +
                                         QStringLiteral("23:59 31.12.2024;Блок;Вскрытие;Блок: БРВ-А;Адрес: 5\r\n"
                                                        "03:04 02.01.2005;Зона;Тревога;Зона: 5;\r\n");
        const QString text =
            kTextHeader + QStringLiteral("№1\t23:59 31.12.2024\tБлок\tВскрытие\tБлок: БРВ-А\tАдрес: 5\t\n"
                                         "№2\t03:04 02.01.2005\tЗона\tТревога\tЗона: 5\t\t\n");
        QTest::newRow("text rows numbered from 1") << "two.txt" << kTamper + kZoneAlarm << text;
        QTest::newRow("capital name") << "LOG.TXT" << kTamper + kZoneAlarm << text;

        const QString html =
            QStringLiteral("<html>\n<head>\n"
                           "<meta http-equiv=\"Content-Type\" Content=\"text/html; charset=windows-1251\">"
                           "<title>Журнал прибора ППКОП Ольма-Ех</title></head><body>\n"
                           "<table width=85% border=1>\n"
                           "<tr></th><th width=20%,nowrap>Дата/Время</th><th width=20%,nowrap>Класс"
                           "</th><th width=34%,nowrap>Событие</th><th width=13%,nowrap>Параметр 1"
                           "</th><th width=13%,nowrap>Параметр 2</th></tr>\n"
                           "<tr><td>03:04 02.01.2005</td><td>Зона</td><td>Тревога</td><td>Зона: 5</td><td></td></tr>\n"
                           "</table>\n</body>\n</html>\n");
        QTest::newRow("HTML") << "zone.html" << kZoneAlarm << html;
    }

    void documents()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, records);
        QFETCH(QString, document);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        // Whatever was there before is replaced.
        QVERIFY(writeFile(path, QByteArray(1000, 'x')));

        LogView log;
        log.logEventsAdd(events(records));
        QCOMPARE(summary(log.exportLog(path)),
                 (QStringList{"done", "information", "Экспорт журнала в файл", "Журнал успешно экспортирован!"}));
        QCOMPARE(readFile(path), olma::cp1251::encode(document));
    }

    void htmlColoursBySeverityAreAnOption()
    {
        LogView log;
        log.logEventsAdd(events(kZoneAlarm + kUnknown));
        QString plain;
        log.makeHtmlContent(plain);
        QVERIFY(!plain.contains(QStringLiteral("bgcolor")));
        log.setHtmlSeverityColours(true);
        QString coloured;
        log.makeHtmlContent(coloured);
        // Only the rows' opening tags change: the alarm is orange, the unknown event plain.
        QCOMPARE(coloured, QString(plain).replace(QStringLiteral("<tr><td>03:04"),
                                                  QStringLiteral("<tr bgcolor=\"#ffc98a\"><td>03:04")));
    }

    void severityOfEveryCode()
    {
        // One letter per code from 1: N normal, F fault, A alarm, X fire.
        const QList<QPair<int, QString>> classes = {
            {kClassBlock, QStringLiteral("NFFNFNFNFFNNANFNFNFFFFNN")},
            {kClassUser, QString(30, QLatin1Char('N'))},
            {kClassZone, QStringLiteral("AXXAFFFNNNFAAF")},
        };
        const QString letters = QStringLiteral("NFAX");
        for (const auto& [eventClass, expected] : classes) {
            QCOMPARE(int(eventTable(eventClass)->size()), int(expected.size()));
            QString got;
            for (const EventName& entry : *eventTable(eventClass)) {
                LogEvent event;
                event.eventClass = std::uint16_t(eventClass);
                event.eventCode = std::uint16_t(entry.code);
                got += letters.at(int(severityOf(event)));
            }
            QCOMPARE(got, expected);
        }
        // Unknown classes and codes ask for nothing.
        LogEvent unknown;
        unknown.eventCode = 2;
        QCOMPARE(severityOf(unknown), Severity::Normal);
        unknown.eventClass = kClassZone;
        unknown.eventCode = 200;
        QCOMPARE(severityOf(unknown), Severity::Normal);
    }

    void eventsAreCountedPerDayAndSeverity()
    {
        const std::vector<LogEvent> list =
            events(logtest::record(2024, 3, 1, 23, 59, 3, 2, 0, 1)    // fire, 1 March
                   + logtest::record(2024, 3, 2, 0, 0, 3, 1, 0, 1)    // alarm, 2 March from midnight
                   + logtest::record(2024, 3, 2, 8, 0, 3, 1, 0, 2)    // alarm
                   + logtest::record(2024, 3, 2, 9, 0, 2, 1, 1, 1)    // user, normal
                   + logtest::record(2024, 3, 4, 9, 0, 1, 15, 2, 1)   // fault, 4 March; none on the 3rd
                   + logtest::record(2024, 2, 30, 9, 0, 3, 2, 0, 1)); // no such day: not counted
        const DayCounts days = countByDay(list);
        QCOMPARE(int(days.size()), 3);
        using Counts = std::array<int, kSeverityCount>; // normal, fault, alarm, fire
        QCOMPARE(days.at(QDate(2024, 3, 1)), (Counts{0, 0, 0, 1}));
        QCOMPARE(days.at(QDate(2024, 3, 2)), (Counts{1, 0, 2, 0}));
        QCOMPARE(days.at(QDate(2024, 3, 4)), (Counts{0, 1, 0, 0}));
    }

    void rtfFillsTheTemplates()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.rtf"));
        LogView log;
        log.logEventsAdd(events(kTamper + kZoneAlarm));
        QVERIFY(log.exportLog(path).done);
        const QString rtf = QString::fromLatin1(readFile(path));
        // Every byte escaped, without a leading zero.
        QCOMPARE(rtfEscape(QStringLiteral("Зона: 5")), QStringLiteral(R"(\'c7\'ee\'ed\'e0\'3a\'20\'35)"));
        QCOMPARE(rtfEscape(QStringLiteral("\t")), QStringLiteral(R"(\'9)"));

        QVERIFY(rtf.startsWith(QStringLiteral("{\\rtf1")));
        for (const char* part : {"\\ansicpg1251", "\\fcharset204", "\\landscape", " 1\\cell", " 2\\cell",
                                 R"(\'c0\'e4\'f0\'e5\'f1\'3a\'20\'35)"}) // the last: Адрес: 5
            QVERIFY2(rtf.contains(QLatin1String(part)), part);
        QVERIFY(!rtf.contains(QStringLiteral("##")));
        QCOMPARE(rtf.count(QLatin1Char('{')), rtf.count(QLatin1Char('}')));
        // A heading row and one row per event, in order, each numbered and with its five texts.
        QCOMPARE(rtf.count(QStringLiteral("\\trowd")), 3);
        const int first = rtf.indexOf(QStringLiteral(R"(\'32\'33\'3a\'35\'39)"));        // 23:59
        const int zone = rtf.indexOf(QStringLiteral(R"(\'c7\'ee\'ed\'e0\'3a\'20\'35)")); // Зона: 5
        QVERIFY(first > 0);
        QVERIFY(zone > first);
        QVERIFY(!rtf.contains(QStringLiteral(" 41\\cell")));
    }

    void failuresTouchNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("rtx has no writer") << "old.rtx" << QStringLiteral("Записи журнала не экспортированы!");
        QTest::newRow("not an export type") << "old.doc" << QStringLiteral("Данный тип файлов не поддерживается!");
        QTest::newRow("full disk") << "old.csv"
                                   << QStringLiteral("Записи журнала не экспортированы! (@: File too large)");
    }

    void failuresTouchNoFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString kept = dir.filePath(name);
        QVERIFY(writeFile(kept, "keep"));
        const QString fresh = dir.filePath(QStringLiteral("new-") + name);

        LogView log;
        QByteArray records;
        for (int i = 0; i < 50; ++i)
            records += kTamper;
        log.logEventsAdd(events(records));
        for (const QString& path : {kept, fresh}) {
            LogOutcome outcome;
            {
                filetest::FileSizeLimit limit(1024);
                outcome = log.exportLog(path);
            }
            QCOMPARE(summary(outcome), (QStringList{"not done", "critical", "Экспорт журнала в файл",
                                                    QString(text).replace(QLatin1Char('@'), path)}));
        }
        QCOMPARE(readFile(kept), QByteArray("keep"));
        QVERIFY(!QFile::exists(fresh));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    }
};

OLMA_TEST_MAIN(TestLog)
#include "tst_log.moc"
