#include "cli/archivecommands.h"

#include "archive/archive.h"
#include "archive/archiverecords.h"
#include "archive/archivetexts.h"
#include "archive/configdiff.h"
#include "archive/storedconfiguration.h"
#include "cli/cli.h"
#include "common/devicetype.h"
#include "common/text.h"
#include "config/configuration.h"
#include "config/descriptiondocument.h"
#include "config/imagemap.h"
#include "link/errorcodes.h"
#include "link/networkport.h"
#include "link/protocolimpl.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <optional>
#include <termios.h>
#include <unistd.h>

namespace olma::cli {

namespace {

using olma::archive::Archive;
using olma::archive::SnapshotKind;

const QString kArchiveOption = QStringLiteral("--archive");
const QString kNoArchiveOption = QStringLiteral("--no-archive");
const char* const kArchiveVariable = "OLMA_ARCHIVE";
const QStringList kModels = {QStringLiteral("4"), QStringLiteral("8"), QStringLiteral("16")};

// Which archive this run uses.
struct ArchiveChoice
{
    bool off = false;
    QString url; // empty: the default file
};

// Takes the archive options out of the arguments; false with a message for a bad one.
bool takeArchiveOptions(QStringList& args, ArchiveChoice* choice, QString* error)
{
    for (int i = 0; i < args.size();) {
        const QString& arg = args[i];
        if (arg == kNoArchiveOption) {
            choice->off = true;
            args.removeAt(i);
        } else if (arg == kArchiveOption) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                *error = QStringLiteral("--archive needs a value");
                return false;
            }
            choice->url = args[i + 1];
            args.remove(i, 2);
        } else if (arg.startsWith(kArchiveOption + QLatin1Char('='))) {
            choice->url = arg.mid(kArchiveOption.size() + 1);
            if (choice->url.isEmpty()) {
                *error = QStringLiteral("--archive needs a value");
                return false;
            }
            args.removeAt(i);
        } else {
            ++i;
        }
    }
    if (choice->url.isEmpty())
        choice->url = qEnvironmentVariable(kArchiveVariable);
    return true;
}

// A PostgreSQL password typed at the terminal, without echo; nothing without a terminal.
QString askPassword(const QString& location)
{
    if (::isatty(STDIN_FILENO) != 1)
        return {};
    QTextStream err(stderr);
    err << OLMA_TEXT("Cli", "Пароль для архива %1: ").arg(location) << Qt::flush;
    termios saved{};
    const bool quiet = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    }
    QTextStream in(stdin);
    const QString password = in.readLine();
    if (quiet)
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    err << Qt::endl;
    return password;
}

bool openArchive(Archive& archive, const ArchiveChoice& choice)
{
    archive.setPasswordPrompt(&askPassword);
    if (choice.url.isEmpty())
        return archive.open(QStringLiteral("sqlite://") + olma::archive::defaultArchivePath());
    return archive.open(choice.url);
}

// The panel's identify answer: model, firmware version, serial number.
struct Identity
{
    quint32 serial = 0;
    int deviceType = 0;
    int firmware = 0;
};

std::optional<Identity> identify(const QString& port)
{
    QObject owner;
    auto* engine = new ProtocolImpl(port, &owner, false, olma::link::standardAcceptedCodes());
    quint32 answer = 0;
    if (!engine->getId(&answer, nullptr))
        return std::nullopt;
    return Identity{answer >> 16, olma::deviceTypeFromModelCode(answer & 0xFFu), int((answer >> 8) & 0xFFu)};
}

bool readFile(const QString& name, QByteArray* bytes)
{
    QFile file(name);
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return true;
}

bool writeFile(const QString& name, const QByteArray& bytes, QString* error)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(name, file.errorString());
        return false;
    }
    return true;
}

// The value of "--name VALUE" / "--name=VALUE" among `args`; the pair is taken out.
std::optional<QString> takeValue(QStringList& args, const QString& name)
{
    const QString option = QStringLiteral("--") + name;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == option && i + 1 < args.size()) {
            const QString value = args[i + 1];
            args.remove(i, 2);
            return value;
        }
        if (args[i].startsWith(option + QLatin1Char('='))) {
            const QString value = args[i].mid(option.size() + 1);
            args.removeAt(i);
            return value;
        }
    }
    return std::nullopt;
}

// ---- after a panel command ----------------------------------------------------------------

