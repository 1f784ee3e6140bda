#include "cli/cli.h"

#include "cli/terminalprogress.h"
#include "common/devicetype.h"
#include "common/safefile.h"
#include "common/text.h"
#include "config/configexport.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "device/accessstate.h"
#include "device/commonstate.h"
#include "device/device.h"
#include "device/faultstate.h"
#include "device/releysstates.h"
#include "device/tailsstate.h"
#include "device/zonesstate.h"
#include "firmware/firmwareimage.h"
#include "flows/panelflows.h"
#include "flows/safewrite.h"
#include "flows/windowtexts.h"
#include "flows/writerecords.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/networkport.h"
#include "link/portlist.h"
#include "link/protocolimpl.h"
#include "logview/logevents.h"
#include "logview/logview.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace olma::cli {

namespace {

namespace wtexts = olma::app::texts;

// Options of one command line: "--name value" or "--name=value"; flags have no value; at most
// one operand (a file name).
class Options
{
public:
    bool has(const QString& name) const { return _values.contains(name); }
    QString value(const QString& name) const { return _values.value(name); }
    void set(const QString& name, const QString& value) { _values.insert(name, value); }

    QString port() const { return value(QStringLiteral("port")); }
    QString out() const { return value(QStringLiteral("out")); }
    // The model index of "--model {4,8,16}"; checked by the parser.
    int deviceType() const;

    QString operand;

private:
    QHash<QString, QString> _values;
};

struct Context
{
    QTextStream& out;
    QTextStream& err;
    QString command;
    bool progressBar = false;
    olma::app::WriteRecords* records = nullptr;

