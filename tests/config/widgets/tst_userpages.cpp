#include "../imagebytes.h"
#include "common/devicetype.h"
#include "config/users.h"
#include "config/widgets/ycheckbox.h"
#include "config/widgets/ycheckgroup.h"
#include "pagetest.h"
#include "testmain.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTextEdit>

#include <map>

using namespace olma::config;
using namespace pagetest;
using Bytes = std::vector<unsigned char>;

namespace {

constexpr int kRecordSize = 16;

int record(int user)
{
    return kUsersOffset + kRecordSize * user;
}

QWidget* shownPage(QWidget* usersPage)
{
    return child<QStackedWidget>(usersPage, "_userStack")->currentWidget();
}

// The colour a row's text is drawn in.
QColor rowColour(QTreeWidget* tree, int row)
{
    return tree->topLevelItem(row)->foreground(0).color();
}

} // namespace

class TestUserPages : public QObject
{
    Q_OBJECT

private slots:
    void passwordEditorLimits_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<Bytes>("stored");
        const Bytes none{0xFF, 0xFF, 0xFF};
        QTest::newRow("user: one digit") << 1 << ""
                                         << "1"
                                         << "1"
                                         << "Недопустимая длина пароля!" << none;
        QTest::newRow("user: two digits") << 1 << ""
                                          << "12"
                                          << "12"
                                          << "Пароль принят!" << Bytes{0x12, 0xFF, 0xFF};
        QTest::newRow("user: seven digits") << 1 << ""
                                            << "1234567"
                                            << "1234567"
                                            << "Недопустимая длина пароля!" << none;
        QTest::newRow("admin 1: three digits") << 0 << ""
                                               << "123"
                                               << "123"
                                               << "Недопустимая длина пароля!" << none;
        QTest::newRow("admin 255: three digits") << 254 << ""
                                                 << "123"
                                                 << "123"
                                                 << "Недопустимая длина пароля!" << none;
        QTest::newRow("admin 1: four digits") << 0 << ""
                                              << "1234"
                                              << "1234"
                                              << "Пароль принят!" << Bytes{0x12, 0x34, 0xFF};
        QTest::newRow("admin 255: six digits") << 254 << ""
                                               << "123456"
                                               << "123456"
                                               << "Пароль принят!" << Bytes{0x12, 0x34, 0x56};
        QTest::newRow("a letter") << 1 << ""
                                  << "12a4"
                                  << "12a4"
                                  << "Пароль должен состоять только из цифр!" << none;
        QTest::newRow("confirmation differs") << 1 << "99"
                                              << "1234"
                                              << "1235"
                                              << "Пароли не совпадают!" << Bytes{0x99, 0xFF, 0xFF};
        QTest::newRow("both cleared") << 1 << "4321"
                                      << ""
                                      << ""
                                      << "" << none;
    }

    void passwordEditorLimits()
    {
        QFETCH(int, user);
        QFETCH(QString, initial);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, verdict);
        QFETCH(Bytes, stored);
        Config config;
        config.root.users()->user(user)->setPassword(CipherPassword::fromText(initial));
        auto page = show(config.root.users()->user(user)->createWidget(nullptr));
        auto* first = child<QLineEdit>(page.get(), "_passwordLineEdit");
        auto* second = child<QLineEdit>(page.get(), "_confirmLineEdit");
        clear(first);
        type(first, password);
        clear(second);
        type(second, confirmation);
        QCOMPARE(child<QLabel>(page.get(), "_verdictLabel")->text(), verdict);
        QCOMPARE(config.bytes(record(user), 3), stored);
    }

    void iButtonKey_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Bytes>("key");
        QTest::newRow("one digit in the first byte") << "5" << Bytes{0x05, 0, 0, 0, 0, 0, 0};
        QTest::newRow("one digit in a middle byte") << "12:3:45" << Bytes{0x12, 0x03, 0x45, 0, 0, 0, 0};
        QTest::newRow("all fourteen digits") << "0123456789abcd" << Bytes{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD};
        QTest::newRow("F is a digit like any other") << "F5FF" << Bytes{0xF5, 0xFF, 0, 0, 0, 0, 0};
        QTest::newRow("nothing") << "" << Bytes{0, 0, 0, 0, 0, 0, 0};
    }

    void iButtonKey()
    {
        QFETCH(QString, typed);
        QFETCH(Bytes, key);
        Config config;
        User* user = config.root.users()->user(7);
        user->setKey(IButtonKey::neverSet());
        auto page = show(user->createWidget(nullptr));
        auto* edit = child<QLineEdit>(page.get(), "_keyLineEdit");
        QCOMPARE(edit->displayText(), QStringLiteral("FF:FF:FF:FF:FF:FF:FF"));
        clear(edit);
        type(edit, typed);
        QCOMPARE(config.bytes(record(7) + 8, 7), key);
    }

    void rightsAndLoopAccess_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<int>("rows");
        QTest::addColumn<quint16>("mask");
        // Loops beyond the model keep their access bit.
        QTest::newRow("4 loops in one row") << 0 << 1 << quint16(0x800B);
        QTest::newRow("8 loops in one row") << 1 << 1 << quint16(0x8083);
        QTest::newRow("16 loops in two rows") << 2 << 2 << quint16(0x0003);
    }

    void rightsAndLoopAccess()
    {
        QFETCH(int, deviceType);
        QFETCH(int, rows);
        QFETCH(quint16, mask);
        Config config(deviceType);
        User* user = config.root.users()->user(3);
        user->setAccessMask(0x8000);
        const int loops = olma::loopCount(deviceType);
        auto page = show(user->createWidget(nullptr));
        auto* group = child<YCheckGroup>(page.get(), "_accessGroup");
        QCOMPARE(group->title(), QStringLiteral("Доступ к ШС"));
        QList<YCheckBox*> boxes = group->findChildren<YCheckBox*>();
        QCOMPARE(boxes.size(), loops);
        QCOMPARE(group->box(loops - 1)->text(), QStringLiteral("ШС-%1").arg(loops));
        QSet<int> tops;
        for (YCheckBox* box : boxes)
            tops.insert(box->y());
        QCOMPARE(tops.size(), rows);
        QCOMPARE(group->box(15) && group->box(15)->isChecked(), loops == 16);

        click(group->box(0));
        click(group->box(1));
        click(group->box(loops - 1));
        QCOMPARE(quint16(config.byte(record(3) + 4) | config.byte(record(3) + 5) << 8), mask);

        // The rights: bit 1 disarming, bit 0 arming, bit 2 partial, bit 3 block messages.
        config.image[size_t(record(3) + 6)] = 0xF0;
        for (const char* name :
             {"_tailOffCheckBox", "_tailOnCheckBox", "_partialTailOnOffCheckBox", "_tailDropCheckBox"})
            click(child<QCheckBox>(page.get(), name));
        QCOMPARE(config.byte(record(3) + 6), 0xFF);
        click(child<QCheckBox>(page.get(), "_tailOnCheckBox"));
        QCOMPARE(config.byte(record(3) + 6), 0xFE);
    }

    void userListColoursFollowCredentials()
    {
        Config config;
        Users* users = config.root.users();
        users->user(2)->setKey(IButtonKey());
        users->setCurrentUser(2);
        auto page = show(users->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_usersTreeWidget");
        const QColor grey = tree->palette().color(QPalette::Disabled, QPalette::Text);
        const QColor normal = tree->palette().color(QPalette::Active, QPalette::Text);
        QVERIFY(grey != normal);
        QCOMPARE(tree->topLevelItemCount(), 255);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Администратор - 1"));
        QCOMPARE(tree->topLevelItem(2)->text(0), QStringLiteral("Пользователь - 3"));
        QCOMPARE(tree->topLevelItem(254)->text(0), QStringLiteral("Администратор - 255"));
        QCOMPARE(tree->currentItem(), tree->topLevelItem(2));
        // A key that was never set still counts as one.
        QCOMPARE(rowColour(tree, 1), normal);
        QCOMPARE(rowColour(tree, 2), grey);

        QWidget* user = shownPage(page.get());
        auto* first = child<QLineEdit>(user, "_passwordLineEdit");
        auto* second = child<QLineEdit>(user, "_confirmLineEdit");
        QTest::mouseClick(first, Qt::LeftButton);
        type(first, QStringLiteral("2580"));
        QTest::mouseClick(second, Qt::LeftButton);
        type(second, QStringLiteral("2580"));
        QCOMPARE(rowColour(tree, 2), normal);
        QCOMPARE(QApplication::focusWidget(), second);
        clear(first);
        clear(second);
        QCOMPARE(rowColour(tree, 2), grey);

        auto* key = child<QLineEdit>(user, "_keyLineEdit");
        clear(key);
        type(key, QStringLiteral("01:02"));
        QCOMPARE(rowColour(tree, 2), normal);

        // The description's first line goes into the list while the user keeps typing.
        auto* descr = child<QTextEdit>(user, "_descrTextEdit");
        QTest::mouseClick(descr->viewport(), Qt::LeftButton);
        type(descr, QStringLiteral("Петров"));
        QTest::keyClick(descr, Qt::Key_Return);
        type(descr, QStringLiteral("смена Б"));
        QCOMPARE(tree->topLevelItem(2)->text(1), QStringLiteral("Петров"));
        QCOMPARE(users->user(2)->description(), QStringLiteral("Петров\nсмена Б"));
        QCOMPARE(QApplication::focusWidget(), descr);
        QCOMPARE(shownPage(page.get()), user);
    }

    void pasteIntoASelectionHoldingTheSource()
    {
        Config config;
        Users* users = config.root.users();
        config.image = imagebytes::random(7);
        config.root.setImage(config.image.data());
        User* source = users->user(1);
        source->setPassword(CipherPassword::fromText("2468"));
        source->setDescription(QStringLiteral("Охрана"));
        const Bytes sourceRecord = config.bytes(record(1), kRecordSize);
        const Bytes thirdRecord = config.bytes(record(3), kRecordSize);
        const std::map<int, Bytes> targetsBefore = {{2, config.bytes(record(2), kRecordSize)},
                                                    {4, config.bytes(record(4), kRecordSize)}};

        auto page = show(users->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_usersTreeWidget");
        clickRow(tree, 1);
        const QString copy = QStringLiteral("Копировать");
        const QString paste = QStringLiteral("Вставить");
        QCOMPARE(contextMenu(tree, 1), (QList<MenuEntry>{{copy, true}, {paste, false}}));
        contextMenu(tree, 1, copy);

        clickRow(tree, 2, Qt::ControlModifier);
        clickRow(tree, 4, Qt::ControlModifier);
        QCOMPARE(tree->selectedItems().size(), 3);
        QCOMPARE(contextMenu(tree, 4), (QList<MenuEntry>{{copy, false}, {paste, true}}));
        contextMenu(tree, 4, paste);

        QCOMPARE(config.bytes(record(1), kRecordSize), sourceRecord);
        QCOMPARE(users->user(1)->description(), QStringLiteral("Охрана"));
        for (int target : {2, 4}) {
            const Bytes copied = config.bytes(record(target), kRecordSize);
            for (int b : {0, 1, 2, 4, 5, 8, 9, 10, 11, 12, 13, 14})
                QCOMPARE(copied[size_t(b)], sourceRecord[size_t(b)]);
            QCOMPARE(copied[6] & 0x0F, sourceRecord[6] & 0x0F);
            // The bytes the panel keeps for itself stay the target's own.
            const Bytes& own = targetsBefore.at(target);
            for (int b : {3, 7, 15})
                QCOMPARE(copied[size_t(b)], own[size_t(b)]);
            QCOMPARE(copied[6] & 0xF0, own[6] & 0xF0);
            QCOMPARE(users->user(target)->description(), QStringLiteral("Охрана"));
            QCOMPARE(tree->topLevelItem(target)->text(1), QStringLiteral("Охрана"));
        }
        QCOMPARE(config.bytes(record(3), kRecordSize), thirdRecord);
    }

    void severalUsersAreEditedAtOnce()
    {
        Config config(2);
        Users* users = config.root.users();
        users->user(5)->setTailOn(true);
        users->user(6)->setTailOn(true);
        users->user(6)->setAccessMask(0x0003);
        auto page = show(users->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_usersTreeWidget");
        clickRow(tree, 5);
        clickRow(tree, 6, Qt::ShiftModifier);
        QWidget* both = shownPage(page.get());

        // Common values show; differing ones show as clear.
        QVERIFY(child<QCheckBox>(both, "_tailOnCheckBox")->isChecked());
        auto* group = child<YCheckGroup>(both, "_accessGroup");
        QCOMPARE(group->mask(), 0u);
        click(group->box(9));
        click(child<QCheckBox>(both, "_tailDropCheckBox"));
        for (int user : {5, 6}) {
            QCOMPARE(config.bytes(record(user) + 4, 3), (Bytes{0x00, 0x02, 0x09}));
        }
        QCOMPARE(config.byte(record(7) + 6), 0);
    }
};

OLMA_TEST_MAIN(TestUserPages)
#include "tst_userpages.moc"
