#pragma once

#include "link/iserialport.h"

#include <QSerialPort>

namespace olma::link {

// A serial port of the computer, through QSerialPort.
class SerialPort : public ISerialPort
{
    Q_OBJECT
    Q_DISABLE_COPY(SerialPort)

public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    bool open(const QString& name) override;
    qint64 write(const char* data, qint64 size) override;
    qint64 read(char* data, qint64 maxSize) override;
    qint64 bytesAvailable() const override;
    void takeUpInput() override;
    bool waitForBytesWritten() override;
    void close() override;
    QString errorString() const override;
    bool openDenied() const override { return _denied; }

private:
    QSerialPort _port;
    QString _error;       // why the last open or write failed
    bool _denied = false; // the last open failed for lack of permission
    bool _quiet = false;  // taking up input on request: readyRead is not passed on
};

} // namespace olma::link