    int fail(const QString& message, int status = kExitFailed)
    {
        err << "olma-cli " << command << ": " << message << Qt::endl;
        return status;
    }
    int done(const QString& message)
    {
        out << message << Qt::endl;
        return kExitOk;
    }
    // The bar for a transfer, or none.
    std::unique_ptr<TerminalProgress> progress()
    {
        return progressBar ? std::make_unique<TerminalProgress>(err) : nullptr;
    }
};

struct Command
{
    const char* name;
    const char* synopsis;
    const char* help;
    QStringList required; // options that take a value and must be given
    QStringList optional; // options that take a value
    QStringList flags;    // options without a value
    const char* operand;  // the one file operand, or null when the command takes none
    int (*run)(const Options&, Context&);
};

// How tls:// trusts the panel's server, taken by every command on a port.
const QString kCaOption = QStringLiteral("ca");
const QString kInsecureFlag = QStringLiteral("insecure");

const QStringList kModels = {QStringLiteral("4"), QStringLiteral("8"), QStringLiteral("16")};
const QStringList kStatePages = {QStringLiteral("common"), QStringLiteral("faults"), QStringLiteral("loops"),
                                 QStringLiteral("zones"),  QStringLiteral("access"), QStringLiteral("relays")};

// The captions of the common state page, in its order.
const olma::Text kVersionCaption = OLMA_TEXT("Cli", "Версия ПО: ");
const olma::Text kTypeCaption = OLMA_TEXT("Cli", "Тип прибора: ");
const olma::Text kSerialCaption = OLMA_TEXT("Cli", "Серийный номер: ");
const olma::Text kClockCaption = OLMA_TEXT("Cli", "Время и дата: ");

// "--model" values by model index: the 4-, 8- and 16-loop panels.
int Options::deviceType() const
{
    return int(std::max<qsizetype>(0, kModels.indexOf(value(QStringLiteral("model")))));
}

ProtocolImpl* makeEngine(const Options& options, QObject* parent)
{
    // The engine the port dialog would make for this port.
    return new ProtocolImpl(options.port(), parent, false, olma::link::standardAcceptedCodes());
}

// What went wrong on the line, naming the port: the window's message is said before it.
QString lineTrouble(const ProtocolImpl& engine)
{
    if (engine.openDenied())
        return engine.openErrorString();
    if (!engine.openErrorString().isEmpty())
        return QStringLiteral("cannot open %1: %2").arg(engine.portName(), engine.openErrorString());
    const QString text = ProtocolImpl::errorText(engine.errorCode());
    return QStringLiteral("%1: %2 (%3)")
        .arg(engine.portName(), text.isEmpty() ? QStringLiteral("error") : text)
        .arg(engine.errorCode());
}

QString withTrouble(const QString& message, const ProtocolImpl& engine)
{
    return message + QStringLiteral(" [") + lineTrouble(engine) + QLatin1Char(']');
}

bool saveFile(const QString& name, const QByteArray& bytes, QString* error)
{
    QString reason;
    if (!olma::files::writeFile(name, bytes, &reason)) {
        *error = QStringLiteral("cannot write %1: %2").arg(name, reason);
        return false;
    }
    return true;
}

// A description file passed over is worth a word; the configuration itself loaded.
void warnAboutDescriptions(const olma::config::Configuration& configuration, Context& ctx)
{
    if (!configuration.descriptionWarning().isEmpty())
        ctx.err << "olma-cli " << ctx.command << ": " << configuration.descriptionWarning() << Qt::endl;
}

// Loads the configuration file named on the command line for the model given with --model;
// returns the message of a file that could not be loaded, empty when it was.
QString loadOperand(olma::config::Configuration& configuration, const Options& options, Context& ctx)
{
    const olma::config::FileReadResult read = configuration.readFromFile(options.operand, options.deviceType());
    if (read != olma::config::FileReadResult::Loaded)
        return olma::config::fileReadMessage(read, options.operand);
    warnAboutDescriptions(configuration, ctx);
    return QString();
}

void commonLines(QTextStream& out, const olma::device::Device& device, bool captions)
{
    const olma::device::CommonStateLines lines = olma::device::commonStateLines(*device.commonState());
    if (captions) {
        out << kVersionCaption << lines.version << '\n'
            << kTypeCaption << lines.type << '\n'
            << kSerialCaption << lines.serialNumber << '\n'
            << kClockCaption << lines.clock << '\n';
    } else {
        out << "Firmware version: " << lines.version << '\n'
            << "Model: " << lines.type << '\n'
            << "Serial number: " << lines.serialNumber << '\n'
            << "Clock: " << lines.clock << '\n';
    }
}

// ---- the panel ----------------------------------------------------------------------------

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
        return ctx.fail(withTrouble(wtexts::kStateNoLink, *engine));
    const unsigned code = answer & 0xFF;
    ctx.out << "Model: " << olma::device::modelName(olma::deviceTypeFromModelCode(code))
            << QStringLiteral(" (code 0x%1)\n").arg(code, 2, 16, QLatin1Char('0'))
            << "Firmware version: " << ((answer >> 8) & 0xFF) << '\n'
            << "Serial number: " << ((answer >> 16) & 0xFFFF) << '\n';
    ctx.out.flush();
    return kExitOk;
}

int state(const Options& options, Context& ctx)
{
    QObject owner;
    QPointer<ProtocolImpl> engine = makeEngine(options, &owner);
    const olma::app::StatePoll poll = olma::app::pollState(engine);
    if (!poll.stateRead || !poll.identified)
        return ctx.fail(withTrouble(wtexts::kStateNoLink, *engine));
    if (options.has(QStringLiteral("out"))) {
        QString error;
        const QByteArray bytes(reinterpret_cast<const char*>(poll.record.data()), int(poll.record.size()));
        if (!saveFile(options.out(), bytes, &error))
            return ctx.fail(error);
    }
    olma::device::Device device;
    device.setData(poll.record);
    ctx.out << wtexts::kStateLinked << '\n';
    commonLines(ctx.out, device, false);
    ctx.out.flush();
    return kExitOk;
}

