#include "config/descriptiondocument.h"
#include "config/multitail.h"
#include "config/tails.h"
#include "imagebytes.h"
#include "testmain.h"

#include <functional>

using namespace olma::config;

namespace {

constexpr int kTails = 4138;

void putTail(imagebytes::Image& image, int index, unsigned char first, unsigned char second)
{
    image[size_t(kTails + 2 * index)] = first;
    image[size_t(kTails + 2 * index + 1)] = second;
}

QByteArray tailBytes(const imagebytes::Image& image, int index)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + kTails + 2 * index, 2);
}

// The seven flags of the second byte and fire1 as "fire1 guardOn guardOff wa ar biz arg rr fc".
QString flagString(const Tail& t)
{
    QString s;
    for (bool f : {t.fire1(), t.guardOnTimeout() == 1, t.guardOffTimeout() == 1, t.withoutAlarm(), t.autoReset(),
                   t.bizEx(), t.autoReGuardOn(), t.reRequest(), t.faultCheck()})
        s += f ? u'1' : u'0';
    return s;
}

} // namespace

class TestTails : public QObject
{
    Q_OBJECT

private slots:
    void decoding_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("flags");
        QTest::newRow("fire loop") << 0x84 << 0x0F << 4 << "100001111";
        QTest::newRow("both timers 2") << 0x05 << 0xC0 << 5 << "011000000";
        QTest::newRow("without alarm, auto reset") << 0x07 << 0x30 << 7 << "000110000";
        QTest::newRow("zero") << 0x00 << 0x00 << 0 << "000000000";
    }

    void decoding()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, type);
        QFETCH(QString, flags);
        auto image = imagebytes::filled(0);
        putTail(image, 0, uchar(first), uchar(second));
        Tail tail(image.data(), 0, 0, 0);
        QCOMPARE(tail.tailType(), type);
        QCOMPARE(flagString(tail), flags);
    }

    void settersTouchOnlyTheirBits()
    {
        auto image = imagebytes::filled(0);
        putTail(image, 2, 0x84, 0x00);
        Tail tail(image.data(), 0, 2, 0);
        tail.setTailType(7);
        QCOMPARE(tailBytes(image, 2), QByteArray::fromHex("8700"));
        tail.setFire1(false);
        QCOMPARE(tailBytes(image, 2), QByteArray::fromHex("0700"));

        const QList<QPair<std::function<void(Tail&, bool)>, int>> secondByte = {
            {[](Tail& t, bool on) { t.setGuardOnTimeout(on ? 1 : 0); }, 0x80},
            {[](Tail& t, bool on) { t.setGuardOffTimeout(on ? 1 : 0); }, 0x40},
            {[](Tail& t, bool on) { t.setWithoutAlarm(on); }, 0x20},
            {[](Tail& t, bool on) { t.setAutoReset(on); }, 0x10},
            {[](Tail& t, bool on) { t.setBizEx(on); }, 0x08},
            {[](Tail& t, bool on) { t.setAutoReGuardOn(on); }, 0x04},
            {[](Tail& t, bool on) { t.setReRequest(on); }, 0x02},
            {[](Tail& t, bool on) { t.setFaultCheck(on); }, 0x01},
        };
        for (const auto& [set, bit] : secondByte) {
            auto pattern = imagebytes::filled(0xA5);
            Tail t(pattern.data(), 0, 5, 0);
            set(t, !(0xA5 & bit));
            QCOMPARE(imagebytes::changed(imagebytes::filled(0xA5), pattern), QList<int>{kTails + 11});
            QCOMPARE(int(pattern[kTails + 11]), 0xA5 ^ bit);
        }

        // Only the value 1 selects the second timer.
        auto image2 = imagebytes::filled(0);
        putTail(image2, 0, 0x00, 0xC0);
        Tail t(image2.data(), 0, 0, 0);
        t.setGuardOnTimeout(2);
        t.setGuardOffTimeout(2);
        QCOMPARE(tailBytes(image2, 0), QByteArray::fromHex("0000"));

        putTail(image2, 0, 0xFF, 0xFF);
        t.loadFromImage();
        t.setDefault();
        QCOMPARE(tailBytes(image2, 0), QByteArray::fromHex("0000"));
    }

    void modelChangeKeepsUnusedSlots()
    {
        auto image = imagebytes::random(7);
        const auto before = image;
        Tails tails(image.data(), 2, 0);
        QCOMPARE(tails.count(), 16);
        tails.setDescriptionDocument(descriptions::emptyDocument());
        tails.tail(2)->setDescription(QStringLiteral("Склад"));

        tails.setDeviceType(0);
        tails.loadFromImage();
        QCOMPARE(tails.count(), 4);
        QCOMPARE(tails.children().size(), 4);
        for (int i = 0; i < 4; ++i)
            tails.tail(i)->setDefault();
        tails.setDefault();
        QCOMPARE(tailBytes(image, 0), QByteArray(2, '\0'));

        tails.setDeviceType(1);
        tails.loadFromImage();
        QCOMPARE(tails.count(), 8);
        tails.setDeviceType(2);
        tails.loadFromImage();
        QCOMPARE(tails.count(), 16);
        // Only loops 1..4 were reset; slots 5..16 and everything else are as they were.
        const QList<int> changed = imagebytes::changed(before, image);
        for (int offset : changed)
            QVERIFY2(offset >= kTails && offset < kTails + 8, qPrintable(QString::number(offset)));
        QCOMPARE(tails.tail(15)->tailType(), before[kTails + 30] & 0x7F);
        // A loop built anew reads its description from the tree's document.
        QCOMPARE(tails.tail(2)->description(), QStringLiteral("Склад"));
    }

    void severalLoopsAtOnce()
    {
        auto image = imagebytes::filled(0);
        putTail(image, 0, 0x04, 0x01);
        putTail(image, 1, 0x05, 0x01);
        Tails tails(image.data(), 0, 0);
        MultiTail both({tails.tail(0), tails.tail(1)}, 0);
        QCOMPARE(both.tailType(), 0);
        QVERIFY(both.faultCheck());
        QVERIFY(!both.bizEx());

        both.setTailType(6);
        both.setGuardOnTimeout(1);
        QCOMPARE(tails.tail(0)->tailType(), 6);
        QCOMPARE(tails.tail(1)->tailType(), 6);
        QCOMPARE(tailBytes(image, 0), QByteArray::fromHex("0681"));
        QCOMPARE(tailBytes(image, 1), QByteArray::fromHex("0681"));
        QCOMPARE(both.tailType(), 6);

        tails.setDescriptionDocument(descriptions::emptyDocument());
        tails.tail(0)->setDescription(QStringLiteral("a"));
        QCOMPARE(both.description(), QString());
        both.setDescription(QStringLiteral("Периметр"));
        QCOMPARE(both.description(), QStringLiteral("Периметр"));
        QCOMPARE(tails.descriptionDocument().elementsByTagName(QStringLiteral("tail")).size(), 2);
    }
};

OLMA_TEST_MAIN(TestTails)
#include "tst_tails.moc"
