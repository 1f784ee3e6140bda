#include "cli/cli.h"

#include "common/devicetype.h"
#include "config/imagemap.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/portlist.h"
#include "link/protocolimpl.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSaveFile>
#include <QTextStream>

#include <array>
#include <vector>

namespace olma::cli {

namespace {

// Options of one command line: "--name value" or "--name=value"; flags have no value.
class Options
{
public:
    bool has(const QString& name) const { return _values.contains(name); }
    QString value(const QString& name) const { return _values.value(name); }
    void set(const QString& name, const QString& value) { _values.insert(name, value); }

private:
    QHash<QString, QString> _values;
};

struct Context
{
    QTextStream& out;
    QTextStream& err;
    QString command;

    int fail(const QString& message)
    {
        err << "olma-cli " << command << ": " << message << Qt::endl;
        return kExitFailed;
    }
};

struct Command
{
    const char* name;
    const char* synopsis;
    const char* summary;
    QStringList required; // options that take a value and must be given
    QStringList optional; // options that take a value
    QStringList flags;    // options without a value
    int (*run)(const Options&, Context&);
};

QString modelName(unsigned code)
{
    switch (olma::deviceTypeFromModelCode(code)) {
    case 2:
        return QStringLiteral("Ольма-16Ех");
    case 1:
        return QStringLiteral("Ольма-8Ех");
    default:
        return QStringLiteral("Ольма-4Ех");
    }
}

// Why an operation of `engine` failed, in the program's own words.
QString failure(const ProtocolImpl& engine)
{
    if (!engine.openErrorString().isEmpty())
        return QStringLiteral("cannot open %1: %2").arg(engine.portName(), engine.openErrorString());
    const QString text = ProtocolImpl::errorText(engine.errorCode());
    return text.isEmpty() ? QStringLiteral("error %1").arg(engine.errorCode())
                          : QStringLiteral("%1 (%2)").arg(text).arg(engine.errorCode());
}

ProtocolImpl* makeEngine(const Options& options, QObject* parent)
{
    return new ProtocolImpl(options.value(QStringLiteral("port")), parent, false, olma::link::standardAcceptedCodes());
}

void hexDump(QTextStream& out, const unsigned char* bytes, int size)
{
    constexpr int kPerLine = 16;
    for (int line = 0; line < size; line += kPerLine) {
        out << QStringLiteral("%1 ").arg(line, 4, 16, QLatin1Char('0'));
        for (int i = line; i < std::min(size, line + kPerLine); ++i)
            out << QStringLiteral(" %1").arg(bytes[i], 2, 16, QLatin1Char('0'));
        out << '\n';
    }
}

int bcd(unsigned char byte, unsigned char mask)
{
    return ((byte & mask) >> 4) * 10 + (byte & 0x0F);
}

bool saveFile(const QString& name, const QByteArray& bytes, QString* error)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(name, file.errorString());
        return false;
    }
    return true;
}

// ---- the commands -------------------------------------------------------------------------

int ports(const Options& options, Context& ctx)
{
    const bool usbOnly = options.has(QStringLiteral("usb"));
    int listed = 0;
    for (const olma::link::PortEntry& port : olma::link::availablePorts()) {
        if (usbOnly && !port.usb)
            continue;
        ctx.out << port.systemName << '\t' << port.friendlyName << '\t' << (port.usb ? "USB" : "-") << '\n';
        ++listed;
    }
    if (listed == 0)
        ctx.out << (usbOnly ? "No USB serial ports.\n" : "No serial ports.\n");
    ctx.out.flush();
    return kExitOk;
}

int identify(const Options& options, Context& ctx)
{
    QObject owner;
    ProtocolImpl* engine = makeEngine(options, &owner);
    quint32 answer = 0;
    if (!engine->getId(&answer, nullptr))
        return ctx.fail(failure(*engine));
    const unsigned code = answer & 0xFF;
    ctx.out << "Model: " << modelName(code) << QStringLiteral(" (code 0x%1)\n").arg(code, 2, 16, QLatin1Char('0'))
            << "Firmware version: " << ((answer >> 8) & 0xFF) << '\n'
            << "Serial number: " << ((answer >> 16) & 0xFFFF) << '\n'
            << QStringLiteral("Identify answer: 0x%1\n").arg(answer, 8, 16, QLatin1Char('0'));
    ctx.out.flush();
    return kExitOk;
}

