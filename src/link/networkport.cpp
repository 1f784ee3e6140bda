#include "link/networkport.h"

#include "common/text.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace olma::link {

namespace {

const QString kTcpScheme = QStringLiteral("tcp://");
const QString kTlsScheme = QStringLiteral("tls://");

// How tls:// trusts servers: see setTlsTrust().
QString caFileName;
bool acceptAnyCertificate = false;

// Connections kept between operations, by port name. A connection in use by an open port is
// not here; it comes back when the port closes.
QHash<QString, QPointer<QTcpSocket>>& keptConnections()
{
    static QHash<QString, QPointer<QTcpSocket>> connections;
    return connections;
}

void discard(QTcpSocket* socket)
{
    if (!socket)
        return;
    socket->disconnect();
    socket->abort();
    socket->deleteLater();
}

} // namespace

QString NetworkAddress::hostAndPort() const
{
    // An IPv6 address keeps its brackets, so the port stays apart from it.
    const QString shownHost = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return shownHost + QLatin1Char(':') + QString::number(port);
}

bool isNetworkPortName(const QString& name)
{
    return name.startsWith(kTcpScheme, Qt::CaseInsensitive) || name.startsWith(kTlsScheme, Qt::CaseInsensitive);
}

bool parseNetworkAddress(const QString& name, NetworkAddress* address, QString* error)
{
    const auto fail = [&] {
        if (error)
            *error =
                OLMA_TEXT("Link", "Неверный сетевой адрес \"%1\": нужен tcp://узел:порт или tls://узел:порт").arg(name);
        return false;
    };
    if (!isNetworkPortName(name))
        return fail();
    const QUrl url(name, QUrl::StrictMode);
    const bool bare = url.path().isEmpty() && !url.hasQuery() && !url.hasFragment() && url.userInfo().isEmpty();
    if (!url.isValid() || url.host().isEmpty() || url.port() <= 0 || !bare)
        return fail();
    if (address) {
        address->tls = name.startsWith(kTlsScheme, Qt::CaseInsensitive);
        address->host = url.host();
        address->port = quint16(url.port());
    }
    return true;
}

void setTlsTrust(const QString& caFile, bool insecure)
{
    caFileName = caFile;
    acceptAnyCertificate = insecure;
}

NetworkPort::NetworkPort(QObject* parent) : ISerialPort(parent) {}

NetworkPort::~NetworkPort()
{
    close();
}

bool NetworkPort::open(const QString& name)
{
    close();
    _error.clear();
    _broken = false;
    NetworkAddress address;
    if (!parseNetworkAddress(name, &address, &_error))
        return false;
    _name = name;
    QPointer<QTcpSocket> kept = keptConnections().take(name);
    if (kept) {
        // A connection the other side closed while nobody listened is only seen when looked at.
        kept->waitForReadyRead(0);
        if (kept->state() == QAbstractSocket::ConnectedState) {
            _socket = kept;
        } else {
            discard(kept);
        }
    }
    if (!_socket && !connectSocket(address))
        return false;
    // Whatever came while no operation ran (a reply sent too late) answers no request to come.
    _socket->readAll();
    attach();
    return true;
}