// What a panel command leaves for the archive: where its files are and what they hold.
struct Archiving
{
    QString command;
    QString port;
    QString file;  // read-config, read-log: --out; write-config: the operand
    int model = 2; // write-config: --model
};

std::optional<Archiving> archivingFor(const QStringList& args)
{
    if (args.isEmpty())
        return std::nullopt;
    const QString command = args.first();
    if (command != QLatin1String("read-config") && command != QLatin1String("write-config") &&
        command != QLatin1String("read-log"))
        return std::nullopt;
    QStringList rest = args.mid(1);
    // The safe write keeps its backup and records what it wrote itself; the plain one is
    // archived afterwards as the other commands are.
    if (command == QLatin1String("write-config") && !rest.contains(QLatin1String("--plain")))
        return std::nullopt;
    if (rest.contains(QLatin1String("--help")) || rest.contains(QLatin1String("-h")))
        return std::nullopt;
    Archiving a;
    a.command = command;
    a.port = takeValue(rest, QStringLiteral("port")).value_or(QString());
    a.model =
        int(std::max<qsizetype>(0, kModels.indexOf(takeValue(rest, QStringLiteral("model")).value_or(QString()))));
    rest.removeAll(QStringLiteral("--plain"));
    rest.removeAll(QStringLiteral("--all-blocks"));
    if (command == QLatin1String("write-config"))
        a.file = rest.value(0);
    else
        a.file = takeValue(rest, QStringLiteral("out")).value_or(QString());
    if (a.port.isEmpty() || a.file.isEmpty())
        return std::nullopt;
    return a;
}

// Archives what the command moved; the trouble, if any, for standard error.
QString archiveAfter(const Archiving& a, const Identity& panel, const ArchiveChoice& choice,
                     const QByteArray& partialLog = {})
{
    Archive archive;
    if (!openArchive(archive, choice))
        return archive.lastError();
    if (!archive.touchPanel(panel.serial, panel.deviceType, panel.firmware))
        return archive.lastError();
    // A read-log that stopped halfway wrote no file; what arrived is still merged.
    if (!partialLog.isEmpty())
        return archive.mergeLog(panel.serial, partialLog, false) < 0 ? archive.lastError() : QString();
    QByteArray bytes;
    if (!readFile(a.file, &bytes))
        return QStringLiteral("cannot read %1").arg(a.file);
    if (a.command == QLatin1String("read-log"))
        return archive.mergeLog(panel.serial, bytes, true) < 0 ? archive.lastError() : QString();

    const int deviceType = a.command == QLatin1String("read-config") ? panel.deviceType : a.model;
    QByteArray descriptions;
    if (!readFile(olma::config::Configuration::descriptionFileName(a.file), &descriptions))
        descriptions = olma::config::descriptions::emptyDocumentText().toUtf8();
    const olma::archive::StoredConfiguration stored(bytes, deviceType, descriptions);
    const QByteArray image =
        QByteArray(reinterpret_cast<const char*>(stored.configuration().image().data()), olma::config::kImageSize);
    const SnapshotKind kind =
        a.command == QLatin1String("read-config") ? SnapshotKind::ReadFromPanel : SnapshotKind::WrittenToPanel;
    if (archive.addSnapshot(panel.serial, deviceType, image,
                            olma::archive::StoredConfiguration::descriptionsOf(stored.configuration()), kind) == 0)
        return archive.lastError();
    return {};
}

// ---- the archive commands -----------------------------------------------------------------

struct ArchiveContext
{
    QTextStream& out;
    QTextStream& err;
    const ArchiveChoice& choice;
    QString command;

    int fail(const QString& message, int status = kExitFailed)
    {
        err << "olma-cli archive " << command << ": " << message << Qt::endl;
        return status;
    }
};

QString modelText(int deviceType)
{
    return QString::number(olma::loopCount(deviceType));
}

QString timeText(const QDateTime& time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

std::optional<quint32> serialValue(const QString& text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value > 0xFFFF)
        return std::nullopt;
    return quint32(value);
}

