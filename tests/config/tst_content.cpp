#include "config/content.h"
#include "config/descriptiondocument.h"
#include "imagebytes.h"
#include "testmain.h"

using namespace olma::config;

namespace {

void putMasks(imagebytes::Image& image, const QByteArray& masks)
{
    std::copy(masks.begin(), masks.end(), image.begin() + 46);
}

QByteArray masks(const imagebytes::Image& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + 46, 12);
}

// "1010" for blocks 1 and 3 connected out of four.
QString connectedPattern(const BlockGroup* group)
{
    QString s;
    for (int i = 0; i < group->count(); ++i)
        s += group->isConnected(i) ? u'1' : u'0';
    return s;
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void groupsInListOrder()
    {
        auto image = imagebytes::filled(0);
        Content content(image.data(), 0, 0);
        QStringList names;
        QStringList tags;
        QList<int> counts;
        for (IConfigItem* child : content.children()) {
            auto* group = dynamic_cast<BlockGroup*>(child);
            QVERIFY(group);
            names << group->name();
            tags << group->xmlTag();
            counts << group->count();
        }
        QCOMPARE(names, (QStringList{"Ольма-КВ", "БРВ-А", "БВИ-А", "УПС-А(Ех)", "БКВ-А", "БП-А"}));
        QCOMPARE(tags, (QStringList{"outer_block_kv", "outer_block_brv", "outer_block_bvi", "outer_block_ups",
                                    "outer_block_bkv", "outer_block_bp"}));
        QCOMPARE(counts, (QList<int>{4, 4, 4, 16, 8, 4}));
        QCOMPARE(content.group(BlockGroup::Keyboards)->description(), QStringLiteral("Клавиатура выносная"));
        QVERIFY(!content.group(BlockGroup::PowerOutputs));
    }

    void decodingMasks()
    {
        auto image = imagebytes::filled(0);
        putMasks(image, QByteArray::fromHex("05000f000100ffff8100 0000"));
        Content content(image.data(), 0, 0);
        QCOMPARE(connectedPattern(content.group(BlockGroup::Keyboards)), QStringLiteral("1010"));
        QCOMPARE(connectedPattern(content.group(BlockGroup::RelayBlocks)), QStringLiteral("1111"));
        QCOMPARE(connectedPattern(content.group(BlockGroup::IndicationBlocks)), QStringLiteral("1000"));
        QCOMPARE(connectedPattern(content.group(BlockGroup::ArmingDevices)), QString(16, u'1'));
        QCOMPARE(connectedPattern(content.group(BlockGroup::OutputBlocks)), QStringLiteral("10000001"));
        QCOMPARE(connectedPattern(content.group(BlockGroup::PowerBlocks)), QStringLiteral("0000"));
    }

    void settingABlockTouchesOneBit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("bit");
        QTest::newRow("keyboard 1") << int(BlockGroup::Keyboards) << 0 << 46 << 0;
        QTest::newRow("relay block 4") << int(BlockGroup::RelayBlocks) << 3 << 48 << 3;
        QTest::newRow("indication block 2") << int(BlockGroup::IndicationBlocks) << 1 << 50 << 1;
        QTest::newRow("arming device 10") << int(BlockGroup::ArmingDevices) << 9 << 53 << 1;
        QTest::newRow("arming device 16") << int(BlockGroup::ArmingDevices) << 15 << 53 << 7;
        QTest::newRow("output block 8") << int(BlockGroup::OutputBlocks) << 7 << 54 << 7;
        QTest::newRow("power block 3") << int(BlockGroup::PowerBlocks) << 2 << 56 << 2;
    }

    void settingABlockTouchesOneBit()
    {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(int, offset);
        QFETCH(int, bit);
        auto image = imagebytes::filled(0);
        Content content(image.data(), 0, 0);
        content.group(kind)->setConnected(index, true);
        QCOMPARE(imagebytes::changed(imagebytes::filled(0), image), QList<int>{offset});
        QCOMPARE(int(image[size_t(offset)]), 1 << bit);

        content.group(kind)->setConnected(index, false);
        QCOMPARE(image, imagebytes::filled(0));
    }

    void defaultsClearOnlyExistingAddresses()
    {
        auto image = imagebytes::filled(0);
        putMasks(image, QByteArray::fromHex("ffffffffffffffffffffffff"));
        Content content(image.data(), 0, 0);
        content.setDefault();
        // 4 keyboards, 4 relay, 4 indication, 16 arming, 8 output, 4 power blocks.
        QCOMPARE(masks(image), QByteArray::fromHex("f0fff0fff0ff000000fff0ff"));

        auto zero = imagebytes::filled(0);
        Content fresh(zero.data(), 0, 0);
        fresh.setDefault();
        QCOMPARE(zero, imagebytes::filled(0));
    }

    void blockDescriptions()
    {
        auto image = imagebytes::filled(0);
        Content content(image.data(), 0, 0);
        BlockGroup* arming = content.group(BlockGroup::ArmingDevices);
        content.setDescriptionDocument(descriptions::emptyDocument());

        arming->setBlockDescription(9, QStringLiteral("Вход, 1 этаж"));
        arming->setBlockDescription(9, QStringLiteral("Вход, 2 этаж"));
        arming->setBlockDescription(0, QStringLiteral("КПП"));
        const QDomDocument document = arming->descriptionDocument();
        QCOMPARE(document.elementsByTagName(QStringLiteral("outer_block_ups")).size(), 2);
        QCOMPARE(descriptions::read(document, "outer_block_ups", 9).value_or(QString()),
                 QStringLiteral("Вход, 2 этаж"));
        // The group keeps its full name; block 1's description is not the group's.
        QCOMPARE(arming->description(), QStringLiteral("Устройство Постановки Снятия"));

        // Another tree reading the same document gets the same descriptions.
        auto other = imagebytes::filled(0);
        Content copy(other.data(), 0, 0);
        copy.setDescriptionDocument(document);
        QCOMPARE(copy.group(BlockGroup::ArmingDevices)->blockDescription(9), QStringLiteral("Вход, 2 этаж"));
        QCOMPARE(copy.group(BlockGroup::ArmingDevices)->blockDescription(0), QStringLiteral("КПП"));
        QCOMPARE(copy.group(BlockGroup::Keyboards)->blockDescription(0), QString());

        // An empty document clears them.
        copy.setDescriptionDocument(descriptions::emptyDocument());
        QCOMPARE(copy.group(BlockGroup::ArmingDevices)->blockDescription(9), QString());
    }
};

OLMA_TEST_MAIN(TestContent)
#include "tst_content.moc"