bool NetworkPort::connectSocket(const NetworkAddress& address)
{
    const QString failure = OLMA_TEXT("Link", "Нет соединения с %1: %2").arg(address.hostAndPort());
    QTcpSocket* socket = nullptr;
    QSslSocket* secure = nullptr;
    if (address.tls) {
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        if (!caFileName.isEmpty()) {
            const QList<QSslCertificate> authorities = QSslCertificate::fromPath(caFileName, QSsl::Pem);
            if (authorities.isEmpty()) {
                _error = failure.arg(QStringLiteral("no certificate in %1").arg(caFileName));
                return false;
            }
            config.setCaCertificates(authorities);
        }
        if (acceptAnyCertificate)
            config.setPeerVerifyMode(QSslSocket::VerifyNone);
        secure = new QSslSocket(QCoreApplication::instance());
        secure->setSslConfiguration(config);
        socket = secure;
    } else {
        socket = new QTcpSocket(QCoreApplication::instance());
    }

    // Connecting runs an event loop of its own, bounded, so the window stays live meanwhile.
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    if (secure) {
        connect(secure, &QSslSocket::encrypted, &loop, &QEventLoop::quit);
        secure->connectToHostEncrypted(address.host, address.port);
    } else {
        connect(socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
        socket->connectToHost(address.host, address.port);
    }
    const auto ready = [&] {
        return secure ? secure->isEncrypted() : socket->state() == QAbstractSocket::ConnectedState;
    };
    if (!ready() && socket->state() != QAbstractSocket::UnconnectedState) {
        limit.start(kConnectTimeoutMs);
        loop.exec();
    }
    if (!ready()) {
        const bool timedOut = socket->error() == QAbstractSocket::UnknownSocketError && !limit.isActive();
        _error = failure.arg(timedOut ? QStringLiteral("Connection timed out") : socket->errorString());
        discard(socket);
        return false;
    }
    // Frames are small and answered one by one: each goes out at once.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    _socket = socket;
    return true;
}

void NetworkPort::attach()
{
    connect(_socket, &QTcpSocket::readyRead, this, [this] {
        if (!_quiet)
            emit readyRead();
    });
    const auto lost = [this] {
        if (_broken)
            return;
        _broken = true;
        // Seen while taking up input on request: the engine hears of it once that call is over.
        if (_quiet)
            QTimer::singleShot(0, this, [this] {
                if (_socket)
                    emit failed();
            });
        else
            emit failed();
    };
    connect(_socket, &QAbstractSocket::errorOccurred, this, [lost](QAbstractSocket::SocketError error) {
        // A time-out of a blocking wait is no failure of the line; the engine keeps its own clock.
        if (error != QAbstractSocket::SocketTimeoutError)
            lost();
    });
    connect(_socket, &QAbstractSocket::disconnected, this, lost);
}

void NetworkPort::detach()
{
    if (_socket)
        disconnect(_socket, nullptr, this, nullptr);
}

qint64 NetworkPort::write(const char* data, qint64 size)
{
    if (!_socket)
        return -1;
    const qint64 accepted = _socket->write(data, size);
    // Hand the request to the system now, so the reply time-out starts when it is under way.
    if (accepted > 0)
        _socket->flush();
    return accepted;
}

qint64 NetworkPort::read(char* data, qint64 maxSize)
{
    return _socket ? _socket->read(data, maxSize) : -1;
}

qint64 NetworkPort::bytesAvailable() const
{
    return _socket ? _socket->bytesAvailable() : 0;
}

void NetworkPort::takeUpInput()
{
    if (!_socket || _broken)
        return;
    _quiet = true;
    _socket->waitForReadyRead(0);
    _quiet = false;
}

bool NetworkPort::waitForBytesWritten()
{
    while (_socket && !_broken && _socket->bytesToWrite() > 0) {
        if (!_socket->waitForBytesWritten(kConnectTimeoutMs))
            return false;
    }
    return _socket && !_broken;
}

void NetworkPort::close()
{
    if (!_socket)
        return;
    detach();
    QPointer<QTcpSocket> socket = _socket;
    _socket = nullptr;
    if (_broken || socket->state() != QAbstractSocket::ConnectedState) {
        discard(socket);
        return;
    }
    // Kept for the next operation; one connection per address.
    discard(keptConnections().take(_name));
    keptConnections().insert(_name, socket);
}

QString NetworkPort::errorString() const
{
    if (!_error.isEmpty())
        return _error;
    return _socket ? _socket->errorString() : QString();
}

void NetworkPort::dropConnections()
{
    const auto connections = keptConnections();
    keptConnections().clear();
    for (const QPointer<QTcpSocket>& socket : connections)
        discard(socket);
}

} // namespace olma::link
