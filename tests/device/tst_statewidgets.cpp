#include "device/device.h"
#include "staterecord.h"
#include "testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>

#include <memory>

namespace {

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

class TestStateWidgets : public QObject
{
    Q_OBJECT

private slots:
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

    void lateViewShowsTheLatestRecord()
    {
        olma::device::Device device;
        device.setData(toVector(stateRecord(0x10, {{18, 0x01}, {2, 0x05}})));
        device.setData(toVector(stateRecord(0x04, {{18, 0x70}, {2, 0x07}})));

        auto common = makePage(device, Common);
        QCOMPARE(labelText(common.get(), "_serialLabel"), QStringLiteral("7"));
        QCOMPARE(labelText(common.get(), "_typeLabel"), QStringLiteral("Ольма-4Ех"));

        auto tails = makePage(device, Tails);
        const QString text = browserOf(tails.get())->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("Выключен")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Нарушение")));
        QVERIFY(!text.contains(QStringLiteral("ШС 5")));
    }

    void relayPageFollowsTheModel()
    {
        olma::device::Device device;
        auto page = makePage(device, Releys);
        QTextBrowser* browser = browserOf(page.get());
        device.setData(toVector(stateRecord(0x10)));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("ИП 8")));
        device.setData(toVector(stateRecord(0x04)));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("ИП 2")));
        QVERIFY(!browser->toPlainText().contains(QStringLiteral("ИП 3")));
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

OLMA_TEST_MAIN(TestStateWidgets)
#include "tst_statewidgets.moc"
