#pragma once

#include <QObject>
#include <QString>

namespace olma::link {

// What the protocol engine needs of a serial port; the real one sits over QSerialPort,
// tests put an in-memory port in its place.
class ISerialPort : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~ISerialPort() override = default;

    // Opens the port by its system name for reading and writing at 115200 baud, 8 data bits,
    // no parity, 1 stop bit, no flow control. On failure the port stays closed.
    virtual bool open(const QString& name) = 0;
    // Bytes accepted for sending (possibly fewer than given), -1 on error.
    virtual qint64 write(const char* data, qint64 size) = 0;
    // Never blocks: 0 when nothing has arrived, -1 on error.
    virtual qint64 read(char* data, qint64 maxSize) = 0;
    virtual qint64 bytesAvailable() const = 0;
    // Moves whatever the system already holds for the port into what read() returns, without
    // blocking and without emitting readyRead(): a busy program may look at the line before it
    // has been told that bytes came.
    virtual void takeUpInput() {}
    // Blocks until everything written has been handed to the line; false on error.
    virtual bool waitForBytesWritten() = 0;
    virtual void close() = 0;
    // Why the last open or transfer failed, for the user.
    virtual QString errorString() const = 0;
    // True when the last open failed because the user may not use the port.
    virtual bool openDenied() const { return false; }

signals:
    void readyRead();
    // The port broke while open (adapter pulled, I/O error); emitted once per failure.
    void failed();
};

} // namespace olma::link
