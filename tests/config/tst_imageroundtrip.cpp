#include "common/devicetype.h"
#include "config/configuration.h"
#include "imagebytes.h"
#include "refeed.h"
#include "testmain.h"

using namespace olma::config;

namespace {

constexpr int kMessage1 = 14;
constexpr int kMessage2 = 30;
constexpr int kUsers = 58;

// Takes out of a random image the few patterns that do not survive decoding and re-encoding;
// each of them has its own case in lossyFields().
void removeLossyPatterns(imagebytes::Image& image, quint32 seed)
{
    QRandomGenerator generator(seed);
    // Messages: ten characters a panel shows, then the padding the setters write.
    static const QByteArray shown =
        QByteArray(" !\"#$%&'()*+,-./0123456789:;<=>?") +
        QByteArray::fromHex("c0c1c2c3c4c5c6c7c8c9cacbcccdcecfd0d1d2d3d4d5d6d7d8d9dadbdcdddedf");
    for (int offset : {kMessage1, kMessage2}) {
        for (int i = 0; i < 10; ++i)
            image[size_t(offset + i)] = uchar(shown.at(generator.bounded(int(shown.size()))));
        for (int i = 10; i < 16; ++i)
            image[size_t(offset + i)] = ' ';
    }
    // Re-arming times have nine bits.
    image[3] &= 1;
    image[5] &= 1;
    for (int user = 0; user < kUserCount; ++user) {
        unsigned char* record = image.data() + kUsers + kUserRecordSize * user;
        // A zero first byte means "no password" whatever follows.
        if (record[0] == 0)
            record[0] = 0x10;
        // A key whose last six bytes are zero reads as "never set".
        if (std::all_of(record + 9, record + 15, [](unsigned char b) { return b == 0; }))
            record[9] = 0x01;
    }
}

// A configuration of the model over `image`, decoded from it as after reading a file.
struct Decoded
{
    Decoded(const imagebytes::Image& image, int model)
        : buffer(imagebytes::filled(0)), configuration(buffer.data(), model)
    {
        std::copy(image.begin(), image.end(), buffer.begin());
        configuration.setImage(buffer.data());
    }
    imagebytes::Image buffer;
    Configuration configuration;
};

} // namespace

class TestImageRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void everySetterKeepsTheImage_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<quint32>("seed");
        for (int model : {0, 1, 2}) {
            for (quint32 seed : {1u, 2u, 3u, 4u})
                QTest::addRow("model %d, seed %u", model, seed) << model << seed;
        }
    }

    void everySetterKeepsTheImage()
    {
        QFETCH(int, model);
        QFETCH(quint32, seed);
        auto image = imagebytes::random(seed);
        removeLossyPatterns(image, seed);

        Decoded decoded(image, model);
        const QMap<QString, int> fed = refeedTree(&decoded.configuration);
        QCOMPARE(fed.value("Params"), 1);
        QCOMPARE(fed.value("BlockGroup"), 6);
        QCOMPARE(fed.value("User"), 255);
        QCOMPARE(fed.value("Tail"), olma::loopCount(model));
        const int programms = model == 0 ? 108 : model == 1 ? 110 : 114;
        QCOMPARE(fed.value("Programm"), programms);
        QCOMPARE(fed.value("ProgrammParams"), programms);
        QCOMPARE(fed.value("TailState"), programms * olma::loopCount(model));
        QCOMPARE(fed.value("PCState"), programms);
        QCOMPARE(fed.value("KVOState"), programms);
        QCOMPARE(fed.value("BKVState"), programms * 8);
        QCOMPARE(fed.value("BPState"), programms * 4);
        QCOMPARE(fed.value("ProgrammDescription"), programms);
        QCOMPARE(imagebytes::changed(image, decoded.buffer), QList<int>());
    }

    void lossyFields_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("rewritten");

        // Only ten bytes of a message are read back, and only what a panel shows.
        QTest::newRow("message") << kMessage1 << QByteArray::fromHex("41c0e0203f00ff31dfc1c2c3c4c5c6c7")
                                 << QByteArray::fromHex("c0203f31dfc1") + QByteArray(10, ' ');
        QTest::newRow("password with first byte 00")
            << kUsers + 16 * 5 << QByteArray::fromHex("001234") << QByteArray::fromHex("ffffff");
        QTest::newRow("key with bytes 9..14 zero")
            << kUsers + 16 * 6 + 8 << QByteArray::fromHex("33000000000000") << QByteArray(7, '\xff');
        QTest::newRow("re-arming time above 511")
            << 2 << QByteArray::fromHex("10051122fe") << QByteArray::fromHex("10011100fe");
    }

    void lossyFields()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, rewritten);
        QCOMPARE(stored.size(), rewritten.size());

        auto image = imagebytes::random(99);
        removeLossyPatterns(image, 99);
        std::copy(stored.begin(), stored.end(), image.begin() + offset);

        Decoded decoded(image, 2);
        refeedTree(&decoded.configuration);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(decoded.buffer.data()) + offset, int(rewritten.size())),
                 rewritten);
        for (int changed : imagebytes::changed(image, decoded.buffer))
            QVERIFY2(changed >= offset && changed < offset + stored.size(), qPrintable(QString::number(changed)));
    }
};

OLMA_TEST_MAIN(TestImageRoundTrip)
#include "tst_imageroundtrip.moc"
