#include "config/cipherpassword.h"
#include "config/configitem.h"
#include "config/content.h"
#include "config/descriptiondocument.h"
#include "config/multitail.h"
#include "config/multiuser.h"
#include "config/params.h"
#include "config/tail.h"
#include "config/tails.h"
#include "config/users.h"
#include "imagebytes.h"
#include "testmain.h"

#include <functional>
#include <memory>

using namespace olma::config;

namespace {

QDomDocument documentFrom(const QString& body)
{
    QDomDocument document;
    document.setContent(
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><configuration>%1</configuration>").arg(body));
    return document;
}

// The elements under the root, as "tag#id=text" strings.
QStringList elements(const QDomDocument& document)
{
    QStringList result;
    const QDomElement root = document.documentElement();
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        result << QStringLiteral("%1#%2=%3").arg(e.tagName(), e.attribute(QStringLiteral("id")), e.text());
    return result;
}

QByteArray bytesOf(const CipherPassword& p)
{
    return QByteArray(reinterpret_cast<const char*>(p.stored().data()), CipherPassword::kStoredSize);
}

QByteArray slice(const imagebytes::Image& image, int offset, int size)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + offset, size);
}

constexpr int kRecord = 58;
constexpr int kRecordSize = 16;

void putRecord(imagebytes::Image& image, int user, const QByteArray& record)
{
    std::copy(record.begin(), record.end(), image.begin() + kRecord + kRecordSize * user);
}

QByteArray keyBytes(const IButtonKey& key)
{
    QByteArray bytes(1, char(key.first));
    bytes.append(reinterpret_cast<const char*>(key.rest.data()), IButtonKey::kRestSize);
    return bytes;
}

IButtonKey keyFrom(const QByteArray& bytes)
{
    IButtonKey key;
    key.first = uchar(bytes[0]);
    std::copy(bytes.begin() + 1, bytes.begin() + 7, key.rest.begin());
    return key;
}

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

// The flags of a loop's second byte, one bit each.
using TailFlag = std::function<void(TailCommon&, bool)>;
const QList<QPair<TailFlag, int>> kTailFlags = {
    {[](TailCommon& t, bool on) { t.setGuardOnTimeout(on ? 1 : 0); }, 0x80},
    {[](TailCommon& t, bool on) { t.setGuardOffTimeout(on ? 1 : 0); }, 0x40},
    {[](TailCommon& t, bool on) { t.setWithoutAlarm(on); }, 0x20},
    {[](TailCommon& t, bool on) { t.setAutoReset(on); }, 0x10},
    {[](TailCommon& t, bool on) { t.setBizEx(on); }, 0x08},
    {[](TailCommon& t, bool on) { t.setAutoReGuardOn(on); }, 0x04},
    {[](TailCommon& t, bool on) { t.setReRequest(on); }, 0x02},
    {[](TailCommon& t, bool on) { t.setFaultCheck(on); }, 0x01},
};

} // namespace

class TestConfigNodes : public QObject
{
    Q_OBJECT

private slots:
    // A node that never got a document makes one of its own; a second text replaces the first.
    void storingADescription()
    {
        Tail tail(nullptr, 0, 3, 0);
        tail.setDescription(QStringLiteral("Склад"));
        tail.setDescription(QStringLiteral("Склад №2"));
        QCOMPARE(elements(tail.descriptionDocument()), QStringList{QStringLiteral("tail#3=Склад №2")});
        const QDomElement element = tail.descriptionDocument().documentElement().firstChildElement();
        QCOMPARE(element.elementsByTagName(QStringLiteral("description")).size(), 1);
    }

    void readingAndWritingElements_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("read");           // what loop 3 reads
        QTest::addColumn<QStringList>("afterStore"); // the elements after loop 3 stores "new"

