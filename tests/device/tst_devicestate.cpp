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
    return row(caption, colour, text).chopped(1);
}

QString rows(const QString& caption, int from, int to, const QString& colour, const QString& text)
{
    QString result;
    for (int n = from; n <= to; ++n)
        result += row(caption.arg(n), colour, text);
    return result;
}

QString table(const QString& first, const QString& body)
{
    return kBegin + head(first) + body + QStringLiteral("</table>") + kEnd;
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

// A panel with something to show on every page: version, serial and clock, a fault, loops, a zone,
// keyboards, the notifiers, relays.
QByteArray livelyRecord(unsigned char model = 0x10)
{
    QByteArray record = stateRecord(
        model, {{17, 0x80}, {18, 0x71}, {26, 0x31}, {34, 0x01}, {36, 0x09}, {40, 0x06}, {56, 0x06}, {60, 0x15}});
    return record.replace(1, 10, QByteArray::fromHex("0c393030452331122481"));
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
                 (QStringList{"Ольма-4Ех", "Ольма-8Ех", "Ольма-16Ех"}[expected]));
    }

    void commonState_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("lines"); // version, serial, clock

        // Flag bits above each field's mask are not part of the value.
        QTest::newRow("clock masks") << stateRecord(0x04,
                                                    {{4, 0x85}, {5, 0x80}, {6, 0xC7}, {7, 0xC1}, {8, 0xE2}, {9, 0x01}})
                                     << QStringList{"0", "0", "07:00:05 01.02.2001"};
        QTest::newRow("serial and version")
            << stateRecord(0x04, {{1, 0x0C}, {2, 0x39}, {3, 0x30}}) << QStringList{"12", "12345", ""};
        QTest::newRow("year 2000 is not shown")
            << stateRecord(0x04, {{7, 0x01}, {8, 0x01}, {9, 0x00}}) << QStringList{"0", "0", ""};
        QTest::newRow("31 February") << stateRecord(0x04, {{7, 0x31}, {8, 0x02}, {9, 0x24}})
                                     << QStringList{"0", "0", ""};
        QTest::newRow("not BCD") << stateRecord(0x04, {{5, 0x5A}, {7, 0x01}, {8, 0x01}, {9, 0x24}})
                                 << QStringList{"0", "0", ""};
    }

    void commonState()
    {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, lines);
        olma::device::Device device;
        device.setData(toVector(record));
        const olma::device::CommonStateLines shown = olma::device::commonStateLines(*device.commonState());
        QCOMPARE((QStringList{shown.version, shown.serialNumber, shown.clock}), lines);
        QCOMPARE((QStringList{QString::number(device.version()), QString::number(device.serialNumber())}),
                 lines.mid(0, 2));
    }

    // Each page's HTML, in the order and colours the panel's state gives.
    void pages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("expected");
        const auto add = [](Page page, const char* name) -> QTestData& { return QTest::newRow(name) << int(page); };

        const QString loops = QStringLiteral("Шлейф сигнализации");
        const QString norm = QStringLiteral("Норма");
        const QString loop = QStringLiteral("ШС %1: ");
        add(Tails, "loops before the first record")
            << Records{} << table(loops, rows(loop, 1, 4, "gray", "Не определено"));
        add(Tails, "loop byte 0x71") << Records{stateRecord(0x04, {{18, 0x71}})}
                                     << table(loops, row("ШС 1: ", "red", "Нарушение (Пожар-2)") +
                                                         row("ШС 2: ", "grey", "Выключен") +
                                                         rows(loop, 3, 4, "green", norm));
        add(Tails, "loop value 15 has no row")
            << Records{stateRecord(0x04, {{19, 0xF4}})}
            << table(loops, rows(loop, 1, 2, "green", norm) + row("ШС 3: ", "red", "Обрыв"));
        add(Tails, "16 loops") << Records{stateRecord(0x10, {{25, 0x06}})}
                               << table(loops, rows(loop, 1, 14, "green", norm) +
                                                   row("ШС 15: ", "yellow", "Пересброс питания") +
                                                   row("ШС 16: ", "green", norm));
        add(Tails, "unknown model code keeps 8 loops")
            << Records{stateRecord(0x08), stateRecord(0x05, {{18, 0x32}})}
            << table(loops, row("ШС 1: ", "red", "Пожар-1") + row("ШС 2: ", "red", "Короткое замыкание") +
                                rows(loop, 3, 8, "green", norm));
        add(Tails, "short record keeps the last state")
            << Records{stateRecord(0x04, {{18, 0x07}}), QByteArray(40, '\x04')}
            << table(loops, row("ШС 1: ", "grey", "Выключен") + rows(loop, 2, 4, "green", norm));

        const QString zones = QStringLiteral("Зона контроля");
        const QString zone = QStringLiteral("Зона %1: ");
        add(Zones, "zones before the first record")
            << Records{} << table(zones, rows(zone, 1, 4, "gray", "Не определено"));
        add(Zones, "zone value 15 has no row, the others show")
            << Records{stateRecord(0x04, {{26, 0xA1}, {27, 0xFE}})}
            << table(zones, row("Зона 1: ", "red", "Тревога") + row("Зона 2: ", "red", "Тихая тревога") +
                                row("Зона 3: ", "yellow", "Неисправность питания"));
        add(Zones, "16 zones, the last bytes")
            << Records{stateRecord(0x10, {{32, 0x87}, {33, 0xDC}})}
            << table(zones, rows(zone, 1, 12, "green", "Снят (готов)") + row("Зона 13: ", "green", "Взят") +
                                row("Зона 14: ", "yellow", "Снят (не готов)") + row("Зона 15: ", "red", "Порог-1") +
                                row("Зона 16: ", "red", "Порог-2"));

        const QString faulty = QStringLiteral("Неисправен");
        const QString source = QStringLiteral("Искробезопасный источник питания");
        const auto blocks = [](const QString& name, const QString& body) {
            return QStringLiteral("<br/>") + head(name) + body + QStringLiteral("</table>\n");
        };
        const auto unknownBlocks = [&blocks](const QString& name, int count) {
            QString body;
            for (int n = 1; n <= count; ++n)
                body += cell(name + QStringLiteral(" %1").arg(n), "grey", "Неизвестно");
            return blocks(name, body);
        };
        add(Faults, "faults before the first record: only the blocks, unknown")
            << Records{}
            << kBegin + unknownBlocks("Ольма-КВ", 4) + unknownBlocks("УПС-А(Ех)", 16) + unknownBlocks("БРВ-А", 4) +
                   unknownBlocks("БВИ-А", 4) + unknownBlocks("БКВ-А", 8) + unknownBlocks("БП-А", 4) + kEnd;
        add(Faults, "nothing wrong") << Records{stateRecord(0x10)} << kBegin + kEnd;
        add(Faults, "central board, every fault")
            << Records{stateRecord(0x04, {{10, 0x7E}})}
            << table("Плата центральная", row("ПШ1: ", "red", "Авария") + row("ПШ2: ", "red", "Авария") +
                                              row("ОП: ", "red", "Неисправно") + row("РП: ", "red", "Неисправно") +
                                              row("Оповещение: ", "red", "Отключено") +
                                              row("Звуковой оповещатель: ", "red", "Неисправно"));
        add(Faults, "4 loops have 2 power sources") << Records{stateRecord(0x04, {{11, 0xFC}})} << kBegin + kEnd;
        add(Faults, "8 loops have 4 power sources")
            << Records{stateRecord(0x08, {{11, 0xFC}})}
            << table(source, row(source + QStringLiteral(" 3: "), "red", faulty) +
                                 row(source + QStringLiteral(" 4: "), "red", faulty));
        add(Faults, "power blocks") << Records{stateRecord(0x04, {{12, 0x90}, {13, 0x02}})}
                                    << kBegin + head("БП-А 2") + row("ОП: ", "red", faulty) +
                                           row("Канал 2: ", "red", faulty) + QStringLiteral("</table>") +
                                           head("БП-А 3") + row("РП: ", "red", faulty) + QStringLiteral("</table>") +
                                           kEnd;
        add(Faults, "block types in page order")
            << Records{stateRecord(0x04, {{52, 0x40}, {49, 0x01}, {44, 0x80}})}
            << kBegin + blocks("УПС-А(Ех)", cell("УПС-А(Ех) 4", "yellow", "Вскрытие")) +
                   blocks("БВИ-А", cell("БВИ-А 1", "red", "Авария")) + blocks("БП-А", cell("БП-А 4", "red", "Авария")) +
                   kEnd;
        add(Faults, "every part, in page order")
            << Records{stateRecord(0x04, {{10, 0x01}, {11, 0x01}, {12, 0x08}, {16, 0x01}, {51, 0x80}})}
            << kBegin + head("Плата центральная") + row("Вскрытие: ", "red", "Вскрыт") + QStringLiteral("</table>") +
                   head(source) + row(source + QStringLiteral(" 1: "), "red", faulty) + QStringLiteral("</table>") +
                   head("БП-А 1") + row("Канал 2: ", "red", faulty) + QStringLiteral("</table>") +
                   head("Выходы БКВ-А") + row("БКВ-А 5 Выход 1: ", "red", "Неисправно") + QStringLiteral("</table>") +
                   blocks("БКВ-А", cell("БКВ-А 8", "yellow", "Вскрытие")) + kEnd;

        // The access table: the central board, then keyboards 1..4; "" is no access.
        const auto access = [](const QStringList& states) {
            const QString none = QStringLiteral("grey>Нет доступа");
            QString page = kBegin + head(QStringLiteral("Устройство"), QStringLiteral("Состояние доступа"));
            for (int n = 0; n < 5; ++n)
                page += QStringLiteral("<tr><td>%1: </td><td bgcolor=%2")
                            .arg(n == 0 ? QStringLiteral("Плата центральная") : QStringLiteral("Ольма-КВ %1").arg(n),
                                 states.value(n).isEmpty() ? none : states.value(n));
            return page + QStringLiteral("</td></tr></table>\n") + kEnd;
        };
        add(Access, "access before the first record") << Records{} << access({});
        add(Access, "4 loops: two administrators")
            << Records{stateRecord(0x04, {{34, 1}, {35, 7}, {36, 2}, {37, 3}, {39, 255}})}
            << access({"red>Администратор 1", "red>Администратор 2", "green>Пользователь 3", "",
                       "green>Пользователь 255"});
        add(Access, "16 loops after 4") << Records{stateRecord(0x04, {{40, 5}}), stateRecord(0x10, {{39, 5}})}
                                        << access({"", "", "", "", "red>Администратор 5"});

        const QString on = QStringLiteral("red>Включено");
        add(Releys, "relays before the first record") << Records{} << relayPage(2, {}, "grey>Неизвестно");
        add(Releys, "notifier byte 0x06")
            << Records{stateRecord(0x04, {{56, 0x06}})}
            << relayPage(2, {{"Световой оповещатель", "yellow>Переключается"}, {"Звуковой оповещатель", on}});
        add(Releys, "controlled outputs and built-in relays")
            << Records{stateRecord(0x10, {{55, 0x80}, {58, 0x01}, {59, 0x40}})}
            << relayPage(8, {{"ИП 8", "yellow>Переключается"}, {"Встроенное реле K1", on}, {"Встроенное реле K8", on}});
        add(Releys, "block outputs") << Records{stateRecord(0x04, {{62, 0x01}, {69, 0x04}, {83, 0x40}})}
                                     << relayPage(
                                            2,
                                            {{"БРВ-А-2 Реле 1", on}, {"БКВ-А-2 Выход 2", on}, {"БВИ-А-4 С/Д 8", on}});
        // Rows keep the numbers of their outputs when one before them has no row.
        add(Releys, "relay value 3 hides its row only")
            << Records{stateRecord(0x04, {{60, 0x07}, {54, 0x0C}})}
            << relayPage(2, {{"ИП 2", ""}, {"БРВ-А-1 Реле 1", ""}, {"БРВ-А-1 Реле 2", on}});
    }

    void pages()
    {
        QFETCH(int, page);
        QFETCH(Records, records);
        QFETCH(QString, expected);
        olma::device::Device device;
        feed(device, records);
        const QString html = page == Tails    ? device.tailsState()->pageHtml()
                             : page == Zones  ? device.zonesState()->pageHtml()
                             : page == Faults ? device.faultState()->pageHtml()
                             : page == Access ? device.accessState()->pageHtml()
                                              : device.releysStates()->pageHtml();
        QCOMPARE(html, expected);
    }

    void commonPageKeepsTheLastGoodClock()
    {
        olma::device::Device device;
        auto page = makePage(device, Common);
        auto* clock = page->findChild<QLineEdit*>(QStringLiteral("_dateTimeEdit"));
        QVERIFY(clock);
        const auto labels = [&page] {
            return QStringList{labelText(page.get(), "_versionLabel"), labelText(page.get(), "_typeLabel"),
                               labelText(page.get(), "_serialLabel")};
        };
        QCOMPARE(labels(), (QStringList{"1", "Ольма-4Ех", "1"}));
        QVERIFY(!clock->text().isEmpty());

        device.setData(toVector(livelyRecord(0x08)));
        QCOMPARE(labels(), (QStringList{"12", "Ольма-8Ех", "12345"}));
        QCOMPARE(clock->text(), QStringLiteral("23:45:30 31.12.2024"));

        // A record without a date: the clock keeps its last reading, the rest follows.
        device.setData(toVector(stateRecord(0x10, {{1, 3}, {2, 0x01}})));
        QCOMPARE(clock->text(), QStringLiteral("23:45:30 31.12.2024"));
        QCOMPARE(labels(), (QStringList{"3", "Ольма-16Ех", "1"}));

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
