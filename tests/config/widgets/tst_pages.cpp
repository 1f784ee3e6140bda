#include "../imagebytes.h"
#include "common/cp1251.h"
#include "common/devicetype.h"
#include "config/content.h"
#include "config/descriptiondocument.h"
#include "config/multitail.h"
#include "config/params.h"
#include "config/tails.h"
#include "config/users.h"
#include "config/widgets/ycheckbox.h"
#include "config/widgets/ycheckgroup.h"
#include "pagetest.h"
#include "testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
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

int loopOffset(int loop)
{
    return kTailsOffset + 2 * loop;
}

QWidget* shownLoopPage(QWidget* tailsPage)
{
    return child<QStackedWidget>(tailsPage, "_tailStack")->currentWidget();
}

// The enabled boxes and combos of a loop page, by object name.
QStringList enabledControls(QWidget* page)
{
    QStringList out;
    for (const char* name :
         {"_fire1CheckBox", "_faultCheckCheckBox", "_reRequestCheckBox", "_autoReGuardOnCheckBox", "_bizExCheckBox",
          "_autoResetCheckBox", "_withoutAlarmCheckBox", "_guardOffTimeoutComboBox", "_guardOnTimeoutComboBox"}) {
        if (child<QWidget>(page, name)->isEnabled())
            out.append(QString::fromLatin1(name));
    }
    return out;
}

QTableWidget* shownTable(QWidget* contentPage)
{
    return child<QTableWidget>(child<QStackedWidget>(contentPage, "_blockTableStack")->currentWidget(),
                               "_blockTableWidget");
}

void clickCell(QTableWidget* table, int row, int column)
{
    const QRect rect = table->visualItemRect(table->item(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
}

// A click in the check box at the left of a cell.
void clickCheck(QTableWidget* table, int row, int column)
{
    const QRect rect = table->visualItemRect(table->item(row, column));
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    const int indicator = table->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + margin + indicator / 2, rect.center().y()));
}

} // namespace