int panelsCommand(Archive& archive, QStringList args, ArchiveContext& ctx)
{
    if (!args.isEmpty())
        return ctx.fail(QStringLiteral("unexpected argument \"%1\"").arg(args.first()), kExitUsage);
    const QList<olma::archive::PanelInfo> panels = archive.panels();
    if (!archive.lastError().isEmpty())
        return ctx.fail(archive.lastError());
    ctx.out << "Serial\tModel\tFirmware\tName\tSite\tLast contact\tSnapshots\tEvents\n";
    for (const auto& p : panels)
        ctx.out << p.serial << '\t' << modelText(p.deviceType) << '\t' << p.firmwareVersion << '\t' << p.name << '\t'
                << p.site << '\t' << timeText(p.lastContact) << '\t' << p.snapshotCount << '\t' << p.eventCount << '\n';
    ctx.out.flush();
    return kExitOk;
}

int snapshotsCommand(Archive& archive, QStringList args, ArchiveContext& ctx)
{
    const std::optional<quint32> serial = args.size() == 1 ? serialValue(args[0]) : std::nullopt;
    if (!serial)
        return ctx.fail(QStringLiteral("SERIAL (0..65535) is required"), kExitUsage);
    if (!archive.panel(*serial))
        return ctx.fail(olma::archive::texts::kNoSuchPanel.arg(*serial));
    ctx.out << "Id\tTime\tWhat\tModel\tOperator\tHost\tSHA-256\n";
    for (const auto& s : archive.snapshots(*serial)) {
        QString what = olma::archive::snapshotKindText(s.kind);
        if (!s.path.isEmpty())
            what += QStringLiteral(" ") + s.path;
        ctx.out << s.id << '\t' << timeText(s.time) << '\t' << what << '\t' << modelText(s.deviceType) << '\t'
                << s.operatorName << '\t' << s.host << '\t' << s.sha256.toHex() << '\n';
    }
    ctx.out.flush();
    return archive.lastError().isEmpty() ? kExitOk : ctx.fail(archive.lastError());
}

int getCommand(Archive& archive, QStringList args, ArchiveContext& ctx)
{
    const std::optional<QString> out = takeValue(args, QStringLiteral("out"));
    bool ok = false;
    const qint64 id = args.size() == 1 ? args[0].toLongLong(&ok) : 0;
    if (!ok || !out || out->isEmpty())
        return ctx.fail(QStringLiteral("usage: archive get ID --out FILE.bin"), kExitUsage);
    const auto snapshot = archive.snapshot(id);
    if (!snapshot)
        return ctx.fail(archive.lastError());
    QString error;
    if (!writeFile(olma::config::Configuration::descriptionFileName(*out), snapshot->descriptions, &error) ||
        !writeFile(*out, snapshot->image, &error))
        return ctx.fail(error);
    ctx.out << "Snapshot " << id << " written to " << *out << Qt::endl;
    return kExitOk;
}

// A side of a comparison: a snapshot id or a configuration file.
std::unique_ptr<olma::archive::StoredConfiguration> comparisonSide(Archive& archive, const QString& side,
                                                                   std::optional<int> model, QString* error)
{
    bool isId = false;
    const qint64 id = side.toLongLong(&isId);
    if (isId && !QFileInfo::exists(side)) {
        const auto snapshot = archive.snapshot(id);
        if (!snapshot) {
            *error = archive.lastError();
            return nullptr;
        }
        return std::make_unique<olma::archive::StoredConfiguration>(
            snapshot->image, model.value_or(snapshot->deviceType), snapshot->descriptions);
    }
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), model.value_or(2));
    const olma::config::FileReadResult read = configuration.readFromFile(side, model.value_or(2));
    if (read != olma::config::FileReadResult::Loaded) {
        *error = olma::config::fileReadMessage(read, side);
        return nullptr;
    }
    return std::make_unique<olma::archive::StoredConfiguration>(
        QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())), model.value_or(2),
        olma::archive::StoredConfiguration::descriptionsOf(configuration));
}

// As diff(1): 0 equal, 1 different, 2 trouble.
int diffCommand(Archive& archive, QStringList args, ArchiveContext& ctx)
{
    constexpr int kTrouble = 2;
    std::optional<int> model;
    if (const auto value = takeValue(args, QStringLiteral("model"))) {
        if (!kModels.contains(*value))
            return ctx.fail(QStringLiteral("--model takes 4, 8 or 16, not \"%1\"").arg(*value), kTrouble);
        model = int(kModels.indexOf(*value));
    }
    if (args.size() != 2)
        return ctx.fail(QStringLiteral("usage: archive diff A B [--model {4,8,16}]"), kTrouble);
    QString error;
    const auto before = comparisonSide(archive, args[0], model, &error);
    if (!before)
        return ctx.fail(error, kTrouble);
    // A file compared with a snapshot is read as a configuration of the snapshot's model.
    if (!model)
        model = before->configuration().deviceType();
    const auto after = comparisonSide(archive, args[1], model, &error);
    if (!after)
        return ctx.fail(error, kTrouble);
    const QStringList differences =
        olma::archive::compareConfigurations(before->configuration(), after->configuration());
    ctx.out << olma::archive::comparisonText(differences) << Qt::flush;
    return differences.isEmpty() ? kExitOk : kExitFailed;
}

