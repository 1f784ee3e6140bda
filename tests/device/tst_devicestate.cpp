#include "device/accessstate.h"
#include "device/commonstate.h"
#include "device/device.h"
#include "device/faultstate.h"
#include "device/releysstates.h"
#include "device/tailsstate.h"
#include "device/zonesstate.h"
#include "staterecord.h"
#include "testmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <memory>

namespace {

using Records = QList<QByteArray>;

const QString kBegin = QStringLiteral("<html>\n<body>\n");
const QString kEnd = QStringLiteral("</body></html>\n");

QString head(const QString& first, const QString& second = QStringLiteral("Состояние"))
{
    return QStringLiteral("<table width=70%>\n<tr><th width=70%>") + first + QStringLiteral("</th><th width=30%>") +
           second + QStringLiteral("</th></tr>\n");
}

// A row of the loop, zone and fault tables (ends with a line break).
QString row(const QString& caption, const QString& colour, const QString& text)
{
    return QStringLiteral("<tr><td>%1</td><td bgcolor=%2>%3</td></tr>\n").arg(caption, colour, text);
}

// A row of the block and relay tables (no line break).
QString cell(const QString& caption, const QString& colour, const QString& text)
{
    return QStringLiteral("<tr><td>%1</td><td bgcolor=%2>%3</td></tr>").arg(caption, colour, text);
}

QString rows(const QString& caption, int from, int to, const QString& colour, const QString& text)
{
    QString result;
    for (int n = from; n <= to; ++n)
        result += row(caption.arg(n), colour, text);
    return result;
}

// The relay page: every output "Выключено" unless `cells` says otherwise ("" hides the row).
QString relayPage(int ipCount, const QMap<QString, QString>& cells = {},
                  const QString& normal = QStringLiteral("green>Выключено"))
{
    struct Group
    {
        QString name;
        QStringList captions;
    };
    QList<Group> groups;
    Group ip{QStringLiteral("ИП"), {}};
    for (int i = 1; i <= ipCount; ++i)
        ip.captions << QStringLiteral("ИП %1").arg(i);
    groups << ip;
    groups << Group{QStringLiteral("Световой оповещатель"), {QStringLiteral("Световой оповещатель")}};
    groups << Group{QStringLiteral("Звуковой оповещатель"), {QStringLiteral("Звуковой оповещатель")}};
    Group builtIn{QStringLiteral("Встроенное реле"), {}};
    for (int i = 1; i <= 8; ++i)
        builtIn.captions << QStringLiteral("Встроенное реле K%1").arg(i);
    groups << builtIn;
    const auto blockGroup = [](const QString& name, const QString& caption, int blocks, int perBlock) {
        Group group{name, {}};
        for (int b = 1; b <= blocks; ++b) {
            for (int r = 1; r <= perBlock; ++r)
                group.captions << caption.arg(name).arg(b).arg(r);
        }
        return group;
    };
    groups << blockGroup(QStringLiteral("БРВ-А"), QStringLiteral("%1-%2 Реле %3"), 4, 8);
    groups << blockGroup(QStringLiteral("БКВ-А"), QStringLiteral("%1-%2 Выход %3"), 8, 4);
    groups << blockGroup(QStringLiteral("БВИ-А"), QStringLiteral("%1-%2 С/Д %3"), 4, 8);

    QString page = kBegin;
    for (const Group& group : groups) {
        page += QStringLiteral("<br/>") + head(group.name);
        for (const QString& caption : group.captions) {
            const QString value = cells.value(caption, normal);
            if (!value.isEmpty())
                page += QStringLiteral("<tr><td>%1</td><td bgcolor=%2</td></tr>").arg(caption, value);
        }
        page += QStringLiteral("</table>\n");
    }
    return page + kEnd;
}

void feed(olma::device::Device& device, const Records& records)
{
    for (const QByteArray& record : records)
        device.setData(toVector(record));
}

enum Page
{
    Common,
    Faults,
    Tails,
    Zones,
    Access,
    Releys
};

std::unique_ptr<QWidget> makePage(olma::device::Device& device, Page page)
{
    auto widget = std::unique_ptr<QWidget>(device.guiItems().at(page).item->createWidget(nullptr));
    widget->resize(500, 240);
    return widget;
}

QTextBrowser* browserOf(QWidget* page)
{
    return page->findChild<QTextBrowser*>();
}

QString labelText(QWidget* page, const char* name)
{
    return page->findChild<QLabel*>(QLatin1String(name))->text();
}

// A panel with something to show on every page.
QByteArray livelyRecord(unsigned char model = 0x10)
{
    return stateRecord(model, {{1, 0x0C},
                               {2, 0x39},
                               {3, 0x30},
                               {4, 0x30},
                               {5, 0x45},
                               {6, 0x23},
                               {7, 0x31},
                               {8, 0x12},
                               {9, 0x24},
                               {10, 0x81},
                               {17, 0x80},
                               {18, 0x71},
                               {26, 0x31},
                               {34, 0x01},
                               {36, 0x09},
                               {40, 0x06},
                               {56, 0x06},
                               {60, 0x15}});
}

} // namespace

