#include "link/serialport.h"

#include "link/errorcodes.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace olma::link {

SerialPort::SerialPort(QObject* parent) : ISerialPort(parent)
{
    connect(&_port, &QSerialPort::readyRead, this, [this] {
        if (!_quiet)
            emit readyRead();
    });
    connect(&_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // A time-out of a blocking wait is no failure of the line; the engine keeps its own clock.
        if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError && _port.isOpen())
            emit failed();
    });
}

SerialPort::~SerialPort()
{
    close();
}

bool SerialPort::open(const QString& name)
{
    _error.clear();
    _denied = false;
    _port.setPortName(name);
    if (!_port.open(QIODevice::ReadWrite)) {
        // The device or its lock file refused the user: say how to get the right.
        _denied = _port.error() == QSerialPort::PermissionError;
        _error = _denied ? portDeniedText(name) : _port.errorString();
        return false;
    }
    const bool configured = _port.setBaudRate(QSerialPort::Baud115200, QSerialPort::AllDirections) &&
                            _port.setDataBits(QSerialPort::Data8) && _port.setParity(QSerialPort::NoParity) &&
                            _port.setStopBits(QSerialPort::OneStop) && _port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        _error = _port.errorString();
        _port.close();
        return false;
    }
    // Whatever the panel sent while nobody listened (a reply that came too late) is not
    // the answer to the next request.
    _port.clear(QSerialPort::Input);
    return true;
}

qint64 SerialPort::write(const char* data, qint64 size)
{
    // Straight to the line while QSerialPort holds nothing back. Its queue would hand the bytes
    // over only after arming a write notification, which then wakes the event loop twice more
    // for every request, each time with the reply already on its way.
    if (_port.isOpen() && _port.bytesToWrite() == 0) {
        ssize_t n = -1;
        do {
            n = ::write(_port.handle(), data, size_t(size));
        } while (n < 0 && errno == EINTR);
        if (n >= 0)
            return n;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            _error = qt_error_string(errno);
            return -1;
        }
    }
    // The system's buffer for the line is full, or QSerialPort still holds bytes: it queues
    // these after them and writes as the line drains. Pushing them now would only meet the full
    // buffer, which QSerialPort reports as a write error.
    return _port.write(data, size);
}

qint64 SerialPort::read(char* data, qint64 maxSize)
{
    return _port.read(data, maxSize);
}

qint64 SerialPort::bytesAvailable() const
{
    return _port.bytesAvailable();
}

void SerialPort::takeUpInput()
{
    if (!_port.isOpen())
        return;
    // Most times nothing is there. The descriptor is asked first: QSerialPort's zero wait would
    // report that as a time-out error, with its text and two signals, twice per request.
    pollfd line{_port.handle(), POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&line, 1, 0);
    } while (ready < 0 && errno == EINTR);
    if (ready == 0)
        return;
    // Bytes, or trouble with the line, which QSerialPort reports as it always does.
    // A zero wait only polls the descriptor. Its "time-out" when nothing is there is no failure.
    _quiet = true;
    _port.waitForReadyRead(0);
    _quiet = false;
    if (_port.error() == QSerialPort::TimeoutError)
        _port.clearError();
}

bool SerialPort::waitForBytesWritten()
{
    while (_port.bytesToWrite() > 0) {
        if (!_port.waitForBytesWritten(-1))
            return false;
    }
    return true;
}

void SerialPort::close()
{
    if (_port.isOpen())
        _port.close();
}

QString SerialPort::errorString() const
{
    return _error.isEmpty() ? _port.errorString() : _error;
}

} // namespace olma::link