int logCommand(Archive& archive, QStringList args, ArchiveContext& ctx)
{
    const std::optional<QString> out = takeValue(args, QStringLiteral("out"));
    const std::optional<quint32> serial = args.size() == 1 ? serialValue(args[0]) : std::nullopt;
    if (!serial || !out || out->isEmpty())
        return ctx.fail(QStringLiteral("usage: archive log SERIAL --out FILE.bin"), kExitUsage);
    if (!archive.panel(*serial))
        return ctx.fail(olma::archive::texts::kNoSuchPanel.arg(*serial));
    const QByteArray history = archive.history(*serial);
    if (!archive.lastError().isEmpty())
        return ctx.fail(archive.lastError());
    QString error;
    if (!writeFile(*out, history, &error))
        return ctx.fail(error);
    ctx.out << "Event history: " << history.size() / olma::archive::kRecordSize << " events written to " << *out
            << Qt::endl;
    return kExitOk;
}

int importCommand(Archive& archive, QStringList args, ArchiveContext& ctx)
{
    const std::optional<QString> serialText = takeValue(args, QStringLiteral("serial"));
    const std::optional<QString> modelValue = takeValue(args, QStringLiteral("model"));
    const std::optional<quint32> serial = serialText ? serialValue(*serialText) : std::nullopt;
    if (!serial || args.size() != 1 || (modelValue && !kModels.contains(*modelValue)))
        return ctx.fail(QStringLiteral("usage: archive import FILE.bin --serial N [--model {4,8,16}]"), kExitUsage);
    // The model of the panel when the archive knows it, else the one given, else 16 loops.
    const auto known = archive.panel(*serial);
    const int deviceType = modelValue ? int(kModels.indexOf(*modelValue)) : known ? known->deviceType : 2;
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), deviceType);
    const olma::config::FileReadResult read = configuration.readFromFile(args[0], deviceType);
    if (read != olma::config::FileReadResult::Loaded)
        return ctx.fail(olma::config::fileReadMessage(read, args[0]));
    const QString path = QFileInfo(args[0]).absoluteFilePath();
    const qint64 id = archive.addSnapshot(
        *serial, deviceType, QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())),
        olma::archive::StoredConfiguration::descriptionsOf(configuration), SnapshotKind::Manual, path,
        QFileInfo(args[0]).lastModified().toUTC());
    if (id == 0)
        return ctx.fail(archive.lastError());
    ctx.out << "Imported " << path << " as snapshot " << id << " of panel " << *serial << Qt::endl;
    return kExitOk;
}

int archiveCommand(QStringList args, QTextStream& out, QTextStream& err, const ArchiveChoice& choice)
{
    ArchiveContext ctx{out, err, choice, args.value(0)};
    if (args.isEmpty() || args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        (args.isEmpty() ? err : out) << archiveUsage() << Qt::flush;
        return args.isEmpty() ? kExitUsage : kExitOk;
    }
    using Handler = int (*)(Archive&, QStringList, ArchiveContext&);
    const QList<QPair<QString, Handler>> handlers = {
        {QStringLiteral("panels"), &panelsCommand}, {QStringLiteral("snapshots"), &snapshotsCommand},
        {QStringLiteral("get"), &getCommand},       {QStringLiteral("diff"), &diffCommand},
        {QStringLiteral("log"), &logCommand},       {QStringLiteral("import"), &importCommand},
    };
    for (const auto& [name, handler] : handlers) {
        if (name != ctx.command)
            continue;
        const int trouble = name == QLatin1String("diff") ? 2 : kExitFailed;
        if (choice.off)
            return ctx.fail(QStringLiteral("--no-archive leaves no archive to work on"), kExitUsage);
        Archive archive;
        if (!openArchive(archive, choice))
            return ctx.fail(archive.lastError(), trouble);
        return handler(archive, args.mid(1), ctx);
    }
    err << "olma-cli archive: unknown command \"" << ctx.command << "\"\n\n" << archiveUsage() << Qt::flush;
    return kExitUsage;
}

} // namespace