class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void showingThePageWritesNothing()
    {
        // Values the fields cannot hold (a re-arming time of 511, an always-on sound) stay as read.
        Config config;
        config.image = imagebytes::random(1);
        config.image[2] = 0xFF;
        config.image[3] = 0x01;
        config.image[6] = 0xFF;
        config.root.setImage(config.image.data());
        const auto before = config.image;
        auto page = show(config.root.params()->createWidget(nullptr));
        QCOMPARE(imagebytes::changed(before, config.image), QList<int>());
        QVERIFY(child<QCheckBox>(page.get(), "KVSoundAlwaysCheckBox")->isChecked());
        QVERIFY(!child<QSpinBox>(page.get(), "KVSoundWorkTimeSpinBox")->isEnabled());
    }

    void spinBoxesWriteTheirBytes_data()
    {
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("offset");
        QTest::addColumn<Bytes>("bytes");
        QTest::newRow("timer 2 above its range") << "Timer2SpinBox" << 300 << 1 << Bytes{30};
        QTest::newRow("re-arming, nine bits") << "AutoPreSpinBox" << 510 << 2 << Bytes{0xFE, 0x01};
        QTest::newRow("keyboard sound") << "KVSoundWorkTimeSpinBox" << 254 << 6 << Bytes{254};
    }

    void spinBoxesWriteTheirBytes()
    {
        QFETCH(QString, spinBox);
        QFETCH(int, typed);
        QFETCH(int, offset);
        QFETCH(Bytes, bytes);
        Config config;
        auto page = show(config.root.params()->createWidget(nullptr));
        auto* spin = child<QSpinBox>(page.get(), spinBox.toLatin1().constData());
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::number(typed));
        QCOMPARE(config.bytes(offset, int(bytes.size())), bytes);
    }

    void alwaysOnSoundBoxes_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("offset");
        QTest::newRow("keyboards") << "KV" << 6;
        QTest::newRow("central station") << "PTS" << 7;
    }

    void alwaysOnSoundBoxes()
    {
        QFETCH(QString, prefix);
        QFETCH(int, offset);
        Config config;
        config.root.params()->setKvSoundWorkTime(40);
        config.root.params()->setPtsSoundWorkTime(40);
        auto page = show(config.root.params()->createWidget(nullptr));
        auto* always = child<QCheckBox>(page.get(), qPrintable(prefix + "SoundAlwaysCheckBox"));
        auto* spin = child<QSpinBox>(page.get(), qPrintable(prefix + "SoundWorkTimeSpinBox"));
        QCOMPARE(spin->value(), 40);
        QVERIFY(spin->isEnabled());

        click(always);
        QCOMPARE(config.byte(offset), 255);
        QVERIFY(!spin->isEnabled());
        QCOMPARE(spin->value(), 0);

        click(always);
        QCOMPARE(config.byte(offset), 0);
        QVERIFY(spin->isEnabled());
        QCOMPARE(config.byte(13 - offset), 40); // the other sound keeps its time
    }

    void engineerPasswordVerdicts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<QString>("verdict");
        const Bytes old{0x65, 0x43, 0x21};
        QTest::newRow("six digits") << "" << 0 << "123456" << Bytes{0x12, 0x34, 0x56} << "Пароль принят!";
        QTest::newRow("five digits keep the old password")
            << "654321" << 1 << "" << old << "Недопустимая длина пароля!";
        QTest::newRow("a letter") << "654321" << 2 << "7x" << old << "Пароль должен содержать только цифры!";
        QTest::newRow("all deleted") << "654321" << 6 << "" << Bytes{0xFF, 0xFF, 0xFF} << "";
    }

    void engineerPasswordVerdicts()
    {
        QFETCH(QString, stored);
        QFETCH(int, backspaces);
        QFETCH(QString, typed);
        QFETCH(Bytes, bytes);
        QFETCH(QString, verdict);
        Config config;
        config.root.params()->setEngineerPassword(CipherPassword::fromText(stored));
        auto page = show(config.root.params()->createWidget(nullptr));
        auto* edit = child<QLineEdit>(page.get(), "EngenierPasswordlineEdit");
        QCOMPARE(edit->text(), stored);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        type(edit, typed);
        QCOMPARE(child<QLabel>(page.get(), "_passwordVerdictLabel")->text(), verdict);
        QCOMPARE(config.bytes(8, 3), bytes);
    }

    void messageValidator_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("hint");
        QTest::newRow("lower-case Cyrillic") << "сбор 9:30?" << 1 << "СБОР 9:30?" << false;
        QTest::newRow("Latin refused") << "ПОСТ A" << 2 << "ПОСТ " << true;
        QTest::newRow("ё is not a panel letter") << "жё" << 1 << "Ж" << true;
        QTest::newRow("@ is past the digits") << "7@" << 1 << "7" << true;
        QTest::newRow("ten characters at most") << "1234567890ab" << 2 << "1234567890" << false;
    }

    void messageValidator()
    {
        QFETCH(QString, typed);
        QFETCH(int, message);
        QFETCH(QString, shown);
        QFETCH(bool, hint);
        Config config;
        auto page = show(config.root.params()->createWidget(nullptr));
        auto* edit = child<QLineEdit>(page.get(), qPrintable(QStringLiteral("lineEdit_%1").arg(message)));
        const int offset = 14 + Params::kMessageField * (message - 1);
        auto* label = child<QLabel>(page.get(), "_messageHintLabel");
        edit->setFocus();
        type(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(
            label->text(),
            hint ? QStringLiteral("Сообщение может содержать\n только цифры, кириллические \n или служебные символы")
                 : QString());
        const QByteArray expected = olma::cp1251::encode(shown).leftJustified(Params::kMessageField, ' ');
        QCOMPARE(config.bytes(offset, Params::kMessageField), Bytes(expected.begin(), expected.end()));

        // The next accepted character takes the hint away.
        if (hint && shown.size() < Params::kMessageShown) {
            type(edit, QStringLiteral("я"));
            QCOMPARE(label->text(), QString());
            QCOMPARE(edit->text(), shown + QStringLiteral("Я"));
        }
    }

    void passwordEditorLimits_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<Bytes>("stored");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("verdict");
        const Bytes none{0xFF, 0xFF, 0xFF};
        const QString bad = QStringLiteral("Недопустимая длина пароля!");
        const QString good = QStringLiteral("Пароль принят!");
        QTest::newRow("user: one digit") << "" << 1 << "1" << none << "1" << bad;
        QTest::newRow("user: two digits") << "" << 1 << "12" << Bytes{0x12, 0xFF, 0xFF} << "12" << good;
        QTest::newRow("user: seven digits") << "" << 1 << "1234567" << none << "1234567" << bad;
        QTest::newRow("admin 1: three digits") << "" << 0 << "123" << none << "123" << bad;
        QTest::newRow("admin 255: six digits") << "" << 254 << "123456" << Bytes{0x12, 0x34, 0x56} << "123456" << good;
        QTest::newRow("a letter") << "" << 1 << "12a4" << none << "12a4"
                                  << QStringLiteral("Пароль должен состоять только из цифр!");
        QTest::newRow("confirmation differs")
            << "99" << 1 << "1234" << Bytes{0x99, 0xFF, 0xFF} << "1235" << QStringLiteral("Пароли не совпадают!");
        QTest::newRow("both cleared") << "4321" << 1 << "" << none << "" << QString();
    }

    void passwordEditorLimits()
    {
        QFETCH(QString, initial);
        QFETCH(int, user);
        QFETCH(QString, password);
        QFETCH(Bytes, stored);
        QFETCH(QString, confirmation);
        QFETCH(QString, verdict);
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
        // A key that was never set (FF×7) is no key either.
        QCOMPARE(rowColour(tree, 1), grey);
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
        QCOMPARE(contextMenu(tree, 1), (QStringList{copy, "(" + paste + ")"}));
        contextMenu(tree, 1, copy);

        clickRow(tree, 2, Qt::ControlModifier);
        clickRow(tree, 4, Qt::ControlModifier);
        QCOMPARE(tree->selectedItems().size(), 3);
        QCOMPARE(contextMenu(tree, 4), (QStringList{"(" + copy + ")", paste}));
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

    void loopTypeSwitchesTheFlags_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<int>("type");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<QStringList>("enabled");
        const QStringList fire = {"_fire1CheckBox", "_reRequestCheckBox", "_bizExCheckBox"};
        const QStringList guard = {"_faultCheckCheckBox", "_autoReGuardOnCheckBox", "_bizExCheckBox",
                                   "_autoResetCheckBox", "_withoutAlarmCheckBox"};
        // Second byte: bit 5 silent, 4 power reset, 3 БИЗ-Ex, 2 re-arming, 1 re-request, 0 fault check.
        QTest::newRow("security to fire") << Bytes{0x00, 0xE4} << 4 << Bytes{0x04, 0xD1} << fire;
        QTest::newRow("security to heat fire") << Bytes{0x00, 0x00} << 6 << Bytes{0x06, 0x11} << fire;
        QTest::newRow("security to user-defined") << Bytes{0x00, 0x00} << 7 << Bytes{0x07, 0x11} << fire;
        QTest::newRow("fire to entry/exit")
            << Bytes{0x84, 0x1B} << 2 << Bytes{0x02, 0x19}
            << guard + QStringList{"_guardOffTimeoutComboBox", "_guardOnTimeoutComboBox"};
        QTest::newRow("fire to technological") << Bytes{0x84, 0x13} << 5 << Bytes{0x05, 0x11} << guard;
    }

    void loopTypeSwitchesTheFlags()
    {
        QFETCH(Bytes, before);
        QFETCH(int, type);
        QFETCH(Bytes, after);
        QFETCH(QStringList, enabled);
        Config config;
        std::copy(before.begin(), before.end(), config.image.begin() + loopOffset(1));
        config.root.setImage(config.image.data());
        auto page = show(config.root.tails()->tail(1)->createWidget(nullptr));
        QCOMPARE(config.bytes(loopOffset(1), 2), before);
        auto* combo = child<QComboBox>(page.get(), "_tailTypeComboBox");
        choose(combo, type);
        QCOMPARE(combo->currentIndex(), type);
        QCOMPARE(config.bytes(loopOffset(1), 2), after);
        QCOMPARE(enabledControls(page.get()), enabled);
        QCOMPARE(config.bytes(loopOffset(0), 2), (Bytes{0, 0}));
    }

    // A fire loop stored without the flags its type fixes shows them as stored, marked; choosing
    // the type again applies the rules.
    void aLoopWhoseFlagsDoNotFitItsTypeIsShownAsStored()
    {
        Config config;
        config.image[size_t(loopOffset(2))] = 0x04;
        config.root.setImage(config.image.data());
        auto page = show(config.root.tails()->tail(2)->createWidget(nullptr));
        QCOMPARE(config.bytes(loopOffset(2), 2), (Bytes{0x04, 0x00}));
        auto* mark = child<QLabel>(page.get(), "_mismatchLabel");
        QVERIFY(mark->isVisible());
        QVERIFY(!mark->toolTip().isEmpty());
        QVERIFY(!child<QCheckBox>(page.get(), "_faultCheckCheckBox")->isChecked());

        choose(child<QComboBox>(page.get(), "_tailTypeComboBox"), TailFire);
        QCOMPARE(config.bytes(loopOffset(2), 2), (Bytes{0x04, 0x11}));
        QVERIFY(!mark->isVisible());
    }

    // Selections whose items differ: nothing is written by showing them, what differs shows as
    // differing, and a change writes that one field into every item.
    void mixedSelectionsWriteOneField()
    {
        Config config(2);
        Tails* tails = config.root.tails();
        // ШС 1 "Пожарный" and ШС 2 "Пожарный (тепловой)", both with Пожар-1.
        const Bytes loops = {0x84, 0x11, 0x86, 0x11};
        std::copy(loops.begin(), loops.end(), config.image.begin() + loopOffset(0));
        config.root.setImage(config.image.data());
        const auto before = config.image;
        auto page = show(tails->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_tailsTreeWidget");
        clickRow(tree, 0);
        clickRow(tree, 1, Qt::ControlModifier);
        QCOMPARE(config.image, before);
        QWidget* loopPage = shownLoopPage(page.get());
        QCOMPARE(child<QComboBox>(loopPage, "_tailTypeComboBox")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(loopPage, "_tailTypeComboBox")->placeholderText(), QStringLiteral("—"));
        QCOMPARE(child<QCheckBox>(loopPage, "_fire1CheckBox")->checkState(), Qt::Checked);
        click(child<QCheckBox>(loopPage, "_bizExCheckBox"));
        QCOMPARE(config.bytes(loopOffset(0), 4), (Bytes{0x84, 0x19, 0x86, 0x19}));

        // Users 1 (ШС 1, ШС 16) and 2 (ШС 3): ticking ШС 5 adds it to both and keeps the rest.
        Users* users = config.root.users();
        users->user(0)->setAccessMask(0x8001);
        users->user(1)->setAccessMask(0x0004);
        users->user(0)->setTailOn(true);
        auto usersPage = show(users->createWidget(nullptr));
        auto* list = child<QTreeWidget>(usersPage.get(), "_usersTreeWidget");
        clickRow(list, 0);
        clickRow(list, 1, Qt::ControlModifier);
        QWidget* shown = shownPage(usersPage.get());
        auto* group = child<YCheckGroup>(shown, "_accessGroup");
        QCOMPARE(group->box(0)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(group->box(2)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(group->box(4)->checkState(), Qt::Unchecked);
        QCOMPARE(child<QCheckBox>(shown, "_tailOnCheckBox")->checkState(), Qt::PartiallyChecked);
        click(group->box(4));
        QCOMPARE(int(users->user(0)->accessMask()), 0x8011);
        QCOMPARE(int(users->user(1)->accessMask()), 0x0014);
        // A differing box set once is set for all; the next click clears it for all.
        click(child<QCheckBox>(shown, "_tailOnCheckBox"));
        QVERIFY(users->user(0)->tailOn() && users->user(1)->tailOn());
        click(child<QCheckBox>(shown, "_tailOnCheckBox"));
        QVERIFY(!users->user(0)->tailOn() && !users->user(1)->tailOn());
    }

    void severalLoopsAndPaste()
    {
        Config config(1);
        Tails* tails = config.root.tails();
        tails->tail(0)->setTailType(TailFire);
        tails->tail(0)->setFire1(true);
        tails->tail(0)->setBizEx(true);
        tails->tail(0)->setDescription(QStringLiteral("Склад"));
        tails->tail(4)->setTailType(TailDaily);
        auto page = show(tails->createWidget(nullptr));
        auto* tree = child<QTreeWidget>(page.get(), "_tailsTreeWidget");

        clickRow(tree, 0);
        contextMenu(tree, 0, QStringLiteral("Копировать"));
        clickRow(tree, 4, Qt::ShiftModifier);
        contextMenu(tree, 4, QStringLiteral("Вставить"));
        // The source keeps its flags as set: showing it applied no type rules.
        const Bytes source = config.bytes(loopOffset(0), 2);
        QCOMPARE(source, (Bytes{0x84, 0x08}));
        for (int loop : {1, 2, 3, 4}) {
            QCOMPARE(config.bytes(loopOffset(loop), 2), source);
            QCOMPARE(tails->tail(loop)->description(), QStringLiteral("Склад"));
        }
        QCOMPARE(config.bytes(loopOffset(5), 2), (Bytes{0x00, 0x00}));
        QCOMPARE(child<QTextEdit>(shownLoopPage(page.get()), "_descrTextEdit")->toPlainText(), QStringLiteral("Склад"));
    }

    void blockTablesToggleTheirMasks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("mask");
        QTest::newRow("keyboards") << 0 << "Ольма-КВ" << 4 << 46;
        QTest::newRow("relay blocks") << 1 << "БРВ-А" << 4 << 48;
        QTest::newRow("indication blocks") << 2 << "БВИ-А" << 4 << 50;
        QTest::newRow("arming devices") << 3 << "УПС-А(Ех)" << 16 << 52;
        QTest::newRow("output blocks") << 4 << "БКВ-А" << 8 << 54;
        QTest::newRow("power blocks") << 5 << "БП-А" << 4 << 56;
    }

    void blockTablesToggleTheirMasks()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(int, mask);
        Config config;
        // Blocks 1 and 3 connected, and bits past the kind's blocks that the page must leave alone.
        config.image[size_t(mask)] = 0x05;
        config.image[size_t(mask + 1)] = 0xF0;
        config.root.setImage(config.image.data());
        const auto before = config.image;
        auto page = show(config.root.content()->createWidget(nullptr));
        auto* kinds = child<QTreeWidget>(page.get(), "_blockTypesTreeWidget");
        QCOMPARE(kinds->topLevelItemCount(), 6);
        QCOMPARE(kinds->topLevelItem(row)->text(0), name);

        clickRow(kinds, row);
        QTableWidget* table = shownTable(page.get());
        QCOMPARE(table->rowCount(), count);
        QStringList states;
        for (int r = 0; r < count; ++r) {
            QCOMPARE(table->item(r, 0)->text(), name);
            QCOMPARE(table->item(r, 1)->text(), QString::number(r + 1));
            states.append(table->item(r, 2)->checkState() == Qt::Checked ? "on" : "off");
        }
        QCOMPARE(states.mid(0, 4), QStringList({"on", "off", "on", "off"}));
        QCOMPARE(config.image, before);

        // A click in the box toggles the connection, and so does Space on the connection cell.
        clickCheck(table, 1, 2);
        QCOMPARE(config.byte(mask), 0x07);
        clickCell(table, 0, 2);
        QCOMPARE(config.byte(mask), 0x07);
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(config.byte(mask), 0x06);
        clickCell(table, count - 1, 2);
        QTest::keyClick(table, Qt::Key_Space);
        const int expected = 0xF006 ^ 1 << (count - 1);
        QCOMPARE(config.byte(mask) | config.byte(mask + 1) << 8, expected);
    }

    void blockDescriptionsFollowTheSelectedRow()
    {
        Config config;
        BlockGroup* arming = config.root.content()->group(BlockGroup::ArmingDevices);
        arming->setBlockDescription(0, QStringLiteral("Вход"));
        auto page = show(config.root.content()->createWidget(nullptr));
        clickRow(child<QTreeWidget>(page.get(), "_blockTypesTreeWidget"), 3);
        QTableWidget* table = shownTable(page.get());
        auto* descr = child<QTextEdit>(table->parentWidget(), "_descrTextEdit");
        QCOMPARE(descr->toPlainText(), QStringLiteral("Вход"));

        clickCell(table, 2, 1);
        QCOMPARE(descr->toPlainText(), QString());
        QTest::mouseClick(descr->viewport(), Qt::LeftButton);
        type(descr, QStringLiteral("у окна"));
        QCOMPARE(arming->blockDescription(2), QStringLiteral("у окна"));
        QCOMPARE(descriptions::read(arming->descriptionDocument(), QStringLiteral("outer_block_ups"), 2),
                 std::optional<QString>(QStringLiteral("у окна")));

        // Moving between rows shows each block's text and writes nothing.
        clickCell(table, 0, 1);
        QCOMPARE(descr->toPlainText(), QStringLiteral("Вход"));
        clickCell(table, 1, 1);
        QCOMPARE(descriptions::read(arming->descriptionDocument(), QStringLiteral("outer_block_ups"), 1), std::nullopt);
        clickCell(table, 2, 1);
        QCOMPARE(descr->toPlainText(), QStringLiteral("у окна"));
    }
};

OLMA_TEST_MAIN(TestPages)
#include "tst_pages.moc"