int readConfig(const Options& options, Context& ctx)
{
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), 0);
    QObject owner;
    ProtocolImpl* engine = makeEngine(options, &owner);

    std::vector<unsigned char> copy;
    std::vector<BlockRecord> table;
    configuration.blocks(copy, table);
    const auto bar = ctx.progress();
    if (!engine->readConfig(copy.data(), table, bar.get()))
        return ctx.fail(withTrouble(wtexts::kReadConfFailed, *engine));
    std::copy_n(copy.begin(), std::min(copy.size(), image.size()), image.begin());
    configuration.setImage(image.data());
    configuration.resetDescriptions();

    const QString name = options.out();
    QString reason;
    if (!configuration.saveToFile(name, &reason))
        return ctx.fail(olma::files::withReason(wtexts::kSaveConfFailed.arg(name), reason));
    ctx.out << "Configuration: " << image.size() << " bytes in " << table.size() << " blocks written to " << name
            << '\n';
    ctx.out.flush();
    return kExitOk;
}

// The panel's model and who it is, as the window's poll finds them; none when it did not answer.
struct Polled
{
    olma::app::PanelIdentity identity;
    int deviceType = 0;
};

std::optional<Polled> pollPanel(const QPointer<ProtocolImpl>& engine)
{
    const olma::app::StatePoll poll = olma::app::pollState(engine);
    if (!poll.identified || !poll.stateRead)
        return std::nullopt;
    olma::device::Device device;
    device.setData(poll.record);
    return Polled{olma::app::PanelIdentity::fromAnswer(poll.id), device.deviceType()};
}

// The plain write: every block in table order, then the restart; no backup, no check.
int plainWrite(ProtocolImpl& engine, const olma::config::Configuration& configuration, Context& ctx)
{
    std::vector<unsigned char> copy;
    std::vector<BlockRecord> table;
    configuration.blocks(copy, table);
    if (copy.empty())
        return ctx.fail(wtexts::kWriteConfEmpty);
    const auto bar = ctx.progress();
    if (!engine.writeConfig(copy.data(), table, bar.get()))
        return ctx.fail(withTrouble(olma::app::writeConfigFailure(engine.errorCode()), engine));
    ctx.done(wtexts::kWriteConfDone);
    // The panel takes the new configuration when it starts again.
    if (!engine.restart())
        ctx.err << "olma-cli " << ctx.command << ": " << olma::app::resetFailure(engine.errorCode()) << Qt::endl;
    return kExitOk;
}

// How to put the backup back, for the message of a write that went wrong.
QString restoreHint(const QString& port, const QString& backup)
{
    return wtexts::kBackupKept.arg(backup) + QStringLiteral("\n") + wtexts::kRestoreBackup +
           QStringLiteral(": olma-cli restore --port %1 %2").arg(port, backup);
}

// Writes `image` over what the panel was read to hold in `panelImage`: what changed, read back,
// restart when verified. What went wrong goes to stderr, with `backup` to restore from.
int writeOver(ProtocolImpl& engine, const Polled& panel, const std::vector<unsigned char>& panelImage,
              const std::vector<unsigned char>& image, const Options& options, const QString& backup, Context& ctx,
              const QString& doneText)
{
    const auto bar = ctx.progress();
    const olma::app::SafeWriteResult result =
        olma::app::writeChanged(engine, panelImage, image, options.has(QStringLiteral("all-blocks")), bar.get());
    switch (result.outcome) {
    case olma::app::SafeWriteResult::Outcome::AlreadyEqual:
        return ctx.done(olma::app::alreadyEqualText());
    case olma::app::SafeWriteResult::Outcome::Verified:
        ctx.records->recordWrite(panel.identity, image, true);
        ctx.done(doneText);
        if (!result.restartSent)
            ctx.err << "olma-cli " << ctx.command << ": " << olma::app::resetFailure(result.errorCode) << Qt::endl;
        return kExitOk;
    case olma::app::SafeWriteResult::Outcome::WriteFailed: {
        ctx.records->recordWrite(panel.identity, image, false);
        const QString message = olma::app::writeConfigFailure(result.errorCode);
        return ctx.fail((result.cancelled ? message : withTrouble(message, engine)) + QLatin1Char('\n') +
                        restoreHint(options.port(), backup));
    }
    case olma::app::SafeWriteResult::Outcome::Mismatch:
        ctx.records->recordWrite(panel.identity, image, false);
        return ctx.fail(olma::app::mismatchText(ctx.records->differences(panel.deviceType, image, result.stored)) +
                        QLatin1Char('\n') + restoreHint(options.port(), backup));
    }
    return kExitFailed;
}

