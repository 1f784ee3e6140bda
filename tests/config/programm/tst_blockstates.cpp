#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/kvostate.h"
#include "config/programm/multibkvstate.h"
#include "config/programm/multibpstate.h"
#include "config/programm/pcstate.h"
#include "config/programm/trigger.h"
#include "programmbytes.h"
#include "testmain.h"

#include <QSignalSpy>

#include <functional>
#include <memory>

using namespace olma::config;
using namespace olma::config::programm;
using namespace programmbytes;

namespace {

// A trigger of the panel-event or power-block byte(s): its accessors, record byte and shift.
template <typename Common> struct Trigger
{
    void (Common::*set)(const quint16&);
    quint16 (Common::*get)() const;
    int byte;
    int shift;
};

const QList<Trigger<PCStateCommon>>& panelTriggers()
{
    static const QList<Trigger<PCStateCommon>> all = {
        {&PCStateCommon::setZoFault, &PCStateCommon::zoFault, kPanel, 6},
        {&PCStateCommon::setSoFault, &PCStateCommon::soFault, kPanel + 1, 0},
        {&PCStateCommon::setNoticeOff, &PCStateCommon::noticeOff, kPanel + 1, 2},
        {&PCStateCommon::setRpFault, &PCStateCommon::rpFault, kPanel, 4},
        {&PCStateCommon::setOpFault, &PCStateCommon::opFault, kPanel, 2},
        {&PCStateCommon::setCorpseOpen, &PCStateCommon::corpseOpen, kPanel, 0},
        {&PCStateCommon::setExtBlockAccident, &PCStateCommon::extBlockAccident, kPanel + 1, 6},
        {&PCStateCommon::setExtBlockOpening, &PCStateCommon::extBlockOpening, kPanel + 1, 4},
    };
    return all;
}

// Power block k's byte is kBp + k.
const QList<Trigger<BPStateCommon>>& powerTriggers()
{
    static const QList<Trigger<BPStateCommon>> all = {
        {&BPStateCommon::setOp, &BPStateCommon::op, 0, 6},
        {&BPStateCommon::setRp, &BPStateCommon::rp, 0, 4},
        {&BPStateCommon::setCh2, &BPStateCommon::ch2, 0, 2},
        {&BPStateCommon::setCh1, &BPStateCommon::ch1, 0, 0},
    };
    return all;
}

// Sets a trigger to every value in turn over a patterned image and checks that only its two bits
// change and that it reads back from the image.
template <typename Item, typename Common>
void checkTriggerBits(const Trigger<Common>& t, int absoluteByte, int fill,
                      const std::function<Item*(unsigned char*)>& make)
{
    auto image = imagebytes::filled(uchar(fill));
    std::unique_ptr<Item> item(make(image.data()));
    QCOMPARE((item.get()->*t.get)(), quint16((fill >> t.shift) & 3));
    for (quint16 value : {quint16(1), quint16(2), quint16(3), quint16(0)}) {
        QSignalSpy changed(item.get(), &Item::changed);
        (item.get()->*t.set)(value);
        QCOMPARE(changed.count(), 1);
        auto expected = imagebytes::filled(uchar(fill));
        unsigned char& byte = expected[size_t(absoluteByte)];
        byte = uchar((byte & ~(3 << t.shift)) | (value << t.shift));
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
        item->loadFromImage();
        QCOMPARE((item.get()->*t.get)(), value);
    }
}

} // namespace

