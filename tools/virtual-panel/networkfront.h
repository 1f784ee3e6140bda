#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class QSocketNotifier;
class QTcpServer;
class QTcpSocket;

namespace olma::vpanel {

class VirtualPanel;

// The panel on the network, as a serial device server in "TCP server, raw" mode puts it there:
// bytes pass unchanged between one TCP (or TLS) client and the panel's pseudo-terminal. A new
// client takes the place of the one before. Network faults act here, the panel's own on the line.
// The panel may also be served directly, in this process.
class NetworkFront : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(NetworkFront)

public:
    explicit NetworkFront(QObject* parent = nullptr);
    ~NetworkFront() override;

    // Network faults by name:
    //   refused                      the address takes no connection
    //   reset[:request=R][,after=B]  at request R (from 1, counted over all connections) B bytes
    //                                of the reply pass and the connection is reset
    //   silent-accept                connections are accepted, and nothing passes either way
    // Sets `known` false for a name that is none of these (a fault of the panel itself).
    bool addFault(const QString& fault, bool* known, QString* error);

    // Listens on "tcp://host:port" or "tls://host:port" (port 0: any free one) and serves the
    // pseudo-terminal at `ttyPath`. tls:// needs a PEM key and certificate.
    bool listen(const QString& address, const QString& ttyPath, const QString& keyFile, const QString& certFile,
                QString* error);
    // The same, with the panel served in this process directly rather than through its
    // pseudo-terminal: half the wake-ups per frame when many panels share a computer.
    bool listen(const QString& address, VirtualPanel* panel, const QString& keyFile, const QString& certFile,
                QString* error);
    // The address actually served, with the port chosen.
    QString address() const { return _address; }
    bool hasFaults() const { return _refuse || _silent || _resetAt > 0; }

private:
    void takeClient();
    void fromClient();
    void fromPanel();
    void dropClient();
    void resetClient();
    void toClient(const char* data, qint64 size);
    void closeTty();

    QTcpServer* _server = nullptr;
    QPointer<QTcpSocket> _client;
    QString _address;
    QString _ttyPath;
    VirtualPanel* _panel = nullptr; // served directly, not through the terminal
    int _tty = -1;
    QSocketNotifier* _ttyNotifier = nullptr;

    bool _refuse = false;
    bool _silent = false;
    int _resetAt = 0;    // request number whose reply is cut by a reset; 0: never
    int _resetAfter = 0; // reply bytes that pass before it
    qint64 _requestBytes = 0;
    int _replyBytesPassed = 0; // of the reply to request _resetAt
};

} // namespace olma::vpanel
