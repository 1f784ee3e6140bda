// olma-virtual-panel: a panel on a pseudo-terminal, and with --listen on the network too.
// Prints the port path (or the network address) on its first line and serves until it is
// interrupted or terminated.

#include "faults.h"
#include "networkfront.h"
#include "virtualpanel.h"

#include "common/safefile.h"
#include "config/imagemap.h"
#include "link/frame.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

bool parseNumber(const QString& text, uint max, uint* value)
{
    bool ok = false;
    *value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toUInt(&ok, 16) : text.toUInt(&ok);
    return ok && *value <= max;
}

// The largest input the panel takes: a log file of a merged history.
constexpr qint64 kMaxInputSize = 16 * 1024 * 1024;

bool readFile(const QString& name, QByteArray* bytes, QString* error)
{
    const olma::files::ReadResult read = olma::files::readFile(name, 0, kMaxInputSize, bytes);
    switch (read.status) {
    case olma::files::ReadStatus::Read:
        return true;
    case olma::files::ReadStatus::Missing:
        *error = QStringLiteral("cannot read %1: No such file or directory").arg(name);
        break;
    case olma::files::ReadStatus::NotRegular:
        *error = QStringLiteral("cannot read %1: not a regular file").arg(name);
        break;
    case olma::files::ReadStatus::WrongSize:
        *error = QStringLiteral("cannot read %1: %2 bytes, more than 16 MiB").arg(name).arg(read.size);
        break;
    case olma::files::ReadStatus::Unreadable:
        *error = QStringLiteral("cannot read %1: %2").arg(name, read.reason);
        break;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("olma-virtual-panel"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A panel on a pseudo-terminal, for tests, benchmarks and trying the configurator.\n"
                       "Prints the port path on the first line of its output.\n\nFaults (--fault):\n") +
        olma::vpanel::Faults::help() +
        QStringLiteral("\nNetwork faults (with --listen):\n"
                       "  refused   reset[:request=R][,after=B]   silent-accept\n"));
    parser.addHelpOption();
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model code: 0x04, 0x08 or 0x10."),
                                   QStringLiteral("code"));
    const QCommandLineOption version(QStringLiteral("firmware-version"), QStringLiteral("Firmware version, 0..255."),
                                     QStringLiteral("n"));
    const QCommandLineOption serial(QStringLiteral("serial"), QStringLiteral("Serial number, 0..65535."),
                                    QStringLiteral("n"));
    const QCommandLineOption image(QStringLiteral("image"), QStringLiteral("Configuration image to serve."),
                                   QStringLiteral("file"));
    const QCommandLineOption state(QStringLiteral("state"), QStringLiteral("84-byte state record to serve."),
                                   QStringLiteral("file"));
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Event log: 8-byte records."),
                                 QStringLiteral("file"));
    const QCommandLineOption firmwareOut(QStringLiteral("firmware-out"),
                                         QStringLiteral("Where to save each uploaded firmware."),
                                         QStringLiteral("file"));
    const QCommandLineOption fault(QStringLiteral("fault"), QStringLiteral("Switch a fault on (repeatable)."),
                                   QStringLiteral("fault"));
    const QCommandLineOption wireSpeed(QStringLiteral("wire-speed"),
                                       QStringLiteral("Pace every frame as 115200 baud 8N1 would."));
    const QCommandLineOption noEcho(QStringLiteral("no-echo"),
                                    QStringLiteral("Leave reply bytes 0..2 zero instead of repeating the request's "
                                                   "command, group and index."));
    const QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Trace every frame on stderr."));
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Serve the panel on tcp://IP:PORT or tls://IP:PORT (port 0: any "
                                                   "free one); the address is printed instead of the port path."),
                                    QStringLiteral("address"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("PEM private key (RSA) for tls://."),
                                 QStringLiteral("file"));
    const QCommandLineOption cert(QStringLiteral("cert"), QStringLiteral("PEM certificate for tls://."),
                                  QStringLiteral("file"));
    parser.addOptions(
        {model, version, serial, image, state, log, firmwareOut, fault, wireSpeed, noEcho, verbose, listen, key, cert});
    parser.process(app);

    olma::vpanel::VirtualPanel panel;
    auto usage = [&](const QString& message) {
        err << "olma-virtual-panel: " << message << Qt::endl;
        return 2;
    };
    uint value = 0;
    if (parser.isSet(model)) {
        if (!parseNumber(parser.value(model), 0xFF, &value))
            return usage(QStringLiteral("bad model code \"%1\"").arg(parser.value(model)));
        panel.setModelCode(static_cast<unsigned char>(value));
    }
    if (parser.isSet(version)) {
        if (!parseNumber(parser.value(version), 0xFF, &value))
            return usage(QStringLiteral("bad firmware version \"%1\"").arg(parser.value(version)));
        panel.setFirmwareVersion(static_cast<unsigned char>(value));
    }
    if (parser.isSet(serial)) {
        if (!parseNumber(parser.value(serial), 0xFFFF, &value))
            return usage(QStringLiteral("bad serial number \"%1\"").arg(parser.value(serial)));
        panel.setSerialNumber(static_cast<quint16>(value));
    }
    QString error;
    QByteArray bytes;
    if (parser.isSet(image)) {
        if (!readFile(parser.value(image), &bytes, &error))
            return usage(error);
        if (bytes.size() != olma::config::kImageSize && bytes.size() != olma::config::kShortImageSize)
            return usage(QStringLiteral("%1: a configuration image has %2 bytes, not %3")
                             .arg(parser.value(image))
                             .arg(olma::config::kImageSize)
                             .arg(bytes.size()));
        panel.setImage(bytes);
    }
    if (parser.isSet(state)) {
        if (!readFile(parser.value(state), &bytes, &error))
            return usage(error);
        if (bytes.size() != olma::link::kStateRecordSize)
            return usage(QStringLiteral("%1: a state record has %2 bytes").arg(parser.value(state)).arg(84));
        panel.setStateRecord(bytes);
    }
    if (parser.isSet(log)) {
        if (!readFile(parser.value(log), &bytes, &error))
            return usage(error);
        panel.setLogRecords(bytes);
    }
    olma::vpanel::NetworkFront front;
    for (const QString& description : parser.values(fault)) {
        bool network = false;
        if (front.addFault(description, &network, &error))
            continue;
        if (network)
            return usage(error);
        if (!panel.addFault(description, &error))
            return usage(error);
    }
    if (front.hasFaults() && !parser.isSet(listen))
        return usage(QStringLiteral("network faults need --listen"));
    panel.setWireSpeed(parser.isSet(wireSpeed) || panel.faults().wireSpeed);
    panel.setEcho(!parser.isSet(noEcho));
    if (parser.isSet(verbose)) {
        panel.setTraceEnabled(true);
        QObject::connect(&panel, &olma::vpanel::VirtualPanel::trace, &app,
                         [&err](const QString& line) { err << line << Qt::endl; });
    }
    if (parser.isSet(firmwareOut)) {
        const QString name = parser.value(firmwareOut);
        QObject::connect(&panel, &olma::vpanel::VirtualPanel::requestReceived, &app,
                         [&panel, &err, name](int, const QByteArray& frame) {
                             if (static_cast<unsigned char>(frame.at(0)) != olma::link::kCmdFirmwareEnd)
                                 return;
                             QString reason;
                             if (!olma::files::writeFile(name, panel.firmware(), &reason))
                                 err << "olma-virtual-panel: cannot write " << name << ": " << reason << Qt::endl;
                         });
    }

    // SIGINT and SIGTERM end the event loop, so the panel closes its terminal in order.
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }

    if (!panel.start(&error)) {
        err << "olma-virtual-panel: " << error << Qt::endl;
        return 1;
    }
    if (parser.isSet(listen)) {
        if (!front.listen(parser.value(listen), &panel, parser.value(key), parser.value(cert), &error)) {
            err << "olma-virtual-panel: " << error << Qt::endl;
            return 1;
        }
        out << front.address() << Qt::endl;
    } else {
        out << panel.portName() << Qt::endl;
    }
    const int status = app.exec();
    if (parser.isSet(verbose))
        err << "olma-virtual-panel: " << panel.requestCount() << " requests, " << panel.restartCount() << " restarts"
            << Qt::endl;
    return status;
}
