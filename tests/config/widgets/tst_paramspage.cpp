#include "../imagebytes.h"
#include "common/cp1251.h"
#include "config/params.h"
#include "pagetest.h"
#include "testmain.h"

#include <QLabel>
#include <QSpinBox>

using namespace olma::config;
using namespace pagetest;
using Bytes = std::vector<unsigned char>;

class TestParamsPage : public QObject
{
    Q_OBJECT

private slots:
    void showingThePageWritesNothing()
    {
        // Values the fields cannot hold (a re-arming time of 511, an always-on sound) stay as read.
        for (quint32 seed : {1u, 2u, 3u}) {
            Config config;
            config.image = imagebytes::random(seed);
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
    }

    void spinBoxesWriteTheirBytes_data()
    {
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("offset");
        QTest::addColumn<Bytes>("bytes");
        QTest::newRow("timer 2 above its range") << "Timer2SpinBox"
                                                 << "300" << 1 << Bytes{30};
        QTest::newRow("re-arming, nine bits") << "AutoPreSpinBox"
                                              << "510" << 2 << Bytes{0xFE, 0x01};
        QTest::newRow("keyboard sound") << "KVSoundWorkTimeSpinBox"
                                        << "254" << 6 << Bytes{254};
    }

    void spinBoxesWriteTheirBytes()
    {
        QFETCH(QString, spinBox);
        QFETCH(QString, typed);
        QFETCH(int, offset);
        QFETCH(Bytes, bytes);
        Config config;
        auto page = show(config.root.params()->createWidget(nullptr));
        auto* spin = child<QSpinBox>(page.get(), spinBox.toLatin1().constData());
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, typed);
        QCOMPARE(config.bytes(offset, int(bytes.size())), bytes);
    }

    void alwaysOnSoundBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<int>("offset");
        QTest::newRow("keyboards") << "KVSoundAlwaysCheckBox"
                                   << "KVSoundWorkTimeSpinBox" << 6;
        QTest::newRow("central station") << "PTSSoundAlwaysCheckBox"
                                         << "PTSSoundWorkTimeSpinBox" << 7;
    }

    void alwaysOnSoundBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, spinBox);
        QFETCH(int, offset);
        Config config;
        config.root.params()->setKvSoundWorkTime(40);
        config.root.params()->setPtsSoundWorkTime(40);
        auto page = show(config.root.params()->createWidget(nullptr));
        auto* always = child<QCheckBox>(page.get(), box.toLatin1().constData());
        auto* spin = child<QSpinBox>(page.get(), spinBox.toLatin1().constData());
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
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<Bytes>("bytes");
        QTest::newRow("six digits") << "" << 0 << "123456"
                                    << "Пароль принят!" << Bytes{0x12, 0x34, 0x56};
        QTest::newRow("five digits keep the old password") << "654321" << 1 << ""
                                                           << "Недопустимая длина пароля!" << Bytes{0x65, 0x43, 0x21};
        QTest::newRow("a letter") << "654321" << 2 << "7x"
                                  << "Пароль должен содержать только цифры!" << Bytes{0x65, 0x43, 0x21};
        QTest::newRow("all deleted") << "654321" << 6 << ""
                                     << "" << Bytes{0xFF, 0xFF, 0xFF};
    }

    void engineerPasswordVerdicts()
    {
        QFETCH(QString, stored);
        QFETCH(int, backspaces);
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QFETCH(Bytes, bytes);
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
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("hint");
        QTest::newRow("lower-case Cyrillic") << "lineEdit_1" << 14 << "сбор 9:30?"
                                             << "СБОР 9:30?" << false;
        QTest::newRow("Latin refused") << "lineEdit_2" << 30 << "ПОСТ A"
                                       << "ПОСТ " << true;
        QTest::newRow("ё is not a panel letter") << "lineEdit_1" << 14 << "жё"
                                                 << "Ж" << true;
        QTest::newRow("@ is past the digits") << "lineEdit_1" << 14 << "7@"
                                              << "7" << true;
        QTest::newRow("ten characters at most") << "lineEdit_2" << 30 << "1234567890ab"
                                                << "1234567890" << false;
    }

    void messageValidator()
    {
        QFETCH(QString, field);
        QFETCH(int, offset);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, hint);
        Config config;
        auto page = show(config.root.params()->createWidget(nullptr));
        auto* edit = child<QLineEdit>(page.get(), field.toLatin1().constData());
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

    void timeSyncKeepsTheOtherBitsOfItsByte()
    {
        Config config;
        config.image[12] = 0xA4;
        config.root.setImage(config.image.data());
        auto page = show(config.root.params()->createWidget(nullptr));
        auto* box = child<QCheckBox>(page.get(), "TimeSyncCheckBox");
        click(box);
        QCOMPARE(config.byte(12), 0xA5);
        click(box);
        QCOMPARE(config.byte(12), 0xA4);
    }
};

OLMA_TEST_MAIN(TestParamsPage)
#include "tst_paramspage.moc"