        QTest::newRow("match") << "<tail id=\"3\"><description>a</description></tail>"
                               << "a" << QStringList{"tail#3=new"};
        QTest::newRow("capitalised description") << "<tail id=\"3\"><Description>a</Description></tail>"
                                                 << "a" << QStringList{"tail#3=new"};
        QTest::newRow("empty id") << "<tail id=\"\"><description>a</description></tail>"
                                  << "" << QStringList{"tail#=a", "tail#3=new"};
        QTest::newRow("id not a number") << "<tail id=\"x3\"><description>a</description></tail>"
                                         << "" << QStringList{"tail#x3=a", "tail#3=new"};
        QTest::newRow("no id") << "<tail><description>a</description></tail>"
                               << "" << QStringList{"tail#=a", "tail#3=new"};
        QTest::newRow("other tag") << "<user id=\"3\"><description>a</description></user>"
                                   << "" << QStringList{"user#3=a", "tail#3=new"};
        QTest::newRow("two elements, same id")
            << "<tail id=\"3\"><description>a</description></tail><tail id=\"3\"><description>b</description></tail>"
            << "b" << QStringList{"tail#3=new", "tail#3=new"};
        QTest::newRow("element without description") << "<tail id=\"3\"/>"
                                                     << "" << QStringList{"tail#3=new"};
    }

    void readingAndWritingElements()
    {
        QFETCH(QString, body);
        QFETCH(QString, read);
        QFETCH(QStringList, afterStore);

        Tail tail(nullptr, 0, 3, 0);
        tail.setDescription(QStringLiteral("stale"));
        tail.setDescriptionDocument(documentFrom(body));
        QCOMPARE(tail.description(), read);

        tail.setDescription(QStringLiteral("new"));
        QCOMPARE(elements(tail.descriptionDocument()), afterStore);
    }

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

    void settersWriteOnlyTheirBytes()
    {
        struct Case
        {
            const char* name;
            unsigned char fill; // the whole image before the setter
            std::function<void(Params&)> set;
            int offset;
            const char* bytes; // written there; every other byte keeps the fill
        };
        // Patterns, so that both cleared bits and untouched neighbours show.
        const QList<Case> cases = {
            {"timer1", 0xA5, [](Params& p) { p.setTimer1(200); }, 0, "c8"},
            {"timer2", 0xA5, [](Params& p) { p.setTimer2(7); }, 1, "07"},
            {"autoPre 510", 0xA5, [](Params& p) { p.setAutoPre(510); }, 2, "fe01"},
            {"autoPre 256", 0xA5, [](Params& p) { p.setAutoPre(256); }, 2, "0001"},
            {"autoPreDaily", 0xA5, [](Params& p) { p.setAutoPreDaily(300); }, 4, "2c01"},
            {"kv sound", 0xA5, [](Params& p) { p.setKvSoundWorkTime(255); }, 6, "ff"},
            {"pts sound", 0xA5, [](Params& p) { p.setPtsSoundWorkTime(30); }, 7, "1e"},
            {"engineer password", 0xA5, [](Params& p) { p.setEngineerPassword(CipherPassword::fromText("654321")); }, 8,
             "654321"},
            // Bytes 11 and 13 and bits 1..7 of byte 12 belong to the panel.
            {"time sync on", 0x5A, [](Params& p) { p.setTimeSync(1); }, 12, "5b"},
            {"time sync off", 0xA5, [](Params& p) { p.setTimeSync(0); }, 12, "a4"},
            {"defaults", 0xA5, [](Params& p) { p.setDefault(); }, 0, "0000000000000000ffffffa5a4"},
        };
        for (const Case& c : cases) {
            auto image = imagebytes::filled(c.fill);
            Params params(image.data(), 0, 0);
            c.set(params);
            const QByteArray bytes = QByteArray::fromHex(c.bytes);
            QByteArray expected(olma::config::kImageSize, char(c.fill));
            expected.replace(c.offset, bytes.size(), bytes);
            QVERIFY2(slice(image, 0, olma::config::kImageSize) == expected, c.name);
        }
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
        // The padding is no part of the message.
        QCOMPARE(params.message1(), QStringLiteral("ПОЖАР1"));
        const QByteArray odd = QByteArray::fromHex("41c000ffe0203f5a31dfc1c1c1c1c1c1");
        std::copy(odd.begin(), odd.end(), image.begin() + 14);
        params.loadFromImage();
        QCOMPARE(params.message1(), QStringLiteral("А ?1Я"));

        // The defaults leave the messages alone.
        params.setDefault();
        QCOMPARE(slice(image, 14, 16), odd);
    }

    void defaultsClearOnlyExistingAddresses()
    {
        auto image = imagebytes::filled(0);
        std::fill(image.begin() + 46, image.begin() + 58, 0xFF);
        Content content(image.data(), 0, 0);
        content.setDefault();
        // 4 keyboards, 4 relay, 4 indication, 16 arming, 8 output, 4 power blocks.
        QCOMPARE(slice(image, 46, 12), QByteArray::fromHex("f0fff0fff0ff000000fff0ff"));

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

    void decodingARecord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("rights"); // tailOn | tailOff << 1 | partial << 2 | drop << 3
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<bool>("credentials");

        QTest::newRow("all zero") << QByteArray(16, '\0') << "" << 0 << 0 << QByteArray(7, '\xff') << true;
        QTest::newRow("four digits") << QByteArray::fromHex("1234ff00000000000000000000000000") << "1234" << 0 << 0
                                     << QByteArray(7, '\xff') << true;
        QTest::newRow("first byte 00 means no password")
            << QByteArray::fromHex("00123400000000000000000000000000") << "" << 0 << 0 << QByteArray(7, '\xff') << true;
        QTest::newRow("everything") << QByteArray::fromHex("123456aa0180fabb01020304050607cc") << "123456" << 0x8001
                                    << 0x0A << QByteArray::fromHex("01020304050607") << true;
        QTest::newRow("key with first byte 0, no password")
            << QByteArray::fromHex("ffffff00000000000002000000000000") << "" << 0 << 0
            << QByteArray::fromHex("00020000000000") << false;
    }

    void decodingARecord()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, password);
        QFETCH(int, mask);
        QFETCH(int, rights);
        QFETCH(QByteArray, key);
        QFETCH(bool, credentials);

        auto image = imagebytes::filled(0);
        putRecord(image, 7, bytes);
        User user(image.data(), 0, 7);
        QCOMPARE(user.password().text(), password);
        QCOMPARE(int(user.accessMask()), mask);
        QCOMPARE(int(user.tailOn()) | int(user.tailOff()) << 1 | int(user.partialTailOnOff()) << 2 |
                     int(user.tailDrop()) << 3,
                 rights);
        QCOMPARE(keyBytes(user.key()), key);
        QCOMPARE(user.hasCredentials(), credentials);
        // The list counts a key never set (FF×7) as none.
        QCOMPARE(user.isSet(), credentials && (!password.isEmpty() || key != QByteArray(7, '\xff')));
    }

    void settersKeepThePanelsBytes()
    {
        struct Case
        {
            const char* name;
            std::function<void(User&)> set;
            int offset; // in the record
            const char* bytes;
        };
        // Bytes 3, 7 and 15 and rights bits 4..7 are the panel's; 0xA5 in every byte shows them.
        const QList<Case> cases = {
            {"password", [](User& u) { u.setPassword(CipherPassword::fromText("4321")); }, 0, "4321ff"},
            {"access mask", [](User& u) { u.setAccessMask(0x8001); }, 4, "0180"},
            {"key", [](User& u) { u.setKey(keyFrom(QByteArray::fromHex("01112233445566"))); }, 8, "01112233445566"},
            {"tailOn off", [](User& u) { u.setTailOn(false); }, 6, "a4"},
            {"tailOff on", [](User& u) { u.setTailOff(true); }, 6, "a7"},
            {"partial off", [](User& u) { u.setPartialTailOnOff(false); }, 6, "a1"},
            {"drop on", [](User& u) { u.setTailDrop(true); }, 6, "ad"},
            // The password and key of the defaults stay in the node.
            {"defaults", [](User& u) { u.setDefault(); }, 4, "0000a0"},
        };
        for (const Case& c : cases) {
            auto image = imagebytes::filled(0xA5);
            User user(image.data(), 0, 100);
            c.set(user);
            const QByteArray bytes = QByteArray::fromHex(c.bytes);
            QByteArray expected(olma::config::kImageSize, char(0xA5));
            expected.replace(kRecord + kRecordSize * 100 + c.offset, bytes.size(), bytes);
            QVERIFY2(slice(image, 0, olma::config::kImageSize) == expected, c.name);
        }
    }

    // Every setter of a selection of users or loops that hold different values: the image ends as
    // setting the field in each item alone would leave it, so only the targeted bits change.
    void selectionSettersChangeOneFieldOfEveryItem()
    {
        using UserSet = std::function<void(UserCommon&, bool)>;
        const QList<QPair<QByteArray, UserSet>> users = {
            {"tailOn", [](UserCommon& u, bool on) { u.setTailOn(on); }},
            {"tailOff", [](UserCommon& u, bool on) { u.setTailOff(on); }},
            {"partial", [](UserCommon& u, bool on) { u.setPartialTailOnOff(on); }},
            {"tailDrop", [](UserCommon& u, bool on) { u.setTailDrop(on); }},
            {"access 5 on, 16 off", [](UserCommon& u, bool on) { u.setAccess(on ? 4 : 15, on); }},
            {"password", [](UserCommon& u, bool) { u.setPassword(CipherPassword::fromText(QStringLiteral("4321"))); }},
            {"key", [](UserCommon& u, bool) { u.setKey(keyFrom(QByteArray::fromHex("01020304050607"))); }},
        };
        for (const auto& [name, set] : users) {
            for (bool on : {true, false}) {
                auto image = imagebytes::random(17);
                auto expected = image;
                std::vector<std::unique_ptr<User>> selected;
                std::vector<std::unique_ptr<User>> alone;
                QList<UserCommon*> list;
                for (int number : {1, 2, 7, 200}) {
                    selected.push_back(std::make_unique<User>(image.data(), 2, number));
                    list << selected.back().get();
                    alone.push_back(std::make_unique<User>(expected.data(), 2, number));
                    set(*alone.back(), on);
                }
                MultiUser multi(list, 2);
                set(multi, on);
                QVERIFY2(imagebytes::changed(expected, image).isEmpty(), name.constData());
                for (size_t i = 0; i < selected.size(); ++i) {
                    QVERIFY2(selected[i]->password() == alone[i]->password(), name.constData());
                    QVERIFY2(selected[i]->key() == alone[i]->key(), name.constData());
                }
            }
        }

        QList<TailFlag> tails = {[](TailCommon& t, bool on) { t.setTailType(on ? TailFire : TailSecurity); },
                                 [](TailCommon& t, bool on) { t.setFire1(on); }};
        for (const auto& flag : kTailFlags)
            tails << flag.first;
        for (int k = 0; k < tails.size(); ++k) {
            for (bool on : {true, false}) {
                auto image = imagebytes::random(18);
                auto expected = image;
                std::vector<std::unique_ptr<Tail>> selected;
                QList<TailCommon*> list;
                for (int index : {0, 3, 9, 15}) {
                    selected.push_back(std::make_unique<Tail>(image.data(), 2, index, TailSecurity));
                    list << selected.back().get();
                    Tail alone(expected.data(), 2, index, TailSecurity);
                    tails[k](alone, on);
                }
                MultiTail multi(list, 2);
                tails[k](multi, on);
                QVERIFY2(imagebytes::changed(expected, image).isEmpty(), qPrintable(QString::number(k)));
            }
        }

        // What differs reads as differing; what the selection shares reads as it is.
        auto image = imagebytes::filled(0);
        User first(image.data(), 2, 1);
        User second(image.data(), 2, 2);
        first.setAccessMask(0x8001);
        second.setAccessMask(0x0001);
        first.setTailOn(true);
        MultiUser multi({&first, &second}, 2);
        QCOMPARE(int(multi.differingAccess()), 0x8000);
        QVERIFY(multi.differs(MultiUser::Field::TailOn));
        QVERIFY(!multi.differs(MultiUser::Field::TailOff));
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

        for (const auto& [set, bit] : kTailFlags) {
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
};

OLMA_TEST_MAIN(TestConfigNodes)
#include "tst_confignodes.moc"
