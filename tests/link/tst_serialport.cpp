// The computer's serial port layer over a pseudo-terminal, the panel's end read and written by
// hand: bytes go out whole and in order even when the system's buffer for the line is full, and
// input is taken up on request without a readyRead and without a failure when there is none.

#include "link/serialport.h"
#include "testmain.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using olma::link::SerialPort;

namespace {

// Everything the panel's end holds now, without the event loop running; it stops once the line
// has been quiet for a while, for the system moves bytes between its buffers on its own time.
QByteArray drainQuietly(int fd)
{
    QByteArray got;
    char buffer[4096];
    for (int quiet = 0; quiet < 20;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            got.append(buffer, qsizetype(n));
            quiet = 0;
        } else {
            ++quiet;
            QThread::msleep(5);
        }
    }
    return got;
}

} // namespace

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fullLineKeepsOrder();
    void inputTakenUpOnRequest();

private:
    int _master = -1;
    QString _slave;
};

void TestSerialPort::init()
{
    _master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(_master >= 0);
    QVERIFY(::fcntl(_master, F_SETFL, ::fcntl(_master, F_GETFL) | O_NONBLOCK) == 0);
    QVERIFY(::grantpt(_master) == 0 && ::unlockpt(_master) == 0);
    _slave = QString::fromLocal8Bit(::ptsname(_master));
}

void TestSerialPort::cleanup()
{
    if (_master >= 0)
        ::close(_master);
    _master = -1;
}

void TestSerialPort::fullLineKeepsOrder()
{
    SerialPort port;
    QVERIFY2(port.open(_slave), qPrintable(port.errorString()));
    QSignalSpy failed(&port, &SerialPort::failed);
    QByteArray sent;
    const auto send = [&](int size) {
        const qsizetype from = sent.size();
        for (int i = 0; i < size; ++i)
            sent += char((from + i) % 251);
        for (qsizetype at = from; at < sent.size();) {
            const qint64 n = port.write(sent.constData() + at, sent.size() - at);
            if (n <= 0)
                return false;
            at += n;
        }
        return true;
    };
    // Far more than the system holds for a line nobody reads: the rest waits in the port.
    for (int i = 0; i < 64; ++i)
        QVERIFY2(send(4096), qPrintable(port.errorString()));
    // The line drains, but the port has had no chance to send what it held back: what is
    // written now must still go after that.
    QByteArray got = drainQuietly(_master);
    QVERIFY(got.size() < sent.size());
    QVERIFY(send(64));
    QElapsedTimer waited;
    waited.start();
    char buffer[4096];
    while (got.size() < sent.size() && !waited.hasExpired(60000)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const ssize_t n = ::read(_master, buffer, sizeof buffer);
        if (n > 0)
            got.append(buffer, qsizetype(n));
    }
    QVERIFY2(got == sent, "the line carried other bytes, or in another order, than were written");
    QCOMPARE(failed.count(), 0);
}

void TestSerialPort::inputTakenUpOnRequest()
{
    SerialPort port;
    QVERIFY2(port.open(_slave), qPrintable(port.errorString()));
    QSignalSpy readyRead(&port, &SerialPort::readyRead);
    QSignalSpy failed(&port, &SerialPort::failed);
    // Nothing there: nothing taken and no failure.
    port.takeUpInput();
    QCOMPARE(port.bytesAvailable(), 0);
    const QByteArray reply(64, 'r');
    QCOMPARE(::write(_master, reply.constData(), size_t(reply.size())), ssize_t(reply.size()));
    // The bytes reach the port's end of the line on the system's own time.
    QElapsedTimer waited;
    waited.start();
    while (port.bytesAvailable() < reply.size() && !waited.hasExpired(10000)) {
        port.takeUpInput();
        QThread::msleep(1);
    }
    QCOMPARE(port.bytesAvailable(), reply.size());
    QCOMPARE(readyRead.count(), 0);
    QCOMPARE(failed.count(), 0);
}

OLMA_TEST_MAIN(TestSerialPort)
#include "tst_serialport.moc"
