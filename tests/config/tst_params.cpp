#include "config/cipherpassword.h"
#include "config/params.h"
#include "imagebytes.h"
#include "testmain.h"

#include <functional>

using namespace olma::config;

namespace {

QByteArray bytesOf(const CipherPassword& p)
{
    return QByteArray(reinterpret_cast<const char*>(p.stored().data()), CipherPassword::kStoredSize);
}

QByteArray slice(const imagebytes::Image& image, int offset, int size)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + offset, size);
}

} // namespace

class TestParams : public QObject
{
    Q_OBJECT

private slots:
    void passwordFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("empty");
        QTest::newRow("three digits") << "123" << QByteArray::fromHex("123fff") << 3 << false;
        QTest::newRow("six digits") << "908172" << QByteArray::fromHex("908172") << 6 << false;
        QTest::newRow("five digits") << "12345" << QByteArray::fromHex("12345f") << 5 << false;
        QTest::newRow("empty") << "" << QByteArray::fromHex("ffffff") << 0 << true;
        QTest::newRow("non-digit counts as 0") << "1a3" << QByteArray::fromHex("103fff") << 3 << false;
    }

    void passwordFromText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        QFETCH(int, length);
        QFETCH(bool, empty);
        const CipherPassword p = CipherPassword::fromText(text);
        QCOMPARE(bytesOf(p), stored);
        QCOMPARE(p.length(), length);
        QCOMPARE(p.isEmpty(), empty);
    }

    void passwordFromStored_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("empty");
        QTest::newRow("fourth nibble 9") << QByteArray::fromHex("1239ff") << "1239" << 4 << false;
        QTest::newRow("stops at first non-digit") << QByteArray::fromHex("1f23ff") << "1" << 1 << false;
        QTest::newRow("all FF") << QByteArray::fromHex("ffffff") << "" << 0 << true;
        QTest::newRow("all zero") << QByteArray::fromHex("000000") << "000000" << 6 << true;
    }

    void passwordFromStored()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(bool, empty);
        CipherPassword p;
        QVERIFY(p.setStored(reinterpret_cast<const unsigned char*>(stored.constData()), 3));
        QCOMPARE(p.text(), text);
        QCOMPARE(p.length(), length);
        QCOMPARE(p.isEmpty(), empty);
        QCOMPARE(bytesOf(p), stored);
        const auto digits = p.digits();
        for (int k = 0; k < CipherPassword::kMaxDigits; ++k)
            QCOMPARE(digits[size_t(k)], k < text.size() ? uchar(text.at(k).digitValue()) : uchar(255));
    }

    void passwordRefusals()
    {
        CipherPassword p = CipherPassword::fromText(QStringLiteral("42"));
        const CipherPassword before = p;
        QVERIFY(!p.setDigits(std::array<int, 4>{1, 2, 10, 4}));
        QVERIFY(!p.setDigits(std::array<int, 6>{1, 2, 3, 4, 5, -1}));
        const unsigned char bytes[4] = {0x12, 0x34, 0x56, 0x78};
        QVERIFY(!p.setStored(bytes, 4));
        QCOMPARE(p, before);

        QVERIFY(p.setDigits(std::array<int, 4>{9, 8, 7, 6}));
        QCOMPARE(bytesOf(p), QByteArray::fromHex("9876ff"));
        QCOMPARE(p.length(), 4);
        QVERIFY(p != before);
    }

    void settersWriteOnlyTheirBytes()
    {
        struct Case
        {
            const char* name;
            unsigned char fill; // the whole image before the setter
            std::function<void(Params&)> set;
            QByteArray expected; // bytes 0..13 after the setter; the rest must not change
        };
        // Patterns, so that both cleared bits and untouched neighbours show.
        const QList<Case> cases = {
            {"timer1", 0xA5, [](Params& p) { p.setTimer1(200); }, QByteArray::fromHex("c8a5a5a5a5a5a5a5a5a5a5a5a5a5")},
            {"timer2", 0xA5, [](Params& p) { p.setTimer2(7); }, QByteArray::fromHex("a507a5a5a5a5a5a5a5a5a5a5a5a5")},
            {"autoPre 510", 0xA5, [](Params& p) { p.setAutoPre(510); },
             QByteArray::fromHex("a5a5fe01a5a5a5a5a5a5a5a5a5a5")},
            {"autoPre 256", 0xA5, [](Params& p) { p.setAutoPre(256); },
             QByteArray::fromHex("a5a50001a5a5a5a5a5a5a5a5a5a5")},
            {"autoPreDaily", 0xA5, [](Params& p) { p.setAutoPreDaily(300); },
             QByteArray::fromHex("a5a5a5a52c01a5a5a5a5a5a5a5a5")},
            {"kv sound", 0xA5, [](Params& p) { p.setKvSoundWorkTime(255); },
             QByteArray::fromHex("a5a5a5a5a5a5ffa5a5a5a5a5a5a5")},
            {"pts sound", 0xA5, [](Params& p) { p.setPtsSoundWorkTime(30); },
             QByteArray::fromHex("a5a5a5a5a5a5a51ea5a5a5a5a5a5")},
            {"engineer password", 0xA5, [](Params& p) { p.setEngineerPassword(CipherPassword::fromText("654321")); },
             QByteArray::fromHex("a5a5a5a5a5a5a5a5654321a5a5a5")},
            // Bytes 11 and 13 and bits 1..7 of byte 12 belong to the panel.
            {"time sync on", 0x5A, [](Params& p) { p.setTimeSync(1); },
             QByteArray::fromHex("5a5a5a5a5a5a5a5a5a5a5a5a5b5a")},
            {"time sync off", 0xA5, [](Params& p) { p.setTimeSync(0); },
             QByteArray::fromHex("a5a5a5a5a5a5a5a5a5a5a5a5a4a5")},
            {"defaults", 0xA5, [](Params& p) { p.setDefault(); }, QByteArray::fromHex("0000000000000000ffffffa5a4a5")},
        };
        for (const Case& c : cases) {
            auto image = imagebytes::filled(c.fill);
            Params params(image.data(), 0, 0);
            c.set(params);
            QVERIFY2(slice(image, 0, 14) == c.expected, c.name);
            const int rest = olma::config::kImageSize - 14;
            QVERIFY2(slice(image, 14, rest) == QByteArray(rest, char(c.fill)), c.name);
        }
    }

    void decoding()
    {
        auto image = imagebytes::filled(0);
        const QByteArray head = QByteArray::fromHex("0a14fe0100010ffe1239ff0001");
        std::copy(head.begin(), head.end(), image.begin());
        Params params(image.data(), 0, 0);
        QCOMPARE(params.timer1(), quint16(10));
        QCOMPARE(params.timer2(), quint16(20));
        QCOMPARE(params.autoPre(), quint32(510));
        QCOMPARE(params.autoPreDaily(), quint32(256));
        QCOMPARE(params.kvSoundWorkTime(), quint16(15));
        QCOMPARE(params.ptsSoundWorkTime(), quint16(254));
        QCOMPARE(params.engineerPassword().text(), QStringLiteral("1239"));
        QCOMPARE(params.timeSync(), quint16(1));
    }

    void messages()
    {
        auto image = imagebytes::filled(0);
        Params params(image.data(), 0, 0);

        params.setMessage1(QStringLiteral("ПОЖАР1"));
        QCOMPARE(slice(image, 14, 16), QByteArray::fromHex("cfcec6c0d031") + QByteArray(10, ' '));
        params.setMessage2(QStringLiteral("ЗОНА 12?"));
        QCOMPARE(slice(image, 30, 16), QByteArray::fromHex("c7cecdc0203132") + "?" + QByteArray(8, ' '));
        QCOMPARE(slice(image, 0, 14), QByteArray(14, '\0'));

        // Only the first ten bytes are read back, and only the characters a panel can show.
        params.loadFromImage();
        QCOMPARE(params.message1(), QStringLiteral("ПОЖАР1    "));
        const QByteArray odd = QByteArray::fromHex("41c000ffe0203f5a31dfc1c1c1c1c1c1");
        std::copy(odd.begin(), odd.end(), image.begin() + 14);
        params.loadFromImage();
        QCOMPARE(params.message1(), QStringLiteral("А ?1Я"));

        // The defaults leave the messages alone.
        params.setDefault();
        QCOMPARE(slice(image, 14, 16), odd);
    }
};

OLMA_TEST_MAIN(TestParams)
#include "tst_params.moc"