class TestDeviceState : public QObject
{
    Q_OBJECT

private slots:
    void modelIndexFollowsTheRecord_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("expected");
        QTest::newRow("none yet") << QList<int>{} << 0;
        QTest::newRow("0x08") << QList<int>{0x08} << 1;
        QTest::newRow("0x10") << QList<int>{0x10} << 2;
        QTest::newRow("0x10 then 0x04") << QList<int>{0x10, 0x04} << 0;
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

    void tailsPage_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("expected");

        const QString tails = head(QStringLiteral("Шлейф сигнализации"));
        const QString norm = QStringLiteral("Норма");
        const QString caption = QStringLiteral("ШС %1: ");

        QTest::newRow("before the first record")
            << Records{}
            << kBegin + tails + rows(caption, 1, 4, QStringLiteral("gray"), QStringLiteral("Не определено")) +
                   QStringLiteral("</table>") + kEnd;
        QTest::newRow("loop byte 0x71")
            << Records{stateRecord(0x04, {{18, 0x71}})}
            << kBegin + tails +
                   row(QStringLiteral("ШС 1: "), QStringLiteral("red"), QStringLiteral("Нарушение (Пожар-2)")) +
                   row(QStringLiteral("ШС 2: "), QStringLiteral("grey"), QStringLiteral("Выключен")) +
                   rows(caption, 3, 4, QStringLiteral("green"), norm) + QStringLiteral("</table>") + kEnd;
        QTest::newRow("value 15 has no row")
            << Records{stateRecord(0x04, {{19, 0xF4}})}
            << kBegin + tails + rows(caption, 1, 2, QStringLiteral("green"), norm) +
                   row(QStringLiteral("ШС 3: "), QStringLiteral("red"), QStringLiteral("Обрыв")) +
                   QStringLiteral("</table>") + kEnd;
        QTest::newRow("16 loops") << Records{stateRecord(0x10, {{25, 0x06}})}
                                  << kBegin + tails + rows(caption, 1, 14, QStringLiteral("green"), norm) +
                                         row(QStringLiteral("ШС 15: "), QStringLiteral("yellow"),
                                             QStringLiteral("Пересброс питания")) +
                                         row(QStringLiteral("ШС 16: "), QStringLiteral("green"), norm) +
                                         QStringLiteral("</table>") + kEnd;
        QTest::newRow("unknown model code keeps 8 loops")
            << Records{stateRecord(0x08), stateRecord(0x05, {{18, 0x32}})}
            << kBegin + tails + row(QStringLiteral("ШС 1: "), QStringLiteral("red"), QStringLiteral("Пожар-1")) +
                   row(QStringLiteral("ШС 2: "), QStringLiteral("red"), QStringLiteral("Короткое замыкание")) +
                   rows(caption, 3, 8, QStringLiteral("green"), norm) + QStringLiteral("</table>") + kEnd;
        QTest::newRow("short record keeps the last state")
            << Records{stateRecord(0x04, {{18, 0x07}}), QByteArray(40, '\x04')}
            << kBegin + tails + row(QStringLiteral("ШС 1: "), QStringLiteral("grey"), QStringLiteral("Выключен")) +
                   rows(caption, 2, 4, QStringLiteral("green"), norm) + QStringLiteral("</table>") + kEnd;
    }

    void tailsPage()
    {
        QFETCH(Records, records);
        QFETCH(QString, expected);
        olma::device::Device device;
        feed(device, records);
        QCOMPARE(device.tailsState()->pageHtml(), expected);
    }

    void zonesPage_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("expected");

        const QString zones = head(QStringLiteral("Зона контроля"));
        const QString caption = QStringLiteral("Зона %1: ");

        QTest::newRow("before the first record")
            << Records{}
            << kBegin + zones + rows(caption, 1, 4, QStringLiteral("gray"), QStringLiteral("Не определено")) +
                   QStringLiteral("</table>") + kEnd;
        QTest::newRow("value 15 has no row, the others show")
            << Records{stateRecord(0x04, {{26, 0xA1}, {27, 0xFE}})}
            << kBegin + zones + row(QStringLiteral("Зона 1: "), QStringLiteral("red"), QStringLiteral("Тревога")) +
                   row(QStringLiteral("Зона 2: "), QStringLiteral("red"), QStringLiteral("Тихая тревога")) +
                   row(QStringLiteral("Зона 3: "), QStringLiteral("yellow"), QStringLiteral("Неисправность питания")) +
                   QStringLiteral("</table>") + kEnd;
        QTest::newRow("16 zones, the last bytes")
            << Records{stateRecord(0x10, {{32, 0x87}, {33, 0xDC}})}
            << kBegin + zones + rows(caption, 1, 12, QStringLiteral("green"), QStringLiteral("Снят (готов)")) +
                   row(QStringLiteral("Зона 13: "), QStringLiteral("green"), QStringLiteral("Взят")) +
                   row(QStringLiteral("Зона 14: "), QStringLiteral("yellow"), QStringLiteral("Снят (не готов)")) +
                   row(QStringLiteral("Зона 15: "), QStringLiteral("red"), QStringLiteral("Порог-1")) +
                   row(QStringLiteral("Зона 16: "), QStringLiteral("red"), QStringLiteral("Порог-2")) +
                   QStringLiteral("</table>") + kEnd;
    }

    void zonesPage()
    {
        QFETCH(Records, records);
        QFETCH(QString, expected);
        olma::device::Device device;
        feed(device, records);
        QCOMPARE(device.zonesState()->pageHtml(), expected);
    }

    void faultPage_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("expected");

        const QString red = QStringLiteral("red");
        const QString faulty = QStringLiteral("Неисправен");
        const auto unknownBlocks = [](const QString& name, int count) {
            QString table = QStringLiteral("<br/>") + head(name);
            for (int n = 1; n <= count; ++n)
                table +=
                    cell(name + QStringLiteral(" %1").arg(n), QStringLiteral("grey"), QStringLiteral("Неизвестно"));
            return table + QStringLiteral("</table>\n");
        };

        QTest::newRow("before the first record: only the blocks, unknown")
            << Records{}
            << kBegin + unknownBlocks(QStringLiteral("Ольма-КВ"), 4) + unknownBlocks(QStringLiteral("УПС-А(Ех)"), 16) +
                   unknownBlocks(QStringLiteral("БРВ-А"), 4) + unknownBlocks(QStringLiteral("БВИ-А"), 4) +
                   unknownBlocks(QStringLiteral("БКВ-А"), 8) + unknownBlocks(QStringLiteral("БП-А"), 4) + kEnd;
        QTest::newRow("nothing wrong") << Records{stateRecord(0x10)} << kBegin + kEnd;
        QTest::newRow("central board, every fault")
            << Records{stateRecord(0x04, {{10, 0x7E}})}
            << kBegin + head(QStringLiteral("Плата центральная")) +
                   row(QStringLiteral("ПШ1: "), red, QStringLiteral("Авария")) +
                   row(QStringLiteral("ПШ2: "), red, QStringLiteral("Авария")) +
                   row(QStringLiteral("ОП: "), red, QStringLiteral("Неисправно")) +
                   row(QStringLiteral("РП: "), red, QStringLiteral("Неисправно")) +
                   row(QStringLiteral("Оповещение: "), red, QStringLiteral("Отключено")) +
                   row(QStringLiteral("Звуковой оповещатель: "), red, QStringLiteral("Неисправно")) +
                   QStringLiteral("</table>") + kEnd;
        QTest::newRow("4 loops have 2 power sources") << Records{stateRecord(0x04, {{11, 0xFC}})} << kBegin + kEnd;
        QTest::newRow("8 loops have 4 power sources")
            << Records{stateRecord(0x08, {{11, 0xFC}})}
            << kBegin + head(QStringLiteral("Искробезопасный источник питания")) +
                   row(QStringLiteral("Искробезопасный источник питания 3: "), red, faulty) +
                   row(QStringLiteral("Искробезопасный источник питания 4: "), red, faulty) +
                   QStringLiteral("</table>") + kEnd;
        QTest::newRow("power blocks") << Records{stateRecord(0x04, {{12, 0x90}, {13, 0x02}})}
                                      << kBegin + head(QStringLiteral("БП-А 2")) +
                                             row(QStringLiteral("ОП: "), red, faulty) +
                                             row(QStringLiteral("Канал 2: "), red, faulty) +
                                             QStringLiteral("</table>") + head(QStringLiteral("БП-А 3")) +
                                             row(QStringLiteral("РП: "), red, faulty) + QStringLiteral("</table>") +
                                             kEnd;
        QTest::newRow("block types in page order")
            << Records{stateRecord(0x04, {{52, 0x40}, {49, 0x01}, {44, 0x80}})}
            << kBegin + QStringLiteral("<br/>") + head(QStringLiteral("УПС-А(Ех)")) +
                   cell(QStringLiteral("УПС-А(Ех) 4"), QStringLiteral("yellow"), QStringLiteral("Вскрытие")) +
                   QStringLiteral("</table>\n") + QStringLiteral("<br/>") + head(QStringLiteral("БВИ-А")) +
                   cell(QStringLiteral("БВИ-А 1"), red, QStringLiteral("Авария")) + QStringLiteral("</table>\n") +
                   QStringLiteral("<br/>") + head(QStringLiteral("БП-А")) +
                   cell(QStringLiteral("БП-А 4"), red, QStringLiteral("Авария")) + QStringLiteral("</table>\n") + kEnd;
        QTest::newRow("every part, in page order")
            << Records{stateRecord(0x04, {{10, 0x01}, {11, 0x01}, {12, 0x08}, {16, 0x01}, {51, 0x80}})}
            << kBegin + head(QStringLiteral("Плата центральная")) +
                   row(QStringLiteral("Вскрытие: "), red, QStringLiteral("Вскрыт")) + QStringLiteral("</table>") +
                   head(QStringLiteral("Искробезопасный источник питания")) +
                   row(QStringLiteral("Искробезопасный источник питания 1: "), red, faulty) +
                   QStringLiteral("</table>") + head(QStringLiteral("БП-А 1")) +
                   row(QStringLiteral("Канал 2: "), red, faulty) + QStringLiteral("</table>") +
                   head(QStringLiteral("Выходы БКВ-А")) +
                   row(QStringLiteral("БКВ-А 5 Выход 1: "), red, QStringLiteral("Неисправно")) +
                   QStringLiteral("</table>") + QStringLiteral("<br/>") + head(QStringLiteral("БКВ-А")) +
                   cell(QStringLiteral("БКВ-А 8"), QStringLiteral("yellow"), QStringLiteral("Вскрытие")) +
                   QStringLiteral("</table>\n") + kEnd;
    }

    void faultPage()
    {
        QFETCH(Records, records);
        QFETCH(QString, expected);
        olma::device::Device device;
        feed(device, records);
        QCOMPARE(device.faultState()->pageHtml(), expected);
    }

    void accessPage_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("expected");

        const QString table = head(QStringLiteral("Устройство"), QStringLiteral("Состояние доступа"));
        const QString none = QStringLiteral("</td><td bgcolor=grey>Нет доступа");
        const QString close = QStringLiteral("</td></tr></table>\n");

        QTest::newRow("before the first record")
            << Records{}
            << kBegin + table + QStringLiteral("<tr><td>Плата центральная: ") + none +
                   QStringLiteral("<tr><td>Ольма-КВ 1: ") + none + QStringLiteral("<tr><td>Ольма-КВ 2: ") + none +
                   QStringLiteral("<tr><td>Ольма-КВ 3: ") + none + QStringLiteral("<tr><td>Ольма-КВ 4: ") + none +
                   close + kEnd;
        QTest::newRow("4 loops: two administrators")
            << Records{stateRecord(0x04, {{34, 1}, {35, 7}, {36, 2}, {37, 3}, {39, 255}})}
            << kBegin + table + QStringLiteral("<tr><td>Плата центральная: </td><td bgcolor=red>Администратор 1") +
                   QStringLiteral("<tr><td>Ольма-КВ 1: </td><td bgcolor=red>Администратор 2") +
                   QStringLiteral("<tr><td>Ольма-КВ 2: </td><td bgcolor=green>Пользователь 3") +
                   QStringLiteral("<tr><td>Ольма-КВ 3: ") + none +
                   QStringLiteral("<tr><td>Ольма-КВ 4: </td><td bgcolor=green>Пользователь 255") + close + kEnd;
        QTest::newRow("16 loops after 4")
            << Records{stateRecord(0x04, {{40, 5}}), stateRecord(0x10, {{39, 5}})}
            << kBegin + table + QStringLiteral("<tr><td>Плата центральная: ") + none +
                   QStringLiteral("<tr><td>Ольма-КВ 1: ") + none + QStringLiteral("<tr><td>Ольма-КВ 2: ") + none +
                   QStringLiteral("<tr><td>Ольма-КВ 3: ") + none +
                   QStringLiteral("<tr><td>Ольма-КВ 4: </td><td bgcolor=red>Администратор 5") + close + kEnd;
    }

    void accessPage()
    {
        QFETCH(Records, records);
        QFETCH(QString, expected);
        olma::device::Device device;
        feed(device, records);
        QCOMPARE(device.accessState()->pageHtml(), expected);
    }

    void releysPage_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("expected");

        QTest::newRow("before the first record") << Records{} << relayPage(2, {}, QStringLiteral("grey>Неизвестно"));
        QTest::newRow("notifier byte 0x06")
            << Records{stateRecord(0x04, {{56, 0x06}})}
            << relayPage(2, {{QStringLiteral("Световой оповещатель"), QStringLiteral("yellow>Переключается")},
                             {QStringLiteral("Звуковой оповещатель"), QStringLiteral("red>Включено")}});
        QTest::newRow("controlled outputs and built-in relays")
            << Records{stateRecord(0x10, {{55, 0x80}, {58, 0x01}, {59, 0x40}})}
            << relayPage(8, {{QStringLiteral("ИП 8"), QStringLiteral("yellow>Переключается")},
                             {QStringLiteral("Встроенное реле K1"), QStringLiteral("red>Включено")},
                             {QStringLiteral("Встроенное реле K8"), QStringLiteral("red>Включено")}});
        QTest::newRow("block outputs") << Records{stateRecord(0x04, {{62, 0x01}, {69, 0x04}, {83, 0x40}})}
                                       << relayPage(
                                              2, {{QStringLiteral("БРВ-А-2 Реле 1"), QStringLiteral("red>Включено")},
                                                  {QStringLiteral("БКВ-А-2 Выход 2"), QStringLiteral("red>Включено")},
                                                  {QStringLiteral("БВИ-А-4 С/Д 8"), QStringLiteral("red>Включено")}});
        // Rows keep the numbers of their outputs when one before them has no row.
        QTest::newRow("relay value 3 hides its row only")
            << Records{stateRecord(0x04, {{60, 0x07}, {54, 0x0C}})}
            << relayPage(2, {{QStringLiteral("ИП 2"), QString()},
                             {QStringLiteral("БРВ-А-1 Реле 1"), QString()},
                             {QStringLiteral("БРВ-А-1 Реле 2"), QStringLiteral("red>Включено")}});
    }

    void releysPage()
    {
        QFETCH(Records, records);
        QFETCH(QString, expected);
        olma::device::Device device;
        feed(device, records);
        QCOMPARE(device.releysStates()->pageHtml(), expected);
    }

    void commonPageKeepsTheLastGoodClock()
    {
        olma::device::Device device;
        auto page = makePage(device, Common);
        auto* clock = page->findChild<QLineEdit*>(QStringLiteral("_dateTimeEdit"));
        QVERIFY(clock);
        QCOMPARE(labelText(page.get(), "_versionLabel"), QStringLiteral("1"));
        QCOMPARE(labelText(page.get(), "_typeLabel"), QStringLiteral("Ольма-4Ех"));
        QCOMPARE(labelText(page.get(), "_serialLabel"), QStringLiteral("1"));
        QVERIFY(!clock->text().isEmpty());

        device.setData(toVector(livelyRecord(0x08)));
        QCOMPARE(labelText(page.get(), "_versionLabel"), QStringLiteral("12"));
        QCOMPARE(labelText(page.get(), "_typeLabel"), QStringLiteral("Ольма-8Ех"));
        QCOMPARE(labelText(page.get(), "_serialLabel"), QStringLiteral("12345"));
        QCOMPARE(clock->text(), QStringLiteral("23:45:30 31.12.2024"));

        // A record without a date: the clock keeps its last reading, the rest follows.
        device.setData(toVector(stateRecord(0x10, {{1, 3}, {2, 0x01}})));
        QCOMPARE(clock->text(), QStringLiteral("23:45:30 31.12.2024"));
        QCOMPARE(labelText(page.get(), "_typeLabel"), QStringLiteral("Ольма-16Ех"));
        QCOMPARE(labelText(page.get(), "_versionLabel"), QStringLiteral("3"));
        QCOMPARE(labelText(page.get(), "_serialLabel"), QStringLiteral("1"));

        // The clock is shown, not edited.
        page->show();
        QTest::keyClicks(clock, QStringLiteral("00"));
        QCOMPARE(clock->text(), QStringLiteral("23:45:30 31.12.2024"));
    }

    void commonPageListsWhatNeedsAttention()
    {
        olma::device::Device device;
        auto page = makePage(device, Common);
        QCOMPARE(labelText(page.get(), "_attentionLabel"), QString());
        device.setData(toVector(stateRecord(0x04)));
        QCOMPARE(labelText(page.get(), "_attentionLabel"), QStringLiteral("Всё в норме"));
        // Loop 2 in fire and loop 3 off (off is no fault), zone 4 not ready, the tamper switch,
        // power source 2, БП-А 1's mains, output 6 of БКВ-А, relay block 1 tampered.
        device.setData(toVector(stateRecord(
            0x04, {{18, 0x70}, {19, 0x02}, {27, 0x80}, {10, 0x01}, {11, 0x02}, {12, 0x01}, {14, 0x20}, {48, 0x02}})));
        QCOMPARE(labelText(page.get(), "_attentionLabel"),
                 QStringLiteral("ШС 3: Пожар-1 — «Состояние ШС»\n"
                                "Зона 4: Снят (не готов) — «Состояние Зон»\n"
                                "Вскрытие прибора: неисправность — «Неисправности»\n"
                                "Искробезопасный источник питания 2: неисправен — «Неисправности»\n"
                                "БП-А 1: неисправен — «Неисправности»\n"
                                "БКВ-А 2 Выход 2: неисправен — «Неисправности»\n"
                                "БРВ-А 1: Вскрытие — «Неисправности»"));
    }

    void relayPageHidesBlocksTheConfigurationDoesNotConnect()
    {
        olma::device::Device device;
        // Relay block 2 and output block 1 are connected; no indication block is.
        device.releysStates()->setConnectedSource(
            [](int kind, int index) { return (kind == 2 && index == 1) || (kind == 4 && index == 0); });
        device.setData(toVector(stateRecord(0x04)));
        auto page = makePage(device, Releys);
        auto* onlyConnected = page->findChild<QCheckBox*>(QStringLiteral("_onlyConnectedCheckBox"));
        QVERIFY(onlyConnected && onlyConnected->isChecked());
        const QString text = browserOf(page.get())->toPlainText();
        for (const char* shown : {"ИП 2", "Встроенное реле K8", "БРВ-А-2 Реле 1", "БРВ-А-2 Реле 8", "БКВ-А-1 Выход 4"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
        for (const char* hidden : {"БРВ-А-1 Реле 8", "БРВ-А-3 Реле 1", "БКВ-А-2 Выход 1", "БВИ-А-1 С/Д 1"})
            QVERIFY2(!text.contains(QString::fromUtf8(hidden)), hidden);
        // Off, the page is the whole one, as a panel without a configuration shows it.
        onlyConnected->setChecked(false);
        olma::device::Device unconfigured;
        unconfigured.setData(toVector(stateRecord(0x04)));
        auto whole = makePage(unconfigured, Releys);
        QCOMPARE(browserOf(page.get())->toPlainText(), browserOf(whole.get())->toPlainText());
        QCOMPARE(device.releysStates()->pageHtml(false), unconfigured.releysStates()->pageHtml());
    }

    void unchangedStateLeavesTheBrowserAlone_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("faults") << int(Faults);
        QTest::newRow("loops") << int(Tails);
        QTest::newRow("zones") << int(Zones);
        QTest::newRow("access") << int(Access);
        QTest::newRow("relays") << int(Releys);
    }

    void unchangedStateLeavesTheBrowserAlone()
    {
        QFETCH(int, page);
        olma::device::Device device;
        auto widget = makePage(device, Page(page));
        widget->show();
        QTextBrowser* browser = browserOf(widget.get());
        QVERIFY(browser);
        device.setData(toVector(livelyRecord()));
        const QString shown = browser->toPlainText();

        browser->selectAll();
        QScrollBar* scroll = browser->verticalScrollBar();
        scroll->setValue(scroll->maximum() / 2);
        const int position = scroll->value();
        QSignalSpy changes(browser->document(), &QTextDocument::contentsChanged);
        device.setData(toVector(livelyRecord()));
        QCOMPARE(changes.count(), 0);
        QVERIFY(browser->textCursor().hasSelection());
        QCOMPARE(scroll->value(), position);

        // Loop 2 of the panel comes back, an output goes on, a keyboard logs out...: the page
        // follows, and the reader stays where he was.
        QByteArray next = livelyRecord();
        next[18] = 0x01;
        next[26] = 0x00;
        next[36] = 0x00;
        next[10] = 0x01;
        next[56] = 0x00;
        device.setData(toVector(next));
        QVERIFY(changes.count() > 0);
        QVERIFY(browser->toPlainText() != shown);
        QCOMPARE(scroll->value(), position);
    }

    void closedPagesAreLeftAlone()
    {
        auto device = std::make_unique<olma::device::Device>();
        for (int page = Common; page <= Releys; ++page) {
            auto first = makePage(*device, Page(page));
            first.reset();
            device->setData(toVector(livelyRecord()));
        }

        // A page opened again follows the records.
        auto again = makePage(*device, Tails);
        device->setData(toVector(stateRecord(0x04, {{18, 0x07}})));
        QVERIFY(browserOf(again.get())->toPlainText().contains(QStringLiteral("Выключен")));

        // The main window may drop its model before the page stack deletes the page.
        device.reset();
        again.reset();
    }
};

OLMA_TEST_MAIN(TestDeviceState)
#include "tst_devicestate.moc"