int writeConfig(const Options& options, Context& ctx)
{
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), options.deviceType());
    if (const QString trouble = loadOperand(configuration, options, ctx); !trouble.isEmpty())
        return ctx.fail(trouble);

    // The model the panel reports, as the window's poll finds it.
    QObject owner;
    QPointer<ProtocolImpl> engine = makeEngine(options, &owner);
    const std::optional<Polled> panel = pollPanel(engine);
    if (!panel)
        return ctx.fail(withTrouble(wtexts::kWriteConfFailed, *engine));
    if (configuration.deviceType() != panel->deviceType)
        return ctx.fail(wtexts::kWriteConfTypeMismatch);
    if (options.has(QStringLiteral("plain")))
        return plainWrite(*engine, configuration, ctx);

    // The backup: what the panel holds now, kept before anything is sent.
    std::vector<unsigned char> backupImage;
    {
        const auto bar = ctx.progress();
        if (!olma::app::readPanelImage(*engine, backupImage, bar.get()))
            return ctx.fail(withTrouble(wtexts::kReadConfFailed, *engine));
    }
    QString error;
    const QString backup = ctx.records->keepBackup(panel->identity, backupImage, &error);
    if (backup.isEmpty()) {
        if (olma::app::changedBlocks(backupImage, image, olma::config::blockTable()).empty())
            return ctx.done(olma::app::alreadyEqualText());
        return ctx.fail(wtexts::kBackupNotKept.arg(error));
    }
    ctx.out << wtexts::kBackupKept.arg(backup) << Qt::endl;
    return writeOver(*engine, *panel, backupImage, image, options, backup, ctx, olma::app::verifiedText());
}

int restore(const Options& options, Context& ctx)
{
    QObject owner;
    QPointer<ProtocolImpl> engine = makeEngine(options, &owner);
    const std::optional<Polled> panel = pollPanel(engine);
    if (!panel)
        return ctx.fail(withTrouble(wtexts::kWriteConfFailed, *engine));
    std::vector<unsigned char> image;
    QString error;
    if (!ctx.records->loadBackup(options.operand, panel->deviceType, image, &error))
        return ctx.fail(error);
    // What the panel holds now, after whatever stopped the write before.
    std::vector<unsigned char> current;
    {
        const auto bar = ctx.progress();
        if (!olma::app::readPanelImage(*engine, current, bar.get()))
            return ctx.fail(withTrouble(wtexts::kReadConfFailed, *engine));
    }
    return writeOver(*engine, *panel, current, image, options, options.operand, ctx, wtexts::kRestoreDone);
}

// As diff(1): 0 equal, 1 different.
int compare(const Options& options, Context& ctx)
{
    QObject owner;
    QPointer<ProtocolImpl> engine = makeEngine(options, &owner);
    const std::optional<Polled> panel = pollPanel(engine);
    if (!panel)
        return ctx.fail(withTrouble(wtexts::kStateNoLink, *engine), kExitUsage);
    const int deviceType = options.has(QStringLiteral("model")) ? options.deviceType() : panel->deviceType;
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), deviceType);
    const olma::config::FileReadResult read = configuration.readFromFile(options.operand, deviceType);
    if (read != olma::config::FileReadResult::Loaded)
        return ctx.fail(olma::config::fileReadMessage(read, options.operand), kExitUsage);
    std::vector<unsigned char> panelImage;
    {
        const auto bar = ctx.progress();
        if (!olma::app::readPanelImage(*engine, panelImage, bar.get()))
            return ctx.fail(withTrouble(wtexts::kReadConfFailed, *engine), kExitUsage);
    }
    const std::vector<BlockRecord> changed = olma::app::changedBlocks(panelImage, image, olma::config::blockTable());
    const QStringList differences = ctx.records->differences(deviceType, panelImage, image);
    if (changed.empty() && differences.isEmpty()) {
        ctx.out << wtexts::kConfigurationsEqual << Qt::endl;
        return kExitOk;
    }
    for (const QString& line : differences)
        ctx.out << line << '\n';
    ctx.out << wtexts::kBlocksDiffer.arg(changed.size()) << Qt::endl;
    return kExitFailed;
}