class TestBlockStates : public QObject
{
    Q_OBJECT

private slots:
    void panelEventBits_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<int>("fill");
        const char* names[] = {"ЗО", "СО", "notice off", "РП", "ОП", "case", "ext failure", "ext opening"};
        for (int t = 0; t < 8; ++t) {
            for (int fill : {0x00, 0xFF, 0x69})
                QTest::addRow("%s over %02x", names[t], fill) << t << fill;
        }
    }

    void panelEventBits()
    {
        QFETCH(int, trigger);
        QFETCH(int, fill);
        const auto& t = panelTriggers().at(trigger);
        checkTriggerBits<PCState>(t, recordOffset(40) + t.byte, fill,
                                  [](unsigned char* image) { return new PCState(image, 0, 40); });
    }

    void powerBlockBits_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("fill");
        const char* names[] = {"ОП", "РП", "channel 2", "channel 1"};
        for (int t = 0; t < 4; ++t) {
            for (int block : {0, 3})
                QTest::addRow("%s of block %d", names[t], block + 1) << t << block << (block ? 0xFF : 0x00);
        }
    }

    void powerBlockBits()
    {
        QFETCH(int, trigger);
        QFETCH(int, block);
        QFETCH(int, fill);
        checkTriggerBits<BPState>(
            powerTriggers().at(trigger), recordOffset(113) + kBp + block, fill,
            [block](unsigned char* image) { return new BPState(image, 2, 113, unsigned(block)); });
    }

    void powerBlockChannels()
    {
        // Channel 1 fault 1 and channel 2 fault 2 of block 2 make the low nibble 9 of record byte 49.
        auto image = imagebytes::filled(0xF0);
        BPStates blocks(image.data(), 0, 6);
        blocks.bpState(1)->setCh1(1);
        blocks.bpState(1)->setCh2(2);
        QCOMPARE(int(image[size_t(recordOffset(6) + 49)]), 0xF9);
        QCOMPARE(imagebytes::changed(imagebytes::filled(0xF0), image), QList<int>{recordOffset(6) + 49});
    }

    void ipOutputs_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::newRow("4 loops") << 0 << 2;
        QTest::newRow("8 loops") << 1 << 4;
        QTest::newRow("16 loops") << 2 << 8;
        QTest::newRow("unknown model") << 4 << 2;
    }

    // Output i lives in bits 2i+1..2i of byte 38 (outputs 1..4) or 39 (5..8); outputs the model
    // lacks are neither read nor written.
    void ipOutputs()
    {
        QFETCH(int, model);
        QFETCH(int, count);
        auto image = imagebytes::random(9);
        const unsigned char* ip = image.data() + recordOffset(0) + kIp;
        KVOState state(image.data(), model, 0);
        QCOMPARE(state.count(), count);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(int(state.state(i)), i < count ? (ip[i / 4] >> (2 * (i % 4))) & 3 : 0);

        QSignalSpy changed(&state, &KVOState::changed);
        auto expected = image;
        for (int i = 0; i < 8; ++i) {
            state.setState(i, 2);
            if (i < count) {
                unsigned char& byte = expected[size_t(recordOffset(0) + kIp + i / 4)];
                byte = uchar((byte & ~(3 << (2 * (i % 4)))) | (2 << (2 * (i % 4))));
            }
        }
        QCOMPARE(changed.count(), count);
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());

        // Output 5 of program 0 is bits 1..0 of image byte 4209.
        if (count == 8)
            QCOMPARE(int(image[4209] & 3), 2);

        state.setDefault();
        for (int i = 0; i < count; ++i)
            expected[size_t(recordOffset(0) + kIp + i / 4)] &= uchar(~(3 << (2 * (i % 4))));
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
    }

    void guards()
    {
        auto image = imagebytes::filled(0);
        KVOState ip(image.data(), 2, 1);
        BKVStates bkv(image.data(), 2, 113);
        QSignalSpy ipChanged(&ip, &KVOState::changed);
        QSignalSpy bkvChanged(bkv.bkvState(7), &BKVState::changed);

        // Output indexes outside and values above 3 are ignored without a word.
        for (int i : {-1, 8, 100})
            ip.setState(i, 1);
        ip.setState(0, 4);
        for (int i : {-1, 4})
            bkv.bkvState(7)->setState(i, 1);
        bkv.bkvState(7)->setState(0, 4);
        QCOMPARE(ipChanged.count(), 0);
        QCOMPARE(bkvChanged.count(), 0);
        QCOMPARE(imagebytes::changed(imagebytes::filled(0), image), QList<int>());
        QCOMPARE(int(ip.state(-1)), 0);
        QCOMPARE(int(ip.state(8)), 0);
        QCOMPARE(int(bkv.bkvState(7)->state(4)), 0);

        // 3 is kept by every setter and reads as inactive.
        ip.setState(7, 3);
        QCOMPARE(int(image[size_t(recordOffset(1) + kIp + 1)]), 0xC0);
        QCOMPARE(stateText(ip.state(7)), QStringLiteral("Неактивно"));

        // Output 4 of БКВ-А block 8 of program 113: bits 7..6 of image byte 10093.
        bkv.bkvState(7)->setState(3, 1);
        QCOMPARE(bkvChanged.count(), 1);
        QCOMPARE(int(image[10093]), 0x40);
        QCOMPARE(imagebytes::changed(imagebytes::filled(0), image), (QList<int>{recordOffset(1) + kIp + 1, 10093}));
    }

    void bkvOutputBits()
    {
        auto image = imagebytes::random(10);
        BKVStates blocks(image.data(), 0, 55);
        QCOMPARE(blocks.count(), 8);
        QCOMPARE(blocks.children().size(), 8);
        for (int k = 0; k < 8; ++k) {
            const unsigned char byte = image[size_t(recordOffset(55) + kBkv + k)];
            for (int i = 0; i < 4; ++i)
                QCOMPARE(int(blocks.bkvState(k)->state(i)), (byte >> (2 * i)) & 3);
        }
        auto expected = image;
        blocks.bkvState(2)->setState(1, 2);
        unsigned char& byte = expected[size_t(recordOffset(55) + kBkv + 2)];
        byte = uchar((byte & 0xF3) | 0x08);
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());

        blocks.setDefault();
        for (int k = 0; k < 8; ++k)
            expected[size_t(recordOffset(55) + kBkv + k)] = 0;
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
    }

    void groupSignals()
    {
        auto image = imagebytes::filled(0);
        BKVStates bkv(image.data(), 0, 0);
        BPStates bp(image.data(), 0, 0);
        QSignalSpy bkvChanged(&bkv, &BKVStates::changed);
        QSignalSpy bpChanged(&bp, &BPStates::changed);
        bkv.bkvState(5)->setState(2, 1);
        bp.bpState(2)->setRp(1);
        bp.bpState(0)->setOp(2);
        QCOMPARE(bkvChanged.count(), 1);
        QCOMPARE(bkvChanged.first().first().value<BKVStates*>(), &bkv);
        QCOMPARE(bpChanged.count(), 2);
        QCOMPARE(bpChanged.first().first().value<BPStates*>(), &bp);
    }

    void assignments()
    {
        auto image = imagebytes::random(12);
        const auto original = image;
        const int from = 20;
        const int to = 21;
        PCState panelFrom(image.data(), 1, from), panelTo(image.data(), 1, to);
        KVOState ipFrom(image.data(), 1, from), ipTo(image.data(), 1, to);
        BKVStates bkvFrom(image.data(), 1, from), bkvTo(image.data(), 1, to);
        BPStates bpFrom(image.data(), 1, from), bpTo(image.data(), 1, to);
        bkvFrom.setCurrentRow(6);

        panelTo.assign(panelFrom);
        ipTo.assign(ipFrom);
        bkvTo.assign(bkvFrom);
        bpTo.assign(bpFrom);

        // Bytes 36..51 follow the source, except the bits of ИП outputs 5..8, which the 8-loop model
        // does not have.
        QByteArray expected = record(original, to);
        const QByteArray source = record(original, from);
        for (int i = kPanel; i < kRecordSize; ++i)
            expected[i] = source[i];
        expected[kIp + 1] = record(original, to)[kIp + 1];
        QCOMPARE(record(image, to).toHex(' '), expected.toHex(' '));
        QCOMPARE(record(image, from), source);
        QCOMPARE(bkvTo.currentRow(), 0);

        // Onto itself: nothing.
        QSignalSpy panelChanged(&panelTo, &PCState::changed);
        QSignalSpy ipChanged(&ipTo, &KVOState::changed);
        QSignalSpy bkvChanged(&bkvTo, &BKVStates::changed);
        QSignalSpy bpChanged(&bpTo, &BPStates::changed);
        panelTo.assign(panelTo);
        ipTo.assign(ipTo);
        bkvTo.assign(bkvTo);
        bpTo.assign(bpTo);
        QCOMPARE(panelChanged.count() + ipChanged.count() + bkvChanged.count() + bpChanged.count(), 0);
    }

    void severalBlocksAtOnce()
    {
        auto image = imagebytes::filled(0);
        BKVStates bkv(image.data(), 0, 90);
        BPStates bp(image.data(), 0, 90);
        for (int k = 0; k < 8; ++k) {
            for (int i = 0; i < 4; ++i)
                bkv.bkvState(k)->setState(i, 1);
        }
        for (int k = 0; k < 4; ++k) {
            bp.bpState(k)->setOp(2);
            bp.bpState(k)->setCh1(2);
        }

        // The editor opens with every trigger inactive, whatever the blocks hold.
        MultiBKVState outputs({bkv.bkvState(1), bkv.bkvState(6)}, 0);
        MultiBPState power({bp.bpState(0), bp.bpState(3)}, 0);
        for (int i = -1; i < 5; ++i)
            QCOMPARE(int(outputs.state(i)), 0);
        QCOMPARE(int(power.op() + power.rp() + power.ch1() + power.ch2()), 0);

        outputs.setState(3, 2);
        power.setRp(1);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBkv + 1)]), 0x95);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBkv + 6)]), 0x95);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBkv + 2)]), 0x55);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBp + 0)]), 0x92);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBp + 3)]), 0x92);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBp + 1)]), 0x82);

        outputs.setDefault();
        power.setDefault();
        QCOMPARE(int(image[size_t(recordOffset(90) + kBkv + 1)]), 0x00);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBkv + 6)]), 0x00);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBkv + 0)]), 0x55);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBp + 0)]), 0x00);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBp + 3)]), 0x00);
        QCOMPARE(int(image[size_t(recordOffset(90) + kBp + 2)]), 0x82);
    }
};

OLMA_TEST_MAIN(TestBlockStates)
#include "tst_blockstates.moc"
