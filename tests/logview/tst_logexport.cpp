#include "common/cp1251.h"
#include "common/datadir.h"
#include "logrecords.h"
#include "logview/logexport.h"
#include "logview/logview.h"
#include "testmain.h"

#include <QTemporaryDir>

using namespace olma::logview;

namespace {

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

const QString kCsvHeader = QStringLiteral("Дата/Время;Класс;Событие;Парметр 1;Параметр 2\r\n");
const QString kTextHeader = QStringLiteral("№\tДата/Время\t\tКласс\tСобытие\t\t\tПарметр 1\tПараметр 2\n");

} // namespace

class TestLogExport : public QObject
{
    Q_OBJECT

private slots:
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
        const LogOutcome outcome = log.exportLog(path);
        QVERIFY(outcome.done);
        QCOMPARE(outcome.message, LogOutcome::Message::Information);
        QCOMPARE(outcome.title, QStringLiteral("Экспорт журнала в файл"));
        QCOMPARE(outcome.text, QStringLiteral("Журнал успешно экспортирован!"));
        QCOMPARE(readFile(path), olma::cp1251::encode(document));
    }

    void rtfEscapesEveryByte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rtf");
        QTest::newRow("zone") << QStringLiteral("Зона: 5") << QStringLiteral(R"(\'c7\'ee\'ed\'e0\'3a\'20\'35)");
        QTest::newRow("no leading zero") << QStringLiteral("\t") << QStringLiteral(R"(\'9)");
    }

    void rtfEscapesEveryByte()
    {
        QFETCH(QString, text);
        QFETCH(QString, rtf);
        QCOMPARE(rtfEscape(text), rtf);
    }

    void rtfFillsTheTemplates()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.rtf"));
        LogView log;
        log.logEventsAdd(events(kTamper + kZoneAlarm));
        QVERIFY(log.exportLog(path).done);
        const QString rtf = QString::fromLatin1(readFile(path));

        QVERIFY(rtf.startsWith(QStringLiteral("{\\rtf1")));
        QVERIFY(rtf.contains(QStringLiteral("\\ansicpg1251")));
        QVERIFY(rtf.contains(QStringLiteral("\\fcharset204")));
        QVERIFY(rtf.contains(QStringLiteral("\\landscape")));
        QVERIFY(!rtf.contains(QStringLiteral("##")));
        QCOMPARE(rtf.count(QLatin1Char('{')), rtf.count(QLatin1Char('}')));
        // A heading row and one row per event, in order, each numbered and with its five texts.
        QCOMPARE(rtf.count(QStringLiteral("\\trowd")), 3);
        const int first = rtf.indexOf(QStringLiteral(R"(\'32\'33\'3a\'35\'39)"));        // 23:59
        const int zone = rtf.indexOf(QStringLiteral(R"(\'c7\'ee\'ed\'e0\'3a\'20\'35)")); // Зона: 5
        QVERIFY(first > 0);
        QVERIFY(zone > first);
        QVERIFY(rtf.contains(QStringLiteral(" 1\\cell")));
        QVERIFY(rtf.contains(QStringLiteral(" 2\\cell")));
        QVERIFY(!rtf.contains(QStringLiteral(" 41\\cell")));
        QVERIFY(rtf.contains(QStringLiteral(R"(\'c0\'e4\'f0\'e5\'f1\'3a\'20\'35)"))); // Адрес: 5
    }

    void rtfWithoutTemplatesWritesAnEmptyFile()
    {
        QTemporaryDir dir;
        QTemporaryDir emptyData;
        const QString path = dir.filePath(QStringLiteral("log.rtf"));
        LogView log;
        log.logEventsAdd(events(kTamper));
        olma::setDataDir(emptyData.path());
        const LogOutcome outcome = log.exportLog(path);
        olma::setDataDir(QStringLiteral(OLMA_TEST_DATA_DIR));
        QVERIFY(outcome.done);
        QVERIFY(QFile::exists(path));
        QCOMPARE(readFile(path), QByteArray());
    }

    void failuresTouchNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("rtx has no writer") << "old.rtx" << QStringLiteral("Записи журнала не экспортированы!");
        QTest::newRow("not an export type") << "old.doc" << QStringLiteral("Данный тип файлов не поддерживается!");
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
        log.logEventsAdd(events(kTamper));
        for (const QString& path : {kept, fresh}) {
            const LogOutcome outcome = log.exportLog(path);
            QVERIFY(!outcome.done);
            QCOMPARE(outcome.message, LogOutcome::Message::Critical);
            QCOMPARE(outcome.title, QStringLiteral("Экспорт журнала в файл"));
            QCOMPARE(outcome.text, text);
        }
        QCOMPARE(readFile(kept), QByteArray("keep"));
        QVERIFY(!QFile::exists(fresh));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    }

    void anUnwritableFileFails()
    {
        LogView log;
        QVERIFY(!log.exportToFile(QStringLiteral("no/such/folder/log.csv"), QStringLiteral("csv")));
        QCOMPARE(log.exportLog(QStringLiteral("no/such/folder/log.csv")).text,
                 QStringLiteral("Записи журнала не экспортированы!"));
        // Cancelling the dialog gives an empty name, which does nothing.
        const LogOutcome cancelled = log.exportLog(QString());
        QVERIFY(!cancelled.done);
        QCOMPARE(cancelled.message, LogOutcome::Message::None);
    }

    void exportTypeComesFromTheName()
    {
        // The pattern's dot stands for any character; the whole lower-cased name must match.
        const std::pair<const char*, const char*> cases[] = {
            {"C:/logs/LOG.TXT", "txt"},
            {"a.html", "html"},
            {"journal_log", "log"},
            {".csv", "csv"},
            {"csv", ""},
            {"a.doc", ""},
            {"a.txt.bak", ""},
        };
        for (const auto& [name, type] : cases)
            QCOMPARE(LogView::exportFileType(QString::fromUtf8(name)), QString::fromUtf8(type));
    }
};

OLMA_TEST_MAIN(TestLogExport)
#include "tst_logexport.moc"