int readLog(const Options& options, Context& ctx)
{
    // Records go straight into the log store, as the window's log progress dialog hands them on.
    class Sink : public IProtocolLogCallback
    {
    public:
        Sink(olma::logview::LogView& log, TerminalProgress* bar) : _log(log), _bar(bar) {}
        bool progress(unsigned done, unsigned total, bool finished) override
        {
            return !_bar || _bar->progress(done, total, finished);
        }
        void logRecord(unsigned block, const unsigned char* record) override { _log.messageBlockAdd(block, record); }

    private:
        olma::logview::LogView& _log;
        TerminalProgress* _bar;
    };

    olma::logview::LogView log;
    QObject owner;
    ProtocolImpl* engine = makeEngine(options, &owner);
    const auto bar = ctx.progress();
    Sink sink(log, bar.get());
    log.clearContent();
    const bool read = engine->readLog(&sink, 0, olma::app::kWholeLog);
    const olma::logview::LogOutcome outcome = log.endDeviceRead(read);
    if (!outcome.done) {
        const std::vector<unsigned char>& raw = log.logEvents()->rawLog();
        if (ctx.records && !raw.empty())
            ctx.records->keepPartialLog(QByteArray(reinterpret_cast<const char*>(raw.data()), qsizetype(raw.size())));
        return ctx.fail(withTrouble(outcome.text, *engine));
    }
    const olma::logview::LogOutcome saved = log.writeLogFile(options.out());
    return saved.done ? ctx.done(saved.text) : ctx.fail(saved.text);
}

int firmware(const Options& options, Context& ctx)
{
    std::vector<unsigned char> bytes;
    qint64 size = -1;
    const olma::firmware::ReadResult read = olma::firmware::readImage(options.operand, bytes, &size);
    // Checked before the port opens: an empty or tiny file would "upload" nothing and succeed.
    if (read == olma::firmware::ReadResult::Refused)
        return ctx.fail(olma::firmware::refusalMessage(options.operand, size));
    if (read != olma::firmware::ReadResult::Read)
        return ctx.fail(wtexts::kFirmwareUnreadable + QStringLiteral(" [") + options.operand + QLatin1Char(']'));
    QObject owner;
    ProtocolImpl* engine = makeEngine(options, &owner);
    const auto bar = ctx.progress();
    if (!engine->writeFirmware(bytes.data(), unsigned(bytes.size()), bar.get()))
        return ctx.fail(withTrouble(olma::app::firmwareFailure(engine->errorCode()), *engine));
    return ctx.done(wtexts::kFirmwareDone);
}

int restart(const Options& options, Context& ctx)
{
    QObject owner;
    QPointer<ProtocolImpl> engine = makeEngine(options, &owner);
    // The restart awaits no answer; like the window's, it reports what the poll before it found.
    olma::app::pollState(engine);
    if (!engine->restart()) {
        const QString message = olma::app::resetFailure(engine->errorCode());
        return ctx.fail(engine->openErrorString().isEmpty() ? message : withTrouble(message, *engine));
    }
    return ctx.done(wtexts::kResetDone);
}

// ---- files --------------------------------------------------------------------------------

int newConfig(const Options& options, Context& ctx)
{
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), options.deviceType());
    configuration.newConfiguration(options.deviceType());
    configuration.resetDescriptions();
    QString reason;
    if (!configuration.saveToFile(options.out(), &reason))
        return ctx.fail(olma::files::withReason(wtexts::kSaveConfFailed.arg(options.out()), reason));
    return kExitOk;
}

int exportConfig(const Options& options, Context& ctx)
{
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), options.deviceType());
    if (const QString trouble = loadOperand(configuration, options, ctx); !trouble.isEmpty())
        return ctx.fail(trouble);
    QString reason;
    const olma::config::ExportResult result = olma::config::exportConfiguration(configuration, options.out(), &reason);
    const QString message = olma::config::exportMessage(result);
    return result == olma::config::ExportResult::Exported ? ctx.done(message)
                                                          : ctx.fail(olma::files::withReason(message, reason));
}