int state(const Options& options, Context& ctx)
{
    QObject owner;
    ProtocolImpl* engine = makeEngine(options, &owner);
    std::array<unsigned char, olma::link::kStateRecordSize> record{};
    if (!engine->getStatus(record.data(), nullptr))
        return ctx.fail(failure(*engine));
    // The panel's clock: BCD seconds, minutes, hours, day, month, year in record bytes 4..9.
    const unsigned char* clock = record.data() + 4;
    ctx.out << QString::asprintf("Clock: %02d:%02d:%02d %02d.%02d.%04d\n", bcd(clock[2], 0x3F), bcd(clock[1], 0x7F),
                                 bcd(clock[0], 0x7F), bcd(clock[3], 0x3F), bcd(clock[4], 0x1F),
                                 2000 + bcd(clock[5], 0xFF))
            << "State record:\n";
    hexDump(ctx.out, record.data(), int(record.size()));
    ctx.out.flush();
    if (options.has(QStringLiteral("out"))) {
        QString error;
        if (!saveFile(options.value(QStringLiteral("out")),
                      QByteArray(reinterpret_cast<const char*>(record.data()), int(record.size())), &error))
            return ctx.fail(error);
    }
    return kExitOk;
}

int readConfig(const Options& options, Context& ctx)
{
    QObject owner;
    ProtocolImpl* engine = makeEngine(options, &owner);
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    const std::vector<BlockRecord> blocks = olma::config::blockTable();
    if (!engine->readConfig(image.data(), blocks, nullptr))
        return ctx.fail(failure(*engine));
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), int(image.size()));
    const QString name = options.value(QStringLiteral("out"));
    QString error;
    if (!saveFile(name, bytes, &error))
        return ctx.fail(error);
    ctx.out << "Configuration: " << bytes.size() << " bytes in " << blocks.size() << " blocks written to " << name
            << '\n'
            << "SHA-256: " << QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() << '\n';
    ctx.out.flush();
    return kExitOk;
}

const std::vector<Command>& commands()
{
    static const std::vector<Command> table = {
        {"ports",
         "ports [--usb]",
         "list the serial ports (system name, name, bus)",
         {},
         {},
         {QStringLiteral("usb")},
         &ports},
        {"identify",
         "identify --port PORT",
         "model, firmware version and serial number of the panel",
         {QStringLiteral("port")},
         {},
         {},
         &identify},
        {"state",
         "state --port PORT [--out FILE]",
         "the panel's clock and 84-byte state record",
         {QStringLiteral("port")},
         {QStringLiteral("out")},
         {},
         &state},
        {"read-config",
         "read-config --port PORT --out FILE",
         "read the configuration image into FILE",
         {QStringLiteral("port"), QStringLiteral("out")},
         {},
         {},
         &readConfig},
    };
    return table;
}

// Fills `options` from the arguments after the command name; false with a message otherwise.
bool parseOptions(const Command& command, const QStringList& args, Options* options, QString* error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("unexpected argument \"%1\"").arg(arg);
            return false;
        }
        QString name = arg.mid(2);
        QString value;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        const bool inlineValue = eq >= 0;
        if (inlineValue) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        }
        if (command.flags.contains(name)) {
            if (inlineValue) {
                *error = QStringLiteral("--%1 takes no value").arg(name);
                return false;
            }
        } else if (command.required.contains(name) || command.optional.contains(name)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    *error = QStringLiteral("--%1 needs a value").arg(name);
                    return false;
                }
                value = args[++i];
            }
            if (value.isEmpty()) {
                *error = QStringLiteral("--%1 needs a value").arg(name);
                return false;
            }
        } else {
            *error = QStringLiteral("unknown option \"%1\"").arg(arg);
            return false;
        }
        options->set(name, value);
    }
    for (const QString& name : command.required) {
        if (!options->has(name)) {
            *error = QStringLiteral("--%1 is required").arg(name);
            return false;
        }
    }
    return true;
}

} // namespace

QString usage()
{
    QString text = QStringLiteral("Usage: olma-cli <command> [options]\n\nCommands:\n");
    for (const Command& command : commands())
        text += QStringLiteral("  %1\n      %2\n").arg(QLatin1String(command.synopsis), QLatin1String(command.summary));
    text += QStringLiteral("\nExit status: 0 done, 1 failed (the reason is printed), 2 bad command line.\n");
    return text;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.isEmpty()) {
        err << usage() << Qt::flush;
        return kExitUsage;
    }
    const QString name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        out << usage() << Qt::flush;
        return kExitOk;
    }
    for (const Command& command : commands()) {
        if (name != QLatin1String(command.name))
            continue;
        Options options;
        QString error;
        if (!parseOptions(command, arguments.mid(1), &options, &error)) {
            err << "olma-cli " << name << ": " << error << "\n\n" << usage() << Qt::flush;
            return kExitUsage;
        }
        Context ctx{out, err, name};
        return command.run(options, ctx);
    }
    err << "olma-cli: unknown command \"" << name << "\"\n\n" << usage() << Qt::flush;
    return kExitUsage;
}

} // namespace olma::cli
