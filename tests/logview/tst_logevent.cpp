#include "logrecords.h"
#include "logview/logevent.h"
#include "testmain.h"

using namespace olma::logview;

class TestLogEvent : public QObject
{
    Q_OBJECT

private slots:
    void decodesTheRecordFields()
    {
        const QByteArray r("\x24\x12\x31\x63\x59\x02\x05\x0D", 8);
        const LogEvent event = decodeRecord(reinterpret_cast<const unsigned char*>(r.constData()), 41);
        QCOMPARE(event.number, 42u);
        QCOMPARE(event.dateTime, QDateTime(QDate(2024, 12, 31), QTime(23, 59), Qt::UTC));
        QCOMPARE(event.eventClass, 1);
        QCOMPARE(event.eventCode, 13);
        QCOMPARE(event.paramA, 2);
        QCOMPARE(event.paramB, 5);
    }

    void describes_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("texts");

        const QByteArray tamper("\x24\x12\x31\x63\x59\x02\x05\x0D", 8);
        QTest::newRow("block tamper") << tamper
                                      << QStringList{"23:59 31.12.2024", "Блок", "Вскрытие", "Блок: БРВ-А", "Адрес: 5"};
        QByteArray fault = tamper;
        fault[7] = 0x0F;
        QTest::newRow("block fault names the output")
            << fault << QStringList{"23:59 31.12.2024", "Блок", "Неисправность", "Блок: БРВ-А", "Выход: 5"};
        QByteArray noType = fault;
        noType[5] = 0x06;
        QTest::newRow("no such block type")
            << noType << QStringList{"23:59 31.12.2024", "Блок", "Неисправность", "", "Выход: 5"};
        QTest::newRow("power on has no parameters")
            << logtest::record(2024, 1, 2, 3, 4, 1, 1, 2, 5)
            << QStringList{"03:04 02.01.2024", "Блок", "Включение ППКОП", "", ""};
        QTest::newRow("block code past the table")
            << logtest::record(2005, 1, 2, 3, 4, 1, 40, 11, 7)
            << QStringList{"03:04 02.01.2005", "Блок", "", "Блок: БКВ-А", "Адрес: 7"};

        QByteArray update = tamper;
        update[3] = char(0x80 + 0x23);
        update[5] = 3;
        update[7] = 26;
        QTest::newRow("firmware update") << update
                                         << QStringList{"23:59 31.12.2024", "Пользователь", "Обновление версии ПО",
                                                        "Версия №: 3", ""};
        QTest::newRow("user arms a zone")
            << logtest::record(2024, 5, 6, 7, 8, 2, 1, 7, 2)
            << QStringList{"07:08 06.05.2024", "Пользователь", "Взятие", "Пользователь: 7", "Зона: 2"};
        QTest::newRow("user created by an admin")
            << logtest::record(2024, 5, 6, 7, 8, 2, 10, 7, 255)
            << QStringList{"07:08 06.05.2024", "Пользователь", "Создание", "Пользователь: 7", "Администратор: 255"};
        QTest::newRow("clock set by an admin")
            << logtest::record(2024, 5, 6, 7, 8, 2, 25, 1, 9)
            << QStringList{"07:08 06.05.2024", "Пользователь", "Установка даты/времени", "Администратор: 1", ""};
        QTest::newRow("unknown user event") << logtest::record(2024, 5, 6, 7, 8, 2, 31, 4, 9)
                                            << QStringList{"07:08 06.05.2024", "Пользователь", "", "", ""};

        QTest::newRow("zone fire") << logtest::record(2024, 5, 6, 7, 8, 3, 2, 9, 5)
                                   << QStringList{"07:08 06.05.2024", "Зона", "ПОЖАР-1", "Зона: 5", ""};
        QTest::newRow("unknown zone event") << logtest::record(2024, 5, 6, 7, 8, 3, 20, 9, 5)
                                            << QStringList{"07:08 06.05.2024", "Зона", "", "Зона: 5", ""};
        QTest::newRow("class 0") << logtest::record(2024, 5, 6, 7, 8, 0, 1, 9, 5)
                                 << QStringList{"07:08 06.05.2024", "Неизвестно", "", "", ""};
        // The date shows as the panel wrote it, even when it cannot be a date.
        QByteArray month13 = tamper;
        month13[1] = 0x13;
        QTest::newRow("month 13") << month13
                                  << QStringList{"23:59 31.13.2024", "Блок", "Вскрытие", "Блок: БРВ-А", "Адрес: 5"};
    }

    void describes()
    {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, texts);
        const LogEvent event = decodeRecord(reinterpret_cast<const unsigned char*>(record.constData()), 0);
        QCOMPARE(describeEvent(event), texts);
    }

    void impossibleDatesDecodeToAnInvalidTimeButAreKept()
    {
        // Month 13, 30 February, hour 25, minute 60.
        const std::pair<int, unsigned char> faults[] = {{1, 0x13}, {2, 0x30}, {3, 0x65}, {4, 0x60}};
        for (const auto& [byte, value] : faults) {
            unsigned char r[8] = {0x24, 0x02, 0x28, 0x63, 0x59, 0x02, 0x05, 0x0D};
            r[byte] = value;
            const LogEvent event = decodeRecord(r, 6);
            QVERIFY2(!event.dateTime.isValid(), qPrintable(QString::number(byte)));
            QCOMPARE(event.number, 7u);
            QCOMPARE(event.eventCode, 13);
        }
    }

    void describeLeavesExactlyFiveTexts()
    {
        const QByteArray r = logtest::record(2024, 5, 6, 7, 8, 0, 1);
        const LogEvent event = decodeRecord(reinterpret_cast<const unsigned char*>(r.constData()), 0);
        QStringList longer{"a", "b", "c", "d", "e", "f", "g"};
        describeEvent(event, longer);
        QCOMPARE(longer, (QStringList{"07:08 06.05.2024", "Неизвестно", "", "", ""}));
        QStringList shorter{"stale"};
        describeEvent(event, shorter);
        QCOMPARE(shorter, longer);
    }
};

OLMA_TEST_MAIN(TestLogEvent)
#include "tst_logevent.moc"
