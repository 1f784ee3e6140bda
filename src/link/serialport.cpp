#include "link/serialport.h"

#include "link/errorcodes.h"

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
    const qint64 accepted = _port.write(data, size);
    // QSerialPort queues the bytes until the event loop runs again; hand them to the line now,
    // so the reply time-out starts when the request is really under way.
    if (accepted > 0)
        _port.flush();
    return accepted;
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