int exportLog(const Options& options, Context& ctx)
{
    olma::logview::LogView log;
    const olma::logview::LogOutcome loaded = log.loadLogFile(options.operand);
    // A file that is there but cannot be read leaves the window silent; here that is a failure.
    if (!loaded.done && loaded.text.isEmpty()) {
        // Only a regular file is opened to learn why: a FIFO would block.
        if (!QFileInfo(options.operand).isFile())
            return ctx.fail(QStringLiteral("cannot read %1: not a regular file").arg(options.operand));
        QFile probe(options.operand);
        probe.open(QIODevice::ReadOnly);
        return ctx.fail(QStringLiteral("cannot read %1: %2").arg(options.operand, probe.errorString()));
    }
    if (!loaded.done)
        return ctx.fail(loaded.text);
    const olma::logview::LogOutcome exported = log.exportLog(options.out());
    return exported.done ? ctx.done(exported.text) : ctx.fail(exported.text);
}

int renderState(const Options& options, Context& ctx)
{
    // Size and type first: a huge file is not read only to be refused, a FIFO is not opened.
    QByteArray bytes;
    const olma::files::ReadResult read =
        olma::files::readFile(options.operand, olma::link::kStateRecordSize, olma::link::kStateRecordSize, &bytes);
    switch (read.status) {
    case olma::files::ReadStatus::Read:
        break;
    case olma::files::ReadStatus::Missing:
        return ctx.fail(QStringLiteral("cannot read %1: No such file or directory").arg(options.operand));
    case olma::files::ReadStatus::NotRegular:
        return ctx.fail(QStringLiteral("cannot read %1: not a regular file").arg(options.operand));
    case olma::files::ReadStatus::Unreadable:
        return ctx.fail(QStringLiteral("cannot read %1: %2").arg(options.operand, read.reason));
    case olma::files::ReadStatus::WrongSize:
        return ctx.fail(QStringLiteral("%1: a state record has %2 bytes, this file %3")
                            .arg(options.operand)
                            .arg(olma::link::kStateRecordSize)
                            .arg(read.size));
    }
    olma::device::Device device;
    device.setData(std::vector<unsigned char>(bytes.begin(), bytes.end()));

    const QString page = options.value(QStringLiteral("page"));
    if (page == QLatin1String("common"))
        commonLines(ctx.out, device, true);
    else if (page == QLatin1String("faults"))
        ctx.out << device.faultState()->pageHtml();
    else if (page == QLatin1String("loops"))
        ctx.out << device.tailsState()->pageHtml();
    else if (page == QLatin1String("zones"))
        ctx.out << device.zonesState()->pageHtml();
    else if (page == QLatin1String("access"))
        ctx.out << device.accessState()->pageHtml();
    else
        ctx.out << device.releysStates()->pageHtml();
    ctx.out.flush();
    return kExitOk;
}

// ---- the table ----------------------------------------------------------------------------

