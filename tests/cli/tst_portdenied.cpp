// A port the user may not open: olma-cli, run as an unprivileged user against a terminal only
// its owner may use, says how to get the right to it.

#include "testmain.h"
#include "testpaths.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

class TestPortDenied : public QObject
{
    Q_OBJECT

private slots:
    void cliNamesTheGroup()
    {
        // Only root can start the tool as another user; setpriv drops the rights of root.
        if (geteuid() != 0)
            QSKIP("needs root to run the tool as an unprivileged user");
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            QSKIP("setpriv (util-linux) is not installed");

        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
        const QString port = QString::fromLocal8Bit(ptsname(master));
        QVERIFY(::chmod(ptsname(master), 0600) == 0);

        QProcess tool;
        tool.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups",
                             QStringLiteral(OLMA_TEST_BIN_DIR "/olma-cli"), "identify", "--port", port});
        QVERIFY(tool.waitForFinished(60000));
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        ::close(master);

        QCOMPARE(tool.exitCode(), 1);
        QVERIFY2(err.contains(QStringLiteral("Нет прав на порт %1: добавьте пользователя в группу dialout "
                                             "(sudo usermod -aG dialout $USER) и войдите снова.")
                                  .arg(port)),
                 qPrintable(err));
    }
};

OLMA_TEST_MAIN(TestPortDenied)
#include "tst_portdenied.moc"
