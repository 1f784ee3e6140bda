#include "config/descriptiondocument.h"
#include "config/multiuser.h"
#include "config/users.h"
#include "imagebytes.h"
#include "testmain.h"

#include <QSignalSpy>

#include <functional>

using namespace olma::config;

namespace {

constexpr int kRecord = 58;
constexpr int kRecordSize = 16;

void putRecord(imagebytes::Image& image, int user, const QByteArray& record)
{
    std::copy(record.begin(), record.end(), image.begin() + kRecord + kRecordSize * user);
}

QByteArray record(const imagebytes::Image& image, int user)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + kRecord + kRecordSize * user, kRecordSize);
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

} // namespace

class TestUsers : public QObject
{
    Q_OBJECT

private slots:
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
    }

    void settersKeepThePanelsBytes()
    {
        struct Case
        {
            const char* name;
            std::function<void(User&)> set;
            QByteArray expected;
        };
        // Bytes 3, 7 and 15 and rights bits 4..7 are the panel's; 0xA5 in every byte shows them.
        const QList<Case> cases = {
            {"password", [](User& u) { u.setPassword(CipherPassword::fromText("4321")); },
             QByteArray::fromHex("4321ffa5a5a5a5a5a5a5a5a5a5a5a5a5")},
            {"access mask", [](User& u) { u.setAccessMask(0x8001); },
             QByteArray::fromHex("a5a5a5a50180a5a5a5a5a5a5a5a5a5a5")},
            {"key", [](User& u) { u.setKey(keyFrom(QByteArray::fromHex("01112233445566"))); },
             QByteArray::fromHex("a5a5a5a5a5a5a5a501112233445566a5")},
            {"tailOn off", [](User& u) { u.setTailOn(false); },
             QByteArray::fromHex("a5a5a5a5a5a5a4a5a5a5a5a5a5a5a5a5")},
            {"tailOff on", [](User& u) { u.setTailOff(true); },
             QByteArray::fromHex("a5a5a5a5a5a5a7a5a5a5a5a5a5a5a5a5")},
            {"partial off", [](User& u) { u.setPartialTailOnOff(false); },
             QByteArray::fromHex("a5a5a5a5a5a5a1a5a5a5a5a5a5a5a5a5")},
            {"drop on", [](User& u) { u.setTailDrop(true); }, QByteArray::fromHex("a5a5a5a5a5a5ada5a5a5a5a5a5a5a5a5")},
            // The password and key of the defaults stay in the node.
            {"defaults", [](User& u) { u.setDefault(); }, QByteArray::fromHex("a5a5a5a50000a0a5a5a5a5a5a5a5a5a5")},
        };
        for (const Case& c : cases) {
            auto image = imagebytes::filled(0xA5);
            User user(image.data(), 0, 100);
            c.set(user);
            QVERIFY2(record(image, 100) == c.expected, c.name);
            for (int offset : imagebytes::changed(imagebytes::filled(0xA5), image))
                QVERIFY2(offset >= kRecord + kRecordSize * 100 && offset < kRecord + kRecordSize * 101, c.name);
        }
    }

    void namesAndNumbers()
    {
        auto image = imagebytes::filled(0);
        Users users(image.data(), 0, 0);
        QCOMPARE(users.count(), 255);
        QCOMPARE(users.children().size(), 255);
        QCOMPARE(users.user(0)->name(), QStringLiteral("Администратор"));
        QCOMPARE(users.user(254)->name(), QStringLiteral("Администратор"));
        QCOMPARE(users.user(1)->name(), QStringLiteral("Пользователь"));
        QVERIFY(users.user(0)->isAdministrator());
        QVERIFY(!users.user(253)->isAdministrator());
        QCOMPARE(users.user(200)->id(), 200);
        QCOMPARE(users.user(200)->xmlTag(), QStringLiteral("user"));
        QCOMPARE(users.user(3)->loopCount(), 4);
        users.setDeviceType(2);
        QCOMPARE(users.user(3)->loopCount(), 16);
    }

    void signalsReachTheSection()
    {
        auto image = imagebytes::filled(0);
        Users users(image.data(), 0, 0);
        users.setDescriptionDocument(descriptions::emptyDocument());
        // The users are built anew from the image; the new ones must be connected too.
        users.loadFromImage();

        QSignalSpy own(users.user(41), &User::keyOrPasswordChanged);
        QSignalSpy section(&users, &Users::userKeyOrPasswordChanged);
        QSignalSpy described(&users, &Users::userDescriptionChanged);

        users.user(41)->setPassword(CipherPassword::fromText("2580"));
        users.user(42)->setKey(IButtonKey::neverSet());
        users.user(43)->setDescription(QStringLiteral("Охранник"));

        QCOMPARE(own.size(), 1);
        QCOMPARE(own.at(0).at(0).toInt(), 41);
        QCOMPARE(section.size(), 2);
        QCOMPARE(section.at(0).at(0).toInt(), 41);
        QCOMPARE(section.at(1).at(0).toInt(), 42);
        QCOMPARE(described.size(), 1);
        QCOMPARE(described.at(0).at(0).toInt(), 43);
        QCOMPARE(described.at(0).at(1).toString(), QStringLiteral("Охранник"));
        QCOMPARE(descriptions::read(users.descriptionDocument(), "user", 43).value_or(QString()),
                 QStringLiteral("Охранник"));
    }

    void severalUsersAtOnce()
    {
        auto image = imagebytes::filled(0);
        putRecord(image, 1,
                  QByteArray::fromHex("1234ff00030001"
                                      "00aa01000000000000"));
        putRecord(image, 2,
                  QByteArray::fromHex("1234ff00050003"
                                      "00bb01000000000000"));
        Users users(image.data(), 1, 0);
        MultiUser both({users.user(1), users.user(2)}, 1);

        // Same password and tailOn; different mask, tailOff and key.
        QCOMPARE(both.password().text(), QStringLiteral("1234"));
        QVERIFY(both.tailOn());
        QCOMPARE(both.accessMask(), quint16(0));
        QVERIFY(!both.tailOff());
        QCOMPARE(keyBytes(both.key()), QByteArray(7, '\0'));
        QCOMPARE(both.loopCount(), 8);

        both.setAccessMask(0x00F0);
        both.setTailDrop(true);
        QCOMPARE(record(image, 1).mid(4, 3), QByteArray::fromHex("f00009"));
        QCOMPARE(record(image, 2).mid(4, 3), QByteArray::fromHex("f0000b"));
        QCOMPARE(both.accessMask(), quint16(0x00F0));

        MultiUser none({}, 0);
        QVERIFY(none.password().text().isEmpty());
        QVERIFY(!none.tailOn());
    }
};

OLMA_TEST_MAIN(TestUsers)
#include "tst_users.moc"