const std::vector<Command>& commands()
{
    const QString port = QStringLiteral("port");
    const QString out = QStringLiteral("out");
    const QString model = QStringLiteral("model");
    static const std::vector<Command> table = {
        {"ports",
         "ports [--usb]",
         "List the serial ports: system name, name, USB or not (\"-\").",
         {},
         {},
         {QStringLiteral("usb")},
         nullptr,
         &ports},
        {"identify",
         "identify --port PORT",
         "Print the panel's model and model code, firmware version and serial "
         "number.",
         {port},
         {},
         {},
         nullptr,
         &identify},
        {"state",
         "state --port PORT [--out FILE]",
         "Poll the panel once, as the window does every second: print its "
         "version, model, serial number and clock,\nand write the 84-byte state record (bytes 0..3 hold the identify "
         "answer) to FILE.",
         {port},
         {out},
         {},
         nullptr,
         &state},
        {"read-config",
         "read-config --port PORT --out FILE.bin",
         "Read the configuration from the panel into FILE.bin "
         "(and an empty description file FILE.bin.xml).",
         {port, out},
         {},
         {},
         nullptr,
         &readConfig},
        {"write-config",
         "write-config --port PORT --model {4,8,16} [--all-blocks] [--plain] FILE.bin",
         "Write the configuration file "
         "(read as a configuration of the given model) to the panel. Refused when the panel is of\nanother "
         "model. The panel's configuration is read first and kept as a backup (in the archive, or as a\nfile); "
         "only the blocks that differ are written (every block with --all-blocks), read back and\ncompared, and "
         "the panel is restarted only when all came back as written. On failure the backup is named\nfor "
         "\"restore\". --plain writes every block and restarts, without backup or check.",
         {port, model},
         {},
         {QStringLiteral("all-blocks"), QStringLiteral("plain")},
         "FILE.bin",
         &writeConfig},
        {"restore",
         "restore --port PORT [--all-blocks] ID|FILE.bin",
         "Write a backup back to the panel the "
         "safe way: an archive snapshot ID, or a configuration file\n(read as one of the panel's model).",
         {port},
         {},
         {QStringLiteral("all-blocks")},
         "ID|FILE.bin",
         &restore},
        {"compare",
         "compare --port PORT [--model {4,8,16}] FILE.bin",
         "Read the panel's configuration (without "
         "keeping it) and print how FILE.bin differs from it, field by field.\nExit status 0 when equal, 1 when "
         "they differ, 2 on trouble.",
         {port},
         {model},
         {},
         "FILE.bin",
         &compare},
        {"read-log",
         "read-log --port PORT --out FILE.bin",
         "Read the whole event log from the panel into FILE.bin "
         "(the raw 8-byte records).",
         {port, out},
         {},
         {},
         nullptr,
         &readLog},
        {"firmware",
         "firmware --port PORT FILE.iex",
         "Load the firmware image FILE.iex into the panel.",
         {port},
         {},
         {},
         "FILE.iex",
         &firmware},
        {"restart", "restart --port PORT", "Restart the panel.", {port}, {}, {}, nullptr, &restart},
        {"new-config",
         "new-config --model {4,8,16} --out FILE.bin",
         "Write a new configuration (the default one) "
         "for the given model to FILE.bin.",
         {model, out},
         {},
         {},
         nullptr,
         &newConfig},
        {"export-config",
         "export-config FILE.bin --model {4,8,16} --out OUT.{txt,text,log,csv,htm,html,rtf}",
         "Export a configuration file (with its FILE.bin.xml descriptions when present) as a document;\nthe "
         "extension of OUT chooses text, CSV, HTML or RTF.",
         {model, out},
         {},
         {},
         "FILE.bin",
         &exportConfig},
        {"export-log",
         "export-log FILE.bin --out OUT.{txt,text,log,csv,htm,html,rtf}",
         "Export an event log file as "
         "a document; the extension of OUT chooses text, CSV, HTML or RTF.",
         {out},
         {},
         {},
         "FILE.bin",
         &exportLog},
        {"render-state",
         "render-state RECORD.bin --page {common,faults,loops,zones,access,relays}",
         "Print a "
         "state page for an 84-byte state record: the page's HTML, or for \"common\"\nits four lines (version, "
         "type, serial number, clock).",
         {QStringLiteral("page")},
         {},
         {},
         "RECORD.bin",
         &renderState},
    };
    return table;
}

QString commandHelp(const Command& command)
{
    QString text = QStringLiteral("Usage: olma-cli %1\n\n%2\n")
                       .arg(QLatin1String(command.synopsis), QString::fromUtf8(command.help));
    if (command.required.contains(QStringLiteral("port")))
        text += QStringLiteral("\nPORT may be tcp://host:port or tls://host:port; for tls://, --ca FILE trusts that "
                               "file's\ncertificates instead of the system's, --insecure takes any certificate.\n");
    return text;
}

