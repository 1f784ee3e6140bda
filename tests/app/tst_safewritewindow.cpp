// The window's safe write against the virtual panel: the question before it, the panel that
// already holds the configuration, the offer to put the backup back, the comparison.

#include "app/confirmwritedialog.h"
#include "app/progressdialog.h"
#include "archive/archiverecords.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "config/tail.h"
#include "config/tails.h"
#include "testmain.h"
#include "windowfixture.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

constexpr int kWrite = 4;
constexpr int kRestart = 7;

int writesOf(const olma::vpanel::VirtualPanel& panel)
{
    int writes = 0;
    for (const QByteArray& request : panel.requests())
        writes += uchar(request.at(0)) == kWrite ? 1 : 0;
    return writes;
}

// The panel holds the window's configuration with loop 3 of another type.
QByteArray otherImage(MainWindow& window)
{
    std::vector<unsigned char> image = window.configuration()->image();
    olma::config::Configuration other(image.data(), window.configuration()->deviceType());
    other.tails()->tail(2)->setTailType(other.tails()->tail(2)->tailType() == 4 ? 0 : 4);
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

struct SafeWindow : WindowOnPanel
{
    SafeWindow()
    {
        window->setPlainWrite(false);
        window->setAllBlocks(false);
        window->setWriteRecords(std::make_unique<olma::archive::ArchiveWriteRecords>(QString(), true));
    }
};

} // namespace

class TestSafeWriteWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void confirmation_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancelled") << false;
        QTest::newRow("accepted") << true;
    }
    void confirmation()
    {
        QFETCH(bool, accept);
        SafeWindow w;
        const QByteArray before = otherImage(*w.window);
        w.vp.panel().setImage(before);
        w.dialogs.setNextDialogAction([&](QDialog* dialog) {
            auto* confirm = qobject_cast<ConfirmWriteDialog*>(dialog);
            if (!confirm)
                return int(QDialog::Rejected);
            [&] {
                QCOMPARE(confirm->windowTitle(), QStringLiteral("Запись конфигурации в прибор"));
                const QStringList lines = confirm->text().split(QLatin1Char('\n'));
                QCOMPARE(
                    lines.value(0),
                    QStringLiteral("Прибор: Ольма-16Ех, серийный номер 1, версия ПО 1, порт %1").arg(w.vp.portName()));
                QCOMPARE(lines.value(1), QStringLiteral("Записывается: несохранённая конфигурация"));
                QVERIFY(lines.value(2).startsWith(QStringLiteral("Изменится полей: ")));
                QVERIFY(lines.value(3).startsWith(QStringLiteral("Резервная копия: ")));
                QVERIFY(confirm->cancelButton()->isDefault());
                QCOMPARE(confirm->cancelButton()->text(), QStringLiteral("Отмена"));
                QVERIFY(!confirm->writeButton()->isDefault());
                QVERIFY(confirm->changesButton());
                QCOMPARE(confirm->changesButton()->text(), QStringLiteral("Показать изменения"));
                const int count = lines.value(2).section(QLatin1Char(' '), -1).toInt();
                QVERIFY(count > 0);
                QCOMPARE(confirm->changesView()->toPlainText().split(QLatin1Char('\n')).size(), count);
                QVERIFY(confirm->changesView()->toPlainText().startsWith(QStringLiteral("ШС 3: ")));
                QVERIFY(confirm->changesView()->isHidden());
                confirm->changesButton()->click();
                QVERIFY(!confirm->changesView()->isHidden());
            }();
            return int(accept ? QDialog::Accepted : QDialog::Rejected);
        });
        w.action("writeConfToDevice")->trigger();
        if (!accept) {
            QCOMPARE(w.dialogs.messages().size(), 0);
            QCOMPARE(writesOf(w.vp.panel()), 0);
            QCOMPARE(w.vp.panel().image(), before);
            QCOMPARE(w.vp.panel().restartCount(), 0);
            return;
        }
        QCOMPARE(w.dialogs.messages().size(), 1);
        QCOMPARE(w.dialogs.messages()[0].text, QStringLiteral("Конфигурация записана в прибор и проверена"));
        QCOMPARE(writesOf(w.vp.panel()), 1);
        QCOMPARE(w.vp.panel().image(), imageOf(*w.window));
        QTRY_COMPARE(w.vp.panel().restartCount(), 1);
    }

    void alreadyEqual()
    {
        SafeWindow w;
        w.vp.panel().setImage(imageOf(*w.window));
        bool asked = false;
        w.dialogs.setNextDialogAction([&](QDialog*) {
            asked = true;
            return int(QDialog::Rejected);
        });
        w.action("writeConfToDevice")->trigger();
        QVERIFY(!asked);
        QCOMPARE(shownMessages(w.dialogs),
                 QStringList{said(QMessageBox::Information, QStringLiteral("Запись конфигурации в прибор"),
                                  QStringLiteral("Конфигурация прибора уже совпадает с записываемой"))});
        QCOMPARE(writesOf(w.vp.panel()), 0);
        QCOMPARE(w.vp.panel().restartCount(), 0);
    }

    // A write stopped two thirds of the way or kept wrongly by the panel: the message offers the backup, and
    // taking the offer leaves the panel's image as it was before, byte for byte.
    void restoreOffer_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QString>("message");
        const QString stopped =
            QStringLiteral("Запись конфигурации прервана: прибор мог сохранить часть конфигурации.");
        QTest::newRow("cancelled, restored") << QString() << true << stopped;
        QTest::newRow("cancelled, left") << QString() << false << stopped;
        QTest::newRow("kept wrongly, restored") << QStringLiteral("corrupt:group=3,index=0,byte=4") << true
                                                << QStringLiteral("Проверка записи не пройдена");
    }
    void restoreOffer()
    {
        QFETCH(QString, fault);
        QFETCH(bool, restore);
        QFETCH(QString, message);
        SafeWindow w;
        const QByteArray before = otherImage(*w.window);
        w.vp.panel().setImage(before);
        int seen = 0;
        if (fault.isEmpty()) {
            w.window->setAllBlocks(true);
            QObject::connect(&w.vp.panel(), &olma::vpanel::VirtualPanel::requestReceived, w.window.get(),
                             [&seen](int, const QByteArray& frame) {
                                 if (uchar(frame.at(0)) == kWrite && ++seen == 300) {
                                     if (auto* dialog = visibleDialog<ProgressDialog>())
                                         QTest::keyClick(dialog, Qt::Key_Escape);
                                 }
                             });
        } else {
            QVERIFY(w.vp.panel().addFault(fault));
        }
        w.dialogs.setNextDialogAction([](QDialog*) { return int(QDialog::Accepted); });
        QString offered;
        QByteArray atOffer;
        bool restoreButton = false;
        w.dialogs.setNextDialogAction([&](QDialog* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (!box)
                return int(QDialog::Rejected);
            offered = box->text();
            atOffer = w.vp.panel().image();
            QAbstractButton* chosen = box->defaultButton();
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == QStringLiteral("Восстановить резервную копию")) {
                    restoreButton = true;
                    if (restore)
                        chosen = button;
                }
            }
            if (!chosen)
                return int(QDialog::Rejected);
            // The block the panel kept wrongly goes back right this time.
            w.vp.panel().clearFaults();
            chosen->click();
            return box->result();
        });
        w.action("writeConfToDevice")->trigger();
        QVERIFY2(offered.startsWith(message), qPrintable(offered));
        QVERIFY(restoreButton);
        // Past the loops' block: the panel held part of the new configuration.
        QVERIFY(atOffer != before);
        if (!restore) {
            QCOMPARE(w.vp.panel().restartCount(), 0);
            QCOMPARE(w.vp.panel().image(), atOffer);
            return;
        }
        QCOMPARE(w.dialogs.lastText(), QStringLiteral("Резервная копия записана в прибор и проверена"));
        QCOMPARE(w.vp.panel().image(), before);
        // Requests are taken in order: once the restore's restart is in, a restart after the
        // failed write would be too. There is only the one.
        QTRY_COMPARE(uchar(w.vp.panel().requests().constLast().at(0)), uchar(kRestart));
        QCOMPARE(w.vp.panel().restartCount(), 1);
    }

    // The firmware upload asks the same way, naming the file; "Отмена" sends nothing.
    void firmwareQuestion()
    {
        SafeWindow w;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("panel.iex"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(130, char(0x5A)));
        file.close();
        w.dialogs.setNextFileName(path);
        QString text;
        bool cancelDefault = false;
        w.dialogs.setNextDialogAction([&](QDialog* dialog) {
            if (auto* confirm = qobject_cast<ConfirmWriteDialog*>(dialog)) {
                text = confirm->text();
                cancelDefault = confirm->cancelButton()->isDefault() && !confirm->changesButton();
            }
            return int(QDialog::Rejected);
        });
        w.action("loadFirmWare")->trigger();
        QVERIFY2(text.contains(QStringLiteral("Файл прошивки: panel.iex, 130 байт, от ")), qPrintable(text));
        QVERIFY(text.startsWith(QStringLiteral("Прибор: Ольма-16Ех")));
        QVERIFY(cancelDefault);
        QCOMPARE(w.vp.panel().firmware(), QByteArray());
        QCOMPARE(w.dialogs.messages().size(), 0);
    }

    void compareWithPanel()
    {
        SafeWindow w;
        w.vp.panel().setImage(imageOf(*w.window));
        w.action("compareWithDevice")->trigger();
        QCOMPARE(w.dialogs.lastText(), QStringLiteral("Конфигурации совпадают"));
        w.vp.panel().setImage(otherImage(*w.window));
        w.action("compareWithDevice")->trigger();
        QVERIFY(w.dialogs.lastText().startsWith(QStringLiteral("ШС 3: ")));
        QCOMPARE(writesOf(w.vp.panel()), 0);
    }
};

OLMA_TEST_MAIN(TestSafeWriteWindow)
#include "tst_safewritewindow.moc"