QString archiveUsage()
{
    return QStringLiteral(
        "Archive commands (every command also takes --archive URL or --no-archive):\n"
        "  archive panels\n"
        "  archive snapshots SERIAL\n"
        "  archive get ID --out FILE.bin\n"
        "  archive diff A B [--model {4,8,16}]   (A, B: snapshot ids or configuration files; exit 0 equal, 1 "
        "different)\n"
        "  archive log SERIAL --out FILE.bin\n"
        "  archive import FILE.bin --serial N [--model {4,8,16}]\n"
        "The archive: --archive sqlite:///path/file.sqlite or postgresql://user@host:port/database[?sslmode=require],\n"
        "else the OLMA_ARCHIVE variable, else archive.sqlite in the configurator's data folder.\n"
        "read-config, write-config and read-log archive what they moved.\n");
}

bool takeLanguageOption(QStringList& args, QString* language, QString* error)
{
    const qsizetype last = args.lastIndexOf(QStringLiteral("--lang"));
    if (last >= 0 && last == args.size() - 1) {
        *error = QStringLiteral("--lang needs ru or en");
        return false;
    }
    const std::optional<QString> value = takeValue(args, QStringLiteral("lang"));
    *language = value.value_or(QString());
    if (value && *language != QLatin1String("ru") && *language != QLatin1String("en")) {
        *error = QStringLiteral("--lang needs ru or en, not \"%1\"").arg(*language);
        return false;
    }
    return true;
}

int runWithArchive(const QStringList& arguments, QTextStream& out, QTextStream& err, bool progressBar)
{
    QStringList args = arguments;
    ArchiveChoice choice;
    QString error;
    if (!takeArchiveOptions(args, &choice, &error)) {
        err << "olma-cli: " << error << Qt::endl;
        return kExitUsage;
    }
    if (!args.isEmpty() && args.first() == QLatin1String("archive"))
        return archiveCommand(args.mid(1), out, err, choice);

    const std::optional<Archiving> archiving = choice.off ? std::nullopt : archivingFor(args);
    // The panel is identified before the command: after a write it is restarting.
    std::optional<Identity> panel;
    if (archiving) {
        // The identify goes over tls:// as the command will, with the same trust.
        QStringList rest = args;
        olma::link::setTlsTrust(takeValue(rest, QStringLiteral("ca")).value_or(QString()),
                                rest.contains(QStringLiteral("--insecure")));
        panel = identify(archiving->port);
    }
    olma::archive::ArchiveWriteRecords records(choice.url, choice.off);
    records.setPasswordPrompt(&askPassword);
    if (!args.isEmpty() && args.first() == QLatin1String("write-config")) {
        // The descriptions beside the file are recorded with the configuration written.
        QStringList rest = args.mid(1);
        takeValue(rest, QStringLiteral("port"));
        takeValue(rest, QStringLiteral("model"));
        rest.removeAll(QStringLiteral("--all-blocks"));
        rest.removeAll(QStringLiteral("--plain"));
        QByteArray descriptions;
        if (rest.size() == 1 && readFile(olma::config::Configuration::descriptionFileName(rest[0]), &descriptions))
            records.setDescriptions(descriptions);
    }
    const int status = run(args, out, err, progressBar, &records);
    if (!records.trouble().isEmpty())
        err << "olma-cli " << args.value(0) << OLMA_TEXT("Cli", ": архив: ") << records.trouble() << Qt::endl;
    if (args.isEmpty() || args.first() == QLatin1String("help") || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        if (args.size() <= 1)
            (status == kExitOk ? out : err) << '\n' << archiveUsage() << Qt::flush;
    }
    const QByteArray partialLog =
        archiving && archiving->command == QLatin1String("read-log") ? records.partialLog() : QByteArray();
    if ((status != kExitOk && partialLog.isEmpty()) || !archiving)
        return status;
    const QString trouble = panel ? archiveAfter(*archiving, *panel, choice, partialLog)
                                  : QStringLiteral("the panel did not say who it is; nothing archived");
    if (!trouble.isEmpty())
        err << "olma-cli " << archiving->command << OLMA_TEXT("Cli", ": архив: ") << trouble << Qt::endl;
    return status;
}

} // namespace olma::cli
