#pragma once

#include "link/iserialport.h"

#include <QPointer>
#include <QString>

class QTcpSocket;

namespace olma::link {

// A panel address on the network: "tcp://host:port" (raw TCP) or "tls://host:port".
struct NetworkAddress
{
    bool tls = false;
    QString host;
    quint16 port = 0;

    // "host:port", as messages name it.
    QString hostAndPort() const;
};

// Whether a port name is a network address rather than a serial device (it may still be malformed).
bool isNetworkPortName(const QString& name);
// Splits "tcp://host:port" or "tls://host:port" (`address` may be null to check only); false
// with the reason for the user otherwise.
bool parseNetworkAddress(const QString& name, NetworkAddress* address, QString* error);

// How tls:// checks the server: against the system's certificates, or those of `caFile` when
// it is given; `insecure` accepts any certificate (the user's explicit choice).
void setTlsTrust(const QString& caFile, bool insecure);

// A panel behind a serial device server or ser2net, reached over TCP or TLS. The connection
// outlives the operation that made it (a device server usually admits one client at a time):
// the next operation to the same address takes it up again, and connects anew when it was lost.
class NetworkPort : public ISerialPort
{
    Q_OBJECT
    Q_DISABLE_COPY(NetworkPort)

public:
    // Connecting gives up after this long.
    static constexpr int kConnectTimeoutMs = 3000;

    explicit NetworkPort(QObject* parent = nullptr);
    ~NetworkPort() override;

    bool open(const QString& name) override;
    qint64 write(const char* data, qint64 size) override;
    qint64 read(char* data, qint64 maxSize) override;
    qint64 bytesAvailable() const override;
    void takeUpInput() override;
    bool waitForBytesWritten() override;
    void close() override;
    QString errorString() const override;

    // Drops every kept connection (the program's end, tests).
    static void dropConnections();

private:
    bool connectSocket(const NetworkAddress& address);
    void attach();
    void detach();

    QString _name;
    QPointer<QTcpSocket> _socket;
    QString _error;
    bool _quiet = false;  // taking up input on request: readyRead is not passed on
    bool _broken = false; // the connection failed while open; it is not kept
};

} // namespace olma::link