// Checks the values the commands rely on; false with a message otherwise.
bool checkValues(const Options& options, QString* error)
{
    if (olma::link::isNetworkPortName(options.port()) &&
        !olma::link::parseNetworkAddress(options.port(), nullptr, error))
        return false;
    if (options.has(QStringLiteral("model")) && !kModels.contains(options.value(QStringLiteral("model")))) {
        *error = QStringLiteral("--model takes 4, 8 or 16, not \"%1\"").arg(options.value(QStringLiteral("model")));
        return false;
    }
    if (options.has(QStringLiteral("page")) && !kStatePages.contains(options.value(QStringLiteral("page")))) {
        *error = QStringLiteral("--page takes one of %1, not \"%2\"")
                     .arg(kStatePages.join(QStringLiteral(", ")), options.value(QStringLiteral("page")));
        return false;
    }
    return true;
}

// Fills `options` from the arguments after the command name; false with a message otherwise.
bool parseOptions(const Command& command, const QStringList& args, Options* options, QString* error)
{
    // Every command on a port also reaches panels over tls://, so it takes the trust options.
    const bool onPort = command.required.contains(QStringLiteral("port"));
    bool operandGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!command.operand || operandGiven) {
                *error = QStringLiteral("unexpected argument \"%1\"").arg(arg);
                return false;
            }
            options->operand = arg;
            operandGiven = true;
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        const bool inlineValue = eq >= 0;
        if (inlineValue) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        }
        if (command.flags.contains(name) || (onPort && name == kInsecureFlag)) {
            if (inlineValue) {
                *error = QStringLiteral("--%1 takes no value").arg(name);
                return false;
            }
        } else if (command.required.contains(name) || command.optional.contains(name) ||
                   (onPort && name == kCaOption)) {
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
    if (command.operand && !operandGiven) {
        *error = QStringLiteral("%1 is required").arg(QLatin1String(command.operand));
        return false;
    }
    return checkValues(*options, error);
}

} // namespace

QString usage()
{
    QString text = QStringLiteral("Usage: olma-cli <command> [options]\n\nCommands:\n");
    for (const Command& command : commands())
        text += QStringLiteral("  %1\n").arg(QLatin1String(command.synopsis));
    text += QStringLiteral("\n\"olma-cli <command> --help\" tells more about a command.\n"
                           "PORT is a serial device or a network address: tcp://host:port (plain TCP) or\n"
                           "tls://host:port (checked against the system's certificates, or --ca FILE;\n"
                           "--insecure takes any certificate).\n"
                           "--lang {ru,en} (with any command): the language of the messages; by default\n"
                           "Russian when the system speaks Russian, else English. Files and documents\n"
                           "are the same in every language.\n"
                           "Exit status: 0 done, 1 failed (the reason is printed), 2 bad command line.\n");
    return text;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err, bool progressBar,
        olma::app::WriteRecords* records)
{
    olma::app::WriteRecords files;
    if (arguments.isEmpty()) {
        err << usage() << Qt::flush;
        return kExitUsage;
    }
    QString name = arguments.first();
    QStringList rest = arguments.mid(1);
    const auto isHelp = [](const QString& arg) {
        return arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("help");
    };
    if (isHelp(name)) {
        if (rest.isEmpty()) {
            out << usage() << Qt::flush;
            return kExitOk;
        }
        // "help <command>" is "<command> --help".
        name = rest.first();
        rest = {QStringLiteral("--help")};
    }
    for (const Command& command : commands()) {
        if (name != QLatin1String(command.name))
            continue;
        if (rest.contains(QLatin1String("--help")) || rest.contains(QLatin1String("-h"))) {
            out << commandHelp(command) << Qt::flush;
            return kExitOk;
        }
        Options options;
        QString error;
        if (!parseOptions(command, rest, &options, &error)) {
            err << "olma-cli " << name << ": " << error << "\n\n" << commandHelp(command) << Qt::flush;
            return kExitUsage;
        }
        olma::link::setTlsTrust(options.value(kCaOption), options.has(kInsecureFlag));
        Context ctx{out, err, name, progressBar, records ? records : &files};
        return command.run(options, ctx);
    }
    err << "olma-cli: unknown command \"" << name << "\"\n\n" << usage() << Qt::flush;
    return kExitUsage;
}

} // namespace olma::cli
