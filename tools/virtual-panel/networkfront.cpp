#include "networkfront.h"

#include "link/frame.h"
#include "link/networkport.h"
#include "virtualpanel.h"

#include <QFile>
#include <QSocketNotifier>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace olma::vpanel {

namespace {

bool readPem(const QString& name, QByteArray* bytes, QString* error)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(name, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    return true;
}

} // namespace

NetworkFront::NetworkFront(QObject* parent) : QObject(parent) {}

NetworkFront::~NetworkFront()
{
    if (_panel)
        _panel->setLineSink({});
    dropClient();
    closeTty();
}

void NetworkFront::closeTty()
{
    delete _ttyNotifier;
    _ttyNotifier = nullptr;
    if (_tty >= 0)
        ::close(_tty);
    _tty = -1;
}

bool NetworkFront::addFault(const QString& fault, bool* known, QString* error)
{
    const QString name = fault.section(QLatin1Char(':'), 0, 0);
    const QString arguments = fault.section(QLatin1Char(':'), 1);
    *known = true;
    if (name == QLatin1String("refused") && arguments.isEmpty()) {
        _refuse = true;
        return true;
    }
    if (name == QLatin1String("silent-accept") && arguments.isEmpty()) {
        _silent = true;
        return true;
    }
    if (name != QLatin1String("reset")) {
        *known = false;
        return false;
    }
    _resetAt = 1;
    _resetAfter = 0;
    for (const QString& argument : arguments.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int value = argument.section(QLatin1Char('='), 1).toInt(&ok);
        const QString key = argument.section(QLatin1Char('='), 0, 0);
        if (ok && key == QLatin1String("request") && value >= 1) {
            _resetAt = value;
        } else if (ok && key == QLatin1String("after") && value >= 0 && value < olma::link::kFrameSize) {
            _resetAfter = value;
        } else {
            *error = QStringLiteral("bad argument \"%1\" of fault \"%2\"").arg(argument, fault);
            return false;
        }
    }
    return true;
}

bool NetworkFront::listen(const QString& address, VirtualPanel* panel, const QString& keyFile, const QString& certFile,
                          QString* error)
{
    _panel = panel;
    return listen(address, QString(), keyFile, certFile, error);
}

bool NetworkFront::listen(const QString& address, const QString& ttyPath, const QString& keyFile,
                          const QString& certFile, QString* error)
{
    olma::link::NetworkAddress where;
    // Port 0 asks for any free port, which the client's address syntax does not allow.
    QString probe = address;
    const bool anyPort = address.endsWith(QLatin1String(":0"));
    if (anyPort) {
        probe.chop(1);
        probe += QLatin1Char('1');
    }
    if (!olma::link::parseNetworkAddress(probe, &where, error))
        return false;
    if (anyPort)
        where.port = 0;
    if (where.tls) {
        if (keyFile.isEmpty() || certFile.isEmpty()) {
            *error = QStringLiteral("tls:// needs --key and --cert");
            return false;
        }
        QByteArray keyBytes;
        QByteArray certBytes;
        if (!readPem(keyFile, &keyBytes, error) || !readPem(certFile, &certBytes, error))
            return false;
        const QSslKey key(keyBytes, QSsl::Rsa, QSsl::Pem);
        const QList<QSslCertificate> chain = QSslCertificate::fromData(certBytes, QSsl::Pem);
        if (key.isNull() || chain.isEmpty()) {
            *error = QStringLiteral("no RSA key in %1 or no certificate in %2").arg(keyFile, certFile);
            return false;
        }
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setPrivateKey(key);
        config.setLocalCertificateChain(chain);
        config.setPeerVerifyMode(QSslSocket::VerifyNone);
        auto* server = new QSslServer(this);
        server->setSslConfiguration(config);
        _server = server;
    } else {
        _server = new QTcpServer(this);
    }
    // A client whose handshake has finished is pending; a TCP client is at once.
    connect(_server, &QTcpServer::pendingConnectionAvailable, this, &NetworkFront::takeClient);
    QHostAddress host;
    if (!host.setAddress(where.host)) {
        *error = QStringLiteral("%1: listen on an IP address, not a host name").arg(address);
        return false;
    }
    if (!_server->listen(host, where.port)) {
        *error = QStringLiteral("cannot listen on %1: %2").arg(address, _server->errorString());
        return false;
    }
    where.port = _server->serverPort();
    _address = (where.tls ? QStringLiteral("tls://") : QStringLiteral("tcp://")) + where.hostAndPort();
    _ttyPath = ttyPath;
    // A refused address is one where nobody listens any more; the port was only taken to be named.
    if (_refuse)
        _server->close();
    return true;
}

void NetworkFront::takeClient()
{
    while (_server->hasPendingConnections()) {
        QTcpSocket* socket = _server->nextPendingConnection();
        if (_silent) {
            // Accepted, then ignored: the bytes stay unread in the system's buffers.
            socket->setParent(this);
            continue;
        }
        dropClient();
        if (_panel) {
            _panel->setLineSink([this](const QByteArray& bytes) { toClient(bytes.constData(), bytes.size()); });
        } else if (_tty < 0) {
            _tty = ::open(_ttyPath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            if (_tty < 0) {
                qWarning("olma-virtual-panel: cannot open %s: %s", qPrintable(_ttyPath), std::strerror(errno));
                socket->abort();
                socket->deleteLater();
                continue;
            }
            _ttyNotifier = new QSocketNotifier(_tty, QSocketNotifier::Read, this);
            connect(_ttyNotifier, &QSocketNotifier::activated, this, &NetworkFront::fromPanel);
        }
        _client = socket;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, &NetworkFront::fromClient);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void NetworkFront::fromClient()
{
    if (!_client)
        return;
    const QByteArray bytes = _client->readAll();
    _requestBytes += bytes.size();
    if (_panel) {
        _panel->receive(bytes);
        return;
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(_tty, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // a full terminal loses bytes, as a line would
        done += n;
    }
}

void NetworkFront::fromPanel()
{
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(_tty, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return;
        if (n <= 0) {
            // The panel's port is gone (it vanished): the client loses its connection, and the
            // next client finds the port again if it came back.
            closeTty();
            dropClient();
            return;
        }
        toClient(buffer, n);
    }
}

void NetworkFront::toClient(const char* data, qint64 size)
{
    // Nobody connected: the bytes are lost, as on a line with nothing at its end.
    if (!_client)
        return;
    const qint64 requests = _requestBytes / olma::link::kFrameSize;
    if (_resetAt > 0 && requests >= _resetAt) {
        const int pass = int(std::min<qint64>(size, std::max(0, _resetAfter - _replyBytesPassed)));
        _client->write(data, pass);
        _replyBytesPassed += pass;
        if (_replyBytesPassed >= _resetAfter) {
            _resetAt = 0;
            resetClient();
        }
        return;
    }
    _client->write(data, size);
}

void NetworkFront::resetClient()
{
    if (!_client)
        return;
    _client->flush();
    // A zero linger time makes closing send a reset instead of an orderly end.
    const linger hard{1, 0};
    ::setsockopt(int(_client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    dropClient();
}

void NetworkFront::dropClient()
{
    if (!_client)
        return;
    QTcpSocket* client = _client;
    _client = nullptr;
    client->disconnect(this);
    client->abort();
    client->deleteLater();
}

} // namespace olma::vpanel
