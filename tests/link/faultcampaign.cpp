#include "faultcampaign.h"

#include "flows/safewrite.h"

#include "networkfront.h"
#include "virtualpanel.h"

#include "config/configuration.h"
#include "config/iconfigitem.h"
#include "config/imagemap.h"
#include "config/user.h"
#include "config/users.h"
#include "device/device.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/iserialport.h"
#include "link/networkport.h"
#include "link/portbyname.h"
#include "link/protocolimpl.h"
#include "logview/logevents.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QtEndian>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define OLMA_CAMPAIGN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OLMA_CAMPAIGN_ASAN 1
#endif
#endif
#ifdef OLMA_CAMPAIGN_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

using namespace olma::link;

namespace olma::campaign {
namespace {

// A reply is due within this time of its request; a time-out is not declared much before it.
constexpr qint64 kTimeoutMs = kReplyTimeoutMs;
constexpr qint64 kEarlyToleranceMs = 50;
// Beyond this a schedule counts as hung, whatever it does.
constexpr int kHangSeconds = 120;
constexpr unsigned kLogToEnd = 0xFFFFFFFFu;

// splitmix64: small, fast, and the same everywhere for the same seed.
class Random
{
public:
    explicit Random(quint64 seed) : _state(seed) {}

    quint64 next()
    {
        quint64 z = (_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1
    int below(int n) { return n <= 1 ? 0 : int(next() % quint64(n)); }
    // lo .. hi
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    QByteArray bytes(int size)
    {
        QByteArray out(size, '\0');
        for (char& b : out)
            b = char(next() >> 56);
        return out;
    }

private:
    quint64 _state;
};

int modelIndex(unsigned char code)
{
    return code == 0x10 ? 2 : code == 0x08 ? 1 : 0;
}

// Log blocks a read of the panel's log asks for when every reply comes: it stops after the
// first block that is not full, or at the end of the range.
int logBlocksRead(int records, unsigned first, unsigned count)
{
    const unsigned from = std::min(first, kLogBlockCount);
    const unsigned end =
        count == kLogToEnd ? kLogBlockCount : unsigned(std::min<quint64>(quint64(from) + count, kLogBlockCount));
    int blocks = 0;
    for (unsigned b = from; b < end; ++b) {
        ++blocks;
        if (records - int(b) * kLogRecordsPerBlock < kLogRecordsPerBlock)
            break;
    }
    return blocks;
}

// How many ports the engine opened, closed and still holds.
struct PortLedger
{
    int opened = 0;
    int closed = 0;
    int alive = 0;
};

// The port the engine would use (serial or network), counted.
class TrackedPort : public ISerialPort
{
public:
    TrackedPort(PortLedger& ledger, const QString& name) : _ledger(ledger), _owned(makePort(name)), _port(*_owned)
    {
        ++_ledger.alive;
        connect(&_port, &ISerialPort::readyRead, this, &ISerialPort::readyRead);
        connect(&_port, &ISerialPort::failed, this, &ISerialPort::failed);
    }
    ~TrackedPort() override { --_ledger.alive; }

    bool open(const QString& name) override
    {
        const bool ok = _port.open(name);
        if (ok) {
            ++_ledger.opened;
            _open = true;
        }
        return ok;
    }
    qint64 write(const char* data, qint64 size) override { return _port.write(data, size); }
    qint64 read(char* data, qint64 maxSize) override { return _port.read(data, maxSize); }
    qint64 bytesAvailable() const override { return _port.bytesAvailable(); }
    void takeUpInput() override { _port.takeUpInput(); }
    bool waitForBytesWritten() override { return _port.waitForBytesWritten(); }
    void close() override
    {
        if (_open)
            ++_ledger.closed;
        _open = false;
        _port.close();
    }
    QString errorString() const override { return _port.errorString(); }

private:
    PortLedger& _ledger;
    std::unique_ptr<ISerialPort> _owned;
    ISerialPort& _port;
    bool _open = false;
};

// Progress and log records as the window's progress dialogs take them: the records go into
// the log store.
struct Receiver : IProtocolLogCallback
{
    olma::logview::LogEvents* store = nullptr;

    bool progress(unsigned, unsigned, bool) override { return true; }
    void logRecord(unsigned, const unsigned char* record) override
    {
        if (store)
            store->append(record, kLogRecordSize);
    }
};

// How one engine operation is to end.
struct Expectation
{
    enum Result
    {
        Succeeds,
        Fails,
        // Bytes of no request on the line: the panel's true data, or a serial failure (13)
        // with nothing taken; never data that slipped to the wrong request.
        RightOrLineFault,
    };
    enum Timing
    {
        Prompt,  // ends as soon as the last reply is in
        TimeOut, // ends when the last request has waited the reply time-out
        Vanish,  // ends when the line breaks, at the latest at the time-out
        NoPort,  // the port cannot be opened: ends at once
        Unheard, // no request reaches the panel: ends one time-out after the start
    };
    Result result = Succeeds;
    int code = kErrorNone;
    Timing timing = Prompt;
};

// What one engine operation did.
struct Run
{
    QString name;
    bool ok = false;
    int code = 0;
    qint64 startMs = 0;
    qint64 endMs = 0;
    int firstRequest = 0; // panel numbering: the requests of this operation
    int lastRequest = 0;
    QByteArray line; // the bytes the panel sent during the operation
    QList<QByteArray> requests;
    QString openError;
};

class ScheduleRunner
{
public:
    ScheduleRunner(const Schedule& schedule, const Settings& settings) : _s(schedule), _settings(settings) {}

    QStringList run();

private:
    template <typename F> Run operate(const QString& name, ProtocolImpl& engine, F&& operation);
    void check(const Run& run, const Expectation& expected, int awaitedReplies);
    void checkLine(const Run& run, bool ok, int code);
    void settle(int ms);
    void problem(const QString& text) { _problems << text; }
    QByteArray frame(const Run& run, int i) const { return run.line.mid(qsizetype(i) * kFrameSize, kFrameSize); }
    // Requests of the operation that await a reply (the restart awaits none).
    static int answeredRequests(const Run& run);
    Expectation expectation(int firstReply, int replies) const;

    void readConfig(ProtocolImpl& engine);
    void writeConfig(ProtocolImpl& engine);
    void readLog(ProtocolImpl& engine);
    void firmware(ProtocolImpl& engine);
    void poll(ProtocolImpl& engine);
    void safeWrite(ProtocolImpl& engine);

    const Schedule& _s;
    const Settings& _settings;
    olma::vpanel::VirtualPanel _panel;
    olma::vpanel::NetworkFront _front;
    PortLedger _ledger;
    QElapsedTimer _clock;
    QHash<int, qint64> _requestAt;
    QHash<int, qint64> _replyAt;
    QStringList _problems;
};

QStringList ScheduleRunner::run()
{
    QString error;
    if (!_panel.start(&error))
        return {QStringLiteral("the virtual panel did not start: %1").arg(error)};
    _clock.start();
    QObject::connect(&_panel, &olma::vpanel::VirtualPanel::requestReceived, &_panel,
                     [this](int number, const QByteArray&) { _requestAt[number] = _clock.elapsed(); });
    QObject::connect(&_panel, &olma::vpanel::VirtualPanel::replySent, &_panel,
                     [this](int number) { _replyAt[number] = _clock.elapsed(); });

    _panel.setModelCode(_s.modelCode);
    _panel.setStateRecord(_s.state);
    _panel.setModelCode(_s.modelCode); // the state record starts with the identify answer
    _panel.setImage(_s.image);
    _panel.setLogRecords(_s.log);

    _panel.setEcho(_s.echo);
    QString portName = _panel.portName();
    if (_s.network) {
        bool known = false;
        if (_s.fault == Fault::Refused)
            _front.addFault(QStringLiteral("refused"), &known, &error);
        if (_s.fault == Fault::SilentAccept)
            _front.addFault(QStringLiteral("silent-accept"), &known, &error);
        if (_s.fault == Fault::Reset)
            _front.addFault(QStringLiteral("reset:request=%1,after=%2").arg(_s.request).arg(_s.vanishAfter), &known,
                            &error);
        if (!_front.listen(QStringLiteral("tcp://127.0.0.1:0"), portName, {}, {}, &error))
            return {QStringLiteral("the device server did not start: %1").arg(error)};
        portName = _front.address();
    }
    // Connections kept for the next operation end with the schedule.
    const auto dropConnections = qScopeGuard([] { NetworkPort::dropConnections(); });
    ProtocolImpl engine(portName, nullptr, false, standardAcceptedCodes());
    engine.setPortFactory([this, portName] { return std::make_unique<TrackedPort>(_ledger, portName); });

    // The fault's request numbers count from the operation's first request.
    int offset = 0;
    if (_s.fault == Fault::LateReply) {
        // The poll before gives up on a state reply that is still to come; the operation starts
        // at once, the late reply on its heels.
        _panel.delayReplies(_s.lateReplyMs, {-1, 1});
        std::vector<unsigned char> record(kStateRecordSize, 0);
        // A computer too busy to look at the line before the reply came takes it, rightly.
        if (engine.getStatus(record.data(), nullptr)) {
            if (QByteArray(reinterpret_cast<const char*>(record.data()), kStateRecordSize) != _panel.stateRecord())
                problem(QStringLiteral("the state before took a record that is not the panel's"));
        } else if (engine.errorCode() != kErrorSerial) {
            problem(QStringLiteral("the state before failed with %1, not 13").arg(engine.errorCode()));
        }
        offset = _panel.requestCount();
    }
    if (_s.fault == Fault::Unplugged) {
        // The operation before failed with this code; then the adapter was pulled.
        _panel.replyWithError(_s.code, {-1, 1});
        quint32 id = 0;
        if (engine.getId(&id, nullptr) || engine.errorCode() != _s.code)
            problem(QStringLiteral("the identify before the unplugging did not fail with %1").arg(_s.code));
        _panel.clearFaults();
        _panel.stop();
        offset = 1;
    }
    const auto at = [&](int request) { return olma::vpanel::RequestMatch{-1, offset + request}; };
    switch (_s.fault) {
    case Fault::Silence:
        _panel.fallSilentFrom(offset + _s.request);
        break;
    case Fault::ErrorReply:
        _panel.replyWithError(_s.code, at(_s.request));
        break;
    case Fault::SlowReply:
        _panel.cutReplies({_s.cutAt}, _s.lateMs, at(_s.request));
        break;
    case Fault::Garbage:
        _panel.addGarbage(_s.garbage, _s.before, at(_s.request));
        break;
    case Fault::Vanish:
        _panel.vanishAt(offset + _s.request, _s.vanishAfter);
        break;
    case Fault::LongReply:
        _panel.lengthenReplies(_s.runOn, at(_s.request));
        break;
    case Fault::SlowLink:
        _panel.addFault(QStringLiteral("latency:ms=%1").arg(_s.slowMs), &error);
        _panel.addFault(QStringLiteral("split:pieces=3,gap=%1").arg(_s.slowMs), &error);
        break;
    default:
        break;
    }
    // The rest of a reply cut by a reset would reach the next connection late, as it would
    // through a real device server: a line fault this schedule is not about.
    if (_s.fault != Fault::Reset) {
        for (const Schedule::Cut& cut : _s.cuts)
            _panel.cutReplies(cut.at, cut.gapMs, at(cut.request));
    }

    using Step = void (ScheduleRunner::*)(ProtocolImpl&);
    static const Step kSteps[] = {&ScheduleRunner::readConfig, &ScheduleRunner::writeConfig,
                                  &ScheduleRunner::readLog,    &ScheduleRunner::firmware,
                                  &ScheduleRunner::poll,       &ScheduleRunner::safeWrite};
    (this->*kSteps[std::min(int(_s.operation), int(Operation::SafeWrite))])(engine);
    return _problems;
}

template <typename F> Run ScheduleRunner::operate(const QString& name, ProtocolImpl& engine, F&& operation)
{
    Run run;
    run.name = name;
    run.firstRequest = _panel.requestCount() + 1;
    const qsizetype sentBefore = _panel.sentBytes().size();
    run.startMs = _clock.elapsed();
    run.ok = operation();
    run.endMs = _clock.elapsed();
    run.code = engine.errorCode();
    run.openError = engine.openErrorString();
    run.line = _panel.sentBytes().mid(sentBefore);

    // Whatever happened, the engine is idle and holds no port.
    if (engine.isBusy())
        problem(name + QStringLiteral(": the engine stayed busy"));
    if (_ledger.opened != _ledger.closed || _ledger.alive != 0)
        problem(name + QStringLiteral(": the port was left open (opened %1, closed %2, held %3)")
                           .arg(_ledger.opened)
                           .arg(_ledger.closed)
                           .arg(_ledger.alive));
    // Let the panel take up whatever request is still on its way (a restart is not answered).
    settle(20);
    run.lastRequest = _panel.requestCount();
    run.requests = _panel.requests().mid(run.firstRequest - 1);
    // The panel put the whole reply on its line; through the reset connection only its first
    // bytes got across.
    if (_s.fault == Fault::Reset && _s.request >= run.firstRequest && _s.request <= run.lastRequest)
        run.line = run.line.left(qsizetype(_s.request - run.firstRequest) * kFrameSize + _s.vanishAfter);
    return run;
}

void ScheduleRunner::settle(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, int(std::max<qint64>(1, deadline.remainingTime())));
}

int ScheduleRunner::answeredRequests(const Run& run)
{
    return int(std::count_if(run.requests.cbegin(), run.requests.cend(),
                             [](const QByteArray& r) { return static_cast<unsigned char>(r[0]) != kCmdRestart; }));
}

// The expectation for an operation whose replies are the panel's requests
// firstReply .. firstReply + replies - 1 (offset by an unplugging identify).
Expectation ScheduleRunner::expectation(int firstReply, int replies) const
{
    Expectation e;
    if (replies == 0)
        return e; // nothing to transfer: done without the port
    const int last = firstReply + replies - 1;
    const bool hits = _s.request >= firstReply && _s.request <= last;
    switch (_s.fault) {
    case Fault::None:
        break;
    case Fault::Silence:
        // From its request on nothing is answered, this operation's requests included.
        if (_s.request <= last)
            e = {Expectation::Fails, kErrorSerial, Expectation::TimeOut};
        break;
    case Fault::ErrorReply:
        if (hits)
            e = {Expectation::Fails, _s.code, Expectation::Prompt};
        break;
    case Fault::SlowReply:
        if (hits)
            e = {Expectation::Fails, kErrorSerial, Expectation::TimeOut};
        break;
    case Fault::Garbage:
    case Fault::LateReply:
    case Fault::LongReply:
        e.result = Expectation::RightOrLineFault;
        break;
    case Fault::Vanish:
        if (hits)
            e = {Expectation::Fails, kErrorSerial, Expectation::Vanish};
        else if (_s.request < firstReply)
            e = {Expectation::Fails, kErrorSerial, Expectation::NoPort}; // the code of the failure before
        break;
    case Fault::Unplugged:
        e = {Expectation::Fails, _s.code, Expectation::NoPort};
        break;
    case Fault::Refused:
        // Nothing was ever done on this engine: the code stays as it was.
        e = {Expectation::Fails, kErrorNone, Expectation::NoPort};
        break;
    case Fault::Reset:
        // The connection breaks like a pulled adapter; the next operation connects again.
        if (hits)
            e = {Expectation::Fails, kErrorSerial, Expectation::Vanish};
        break;
    case Fault::SilentAccept:
        e = {Expectation::Fails, kErrorSerial, Expectation::Unheard};
        break;
    default:
        break;
    }
    return e;
}

void ScheduleRunner::check(const Run& run, const Expectation& expected, int awaitedReplies)
{
    const QString who = run.name + QStringLiteral(": ");
    const qint64 margin = _settings.marginMs;
    const int answered = answeredRequests(run);

    if (awaitedReplies == 0 || expected.timing == Expectation::NoPort) {
        // No transfer: the answer is immediate and no request reaches the panel.
        if (!run.requests.isEmpty())
            problem(who + QStringLiteral("%1 requests sent without work to do").arg(run.requests.size()));
        if (run.endMs - run.startMs > margin)
            problem(who + QStringLiteral("took %1 ms without touching the line").arg(run.endMs - run.startMs));
    }
    switch (expected.result) {
    case Expectation::Succeeds:
        if (!run.ok)
            problem(who + QStringLiteral("failed with code %1 though nothing went wrong").arg(run.code));
        break;
    case Expectation::Fails:
        if (run.ok)
            problem(who + QStringLiteral("succeeded though the fault should have stopped it"));
        else if (run.code != expected.code)
            problem(who + QStringLiteral("error code %1, expected %2").arg(run.code).arg(expected.code));
        break;
    case Expectation::RightOrLineFault:
        if (!run.ok && run.code != kErrorSerial)
            problem(who + QStringLiteral("failed with code %1 over bytes of no request, not 13").arg(run.code));
        break;
    }
    if (_s.fault == Fault::Refused && !run.ok &&
        !(run.openError.startsWith(QStringLiteral("Нет соединения с 127.0.0.1:")) &&
          run.openError.endsWith(QStringLiteral(": Connection refused"))))
        problem(who + QStringLiteral("a refused connection reported as \"%1\"").arg(run.openError));
    if (expected.timing == Expectation::Unheard) {
        if (!run.requests.isEmpty())
            problem(who +
                    QStringLiteral("%1 requests reached a panel nobody passes bytes to").arg(run.requests.size()));
        const qint64 took = run.endMs - run.startMs;
        if (awaitedReplies > 0 && (took < kTimeoutMs - kEarlyToleranceMs || took > kTimeoutMs + margin))
            problem(who + QStringLiteral("gave up after %1 ms, not %2 ms").arg(took).arg(kTimeoutMs));
    }
    if (expected.result != Expectation::RightOrLineFault && expected.timing != Expectation::NoPort &&
        expected.timing != Expectation::Unheard && awaitedReplies > 0) {
        // It goes on to the failing request (silence may have begun before this operation) and
        // sends nothing after it.
        const int wanted = expected.result == Expectation::Succeeds
                               ? awaitedReplies
                               : std::max(_s.request, run.firstRequest) - run.firstRequest + 1;
        if (answered != wanted)
            problem(who + QStringLiteral("%1 requests sent awaiting a reply, expected %2").arg(answered).arg(wanted));
    }
    if (expected.result == Expectation::RightOrLineFault && run.ok && _s.operation != Operation::ReadLog &&
        answered != awaitedReplies)
        problem(who + QStringLiteral("succeeded after %1 of %2 requests").arg(answered).arg(awaitedReplies));
    // With bytes of no request on the line its frames are not the replies: the data decides.
    if (expected.timing != Expectation::NoPort && expected.result != Expectation::RightOrLineFault &&
        run.lastRequest >= run.firstRequest)
        checkLine(run, run.ok, run.code);

    // Time: measured from the last request the panel received (the engine sent it a moment earlier).
    if (run.lastRequest < run.firstRequest || expected.timing == Expectation::NoPort)
        return;
    const qint64 sinceRequest = run.endMs - _requestAt.value(run.lastRequest, run.startMs);
    switch (expected.timing) {
    case Expectation::Prompt: {
        const qint64 lastActivity = std::max(_requestAt.value(run.lastRequest), _replyAt.value(run.lastRequest, 0));
        if (run.endMs - lastActivity > margin)
            problem(who + QStringLiteral("ended %1 ms after its last reply").arg(run.endMs - lastActivity));
        break;
    }
    case Expectation::TimeOut:
        if (sinceRequest < kTimeoutMs - kEarlyToleranceMs || sinceRequest > kTimeoutMs + margin)
            problem(who +
                    QStringLiteral("timed out %1 ms after the request, not %2 ms").arg(sinceRequest).arg(kTimeoutMs));
        break;
    case Expectation::Vanish:
        if (sinceRequest > kTimeoutMs + margin)
            problem(who + QStringLiteral("noticed the port gone only after %1 ms").arg(sinceRequest));
        break;
    case Expectation::NoPort:
    case Expectation::Unheard:
        break;
    }
}

// The engine has no framing but the count: the bytes on the line, cut into 64-byte frames, are
// the replies it saw, in order. A frame starting with 0xFF is an error reply and ends the
// operation with its code; without one, every awaited reply was taken as data.
void ScheduleRunner::checkLine(const Run& run, bool ok, int code)
{
    const QString who = run.name + QStringLiteral(": ");
    const int answered = answeredRequests(run);
    int firstError = -1;
    for (int i = 0; i < answered && firstError < 0; ++i) {
        const QByteArray f = frame(run, i);
        if (f.size() == kFrameSize && static_cast<unsigned char>(f[kCommandByte]) == kErrorMarker)
            firstError = i;
    }
    if (ok && firstError >= 0)
        problem(who + QStringLiteral("succeeded over an error reply in frame %1").arg(firstError + 1));
    if (!ok && code != kErrorSerial) {
        if (firstError < 0)
            problem(who + QStringLiteral("error code %1 without an error reply on the line").arg(code));
        else if (static_cast<unsigned char>(frame(run, firstError)[kErrorCodeByte]) != code)
            problem(who + QStringLiteral("error code %1, the error reply carried %2")
                              .arg(code)
                              .arg(static_cast<unsigned char>(frame(run, firstError)[kErrorCodeByte])));
        else if (firstError != answered - 1)
            problem(who + QStringLiteral("sent %1 more requests after the error reply").arg(answered - 1 - firstError));
    }
}

void ScheduleRunner::readConfig(ProtocolImpl& engine)
{
    using namespace olma::config;
    std::vector<unsigned char> image(kImageSize, 0);
    Configuration configuration(image.data(), modelIndex(_s.modelCode) == 0 ? 1 : 0);
    const QString description = QStringLiteral("Вход, пост охраны");
    configuration.users()->user(3)->setDescription(description);
    const std::vector<unsigned char> imageBefore = image;
    const int typeBefore = configuration.deviceType();
    const QString exportBefore = configuration.exportText(ExportCsv);

    // Into a copy; the configuration takes it only when the whole read succeeded.
    std::vector<unsigned char> copy;
    std::vector<BlockRecord> table;
    configuration.blocks(copy, table);
    Receiver progress;
    const Run run = operate(QStringLiteral("read configuration"), engine,
                            [&] { return engine.readConfig(copy.data(), table, &progress); });
    if (run.ok) {
        configuration.setDeviceType(modelIndex(_s.modelCode));
        std::copy(copy.begin(), copy.end(), image.begin());
        configuration.setImage(image.data());
        configuration.resetDescriptions();
    }
    check(run, expectation(1, _s.replies), _s.replies);

    if (!run.ok) {
        if (image != imageBefore || configuration.deviceType() != typeBefore ||
            configuration.users()->user(3)->description() != description ||
            configuration.exportText(ExportCsv) != exportBefore)
            problem(QStringLiteral("a failed read changed the configuration"));
        return;
    }
    // Whatever went on on the line, a read that succeeded holds the panel's image, byte for byte.
    if (QByteArray(reinterpret_cast<const char*>(image.data()), kImageSize) != _s.image)
        problem(QStringLiteral("the image read is not the panel's"));
    if (configuration.deviceType() != modelIndex(_s.modelCode) ||
        !configuration.users()->user(3)->description().isEmpty())
        problem(QStringLiteral("a successful read did not take the panel's model or kept old descriptions"));
}

void ScheduleRunner::writeConfig(ProtocolImpl& engine)
{
    using namespace olma::config;
    std::vector<unsigned char> image(kImageSize, 0);
    Configuration configuration(image.data(), modelIndex(_s.modelCode));
    std::vector<unsigned char> copy;
    std::vector<BlockRecord> table;
    configuration.blocks(copy, table);
    Receiver progress;
    const Run run = operate(QStringLiteral("write configuration"), engine,
                            [&] { return engine.writeConfig(copy.data(), table, &progress); });
    check(run, expectation(1, _s.replies), _s.replies);

    // Blocks before the last request received are written, blocks after it untouched.
    const QByteArray panelImage = _panel.image();
    const int received = answeredRequests(run);
    for (int i = 0; i < int(table.size()); ++i) {
        const BlockRecord& block = table[size_t(i)];
        const QByteArray now = panelImage.mid(block.offset, block.size);
        const QByteArray ours(reinterpret_cast<const char*>(copy.data()) + block.offset, block.size);
        const bool written = run.ok || i < received - 1;
        if (written && now != ours) {
            problem(QStringLiteral("block %1 (group %2, index %3) was not written")
                        .arg(i)
                        .arg(block.group)
                        .arg(block.index));
            break;
        }
        if (i >= received && now != _s.image.mid(block.offset, block.size)) {
            problem(QStringLiteral("block %1 changed though it was never sent").arg(i));
            break;
        }
    }
}

void ScheduleRunner::readLog(ProtocolImpl& engine)
{
    olma::logview::LogEvents store;
    Receiver receiver;
    receiver.store = &store;
    const Run run = operate(QStringLiteral("read log"), engine,
                            [&] { return engine.readLog(&receiver, _s.logFirst, _s.logCount); });
    const Expectation expected = expectation(1, _s.replies);
    check(run, expected, _s.replies);

    // The records of every complete reply taken, newest first, as many as its length byte
    // says (at most 7); the one error reply of an accepted code is taken as data too.
    QByteArray fromLine;
    const QList<int> accepted = standardAcceptedCodes();
    for (int i = 0; i < answeredRequests(run); ++i) {
        const QByteArray f = frame(run, i);
        if (f.size() < kFrameSize)
            break;
        const bool error = static_cast<unsigned char>(f[kCommandByte]) == kErrorMarker;
        if (error && !accepted.contains(static_cast<unsigned char>(f[kErrorCodeByte])))
            break;
        const int records = std::min(static_cast<unsigned char>(f[kLengthByte]) / kLogRecordSize, kLogRecordsPerBlock);
        for (int r = records - 1; r >= 0; --r)
            fromLine += f.mid(kPayloadOffset + r * kLogRecordSize, kLogRecordSize);
        if (error)
            break;
    }
    const QByteArray got(reinterpret_cast<const char*>(store.rawLog().data()), qsizetype(store.rawLog().size()));
    if (store.events().size() != size_t(got.size() / kLogRecordSize))
        problem(QStringLiteral("not every record was decoded"));
    // The panel's own records, block by block from the first, each block newest first.
    QByteArray panelRecords;
    const unsigned from = std::min(_s.logFirst, kLogBlockCount);
    for (int b = 0; b < _s.replies; ++b) {
        const QByteArray block = _s.log.mid((qsizetype(from) + b) * kLogRecordsPerBlock * kLogRecordSize,
                                            kLogRecordsPerBlock * kLogRecordSize);
        for (qsizetype r = block.size() / kLogRecordSize - 1; r >= 0; --r)
            panelRecords += block.mid(r * kLogRecordSize, kLogRecordSize);
    }
    if (run.ok && got != panelRecords)
        problem(QStringLiteral("the log read is not the panel's"));
    if (expected.result == Expectation::RightOrLineFault) {
        // A failed read keeps only records that are the panel's, never ones that slipped.
        if (!run.ok && !panelRecords.startsWith(got))
            problem(QStringLiteral("a failed read kept %1 bytes that are not the panel's").arg(got.size()));
    } else if (got != fromLine) {
        problem(QStringLiteral("the log holds %1 bytes, the line carried %2").arg(got.size()).arg(fromLine.size()));
    }
}

void ScheduleRunner::firmware(ProtocolImpl& engine)
{
    Receiver progress;
    const auto* data = reinterpret_cast<const unsigned char*>(_s.firmware.constData());
    const Run run = operate(QStringLiteral("firmware upload"), engine,
                            [&] { return engine.writeFirmware(data, unsigned(_s.firmware.size()), &progress); });
    check(run, expectation(1, _s.replies), _s.replies);

    // The first 63 bytes of every whole 64-byte chunk reach the panel, in order.
    QByteArray sent;
    for (qsizetype at = 0; at + kFirmwareChunk <= _s.firmware.size(); at += kFirmwareChunk)
        sent += _s.firmware.mid(at, kFirmwareDataPerRequest);
    const QByteArray got = _panel.firmware();
    if (!sent.startsWith(got))
        problem(QStringLiteral("the panel holds firmware bytes that were not sent in order"));
    const int restarts = _panel.restartCount();
    if (run.ok && !_s.firmware.isEmpty() && (got != sent || _panel.firmwareEndCount() != 1 || restarts != 1))
        problem(QStringLiteral("a successful upload left the panel with %1 of %2 bytes, %3 ends, %4 restarts")
                    .arg(got.size())
                    .arg(sent.size())
                    .arg(_panel.firmwareEndCount())
                    .arg(restarts));
    if (!run.ok && restarts != 0)
        problem(QStringLiteral("a failed upload restarted the panel"));
}

void ScheduleRunner::poll(ProtocolImpl& engine)
{
    // Unplugged: the identify before took request 1.
    const int first = _s.fault == Fault::Unplugged ? 2 : 1;
    std::vector<unsigned char> record(kStateRecordSize, 0);
    const Run state =
        operate(QStringLiteral("state"), engine, [&] { return engine.getStatus(record.data(), nullptr); });
    check(state, expectation(first, 2), 2);

    // Its fault, if any, is judged as that of a one-reply operation.
    const Expectation idExpected = expectation(state.lastRequest + 1, 1);
    quint32 id = 0;
    const Run identify = operate(QStringLiteral("identify"), engine, [&] { return engine.getId(&id, nullptr); });
    check(identify, idExpected, 1);

    // The window puts the identify answer over the record's first bytes and hands it on.
    if (identify.ok)
        qToLittleEndian(id, record.data());
    olma::device::Device device;
    device.setData(record);
    if (state.ok && identify.ok) {
        const QByteArray got(reinterpret_cast<const char*>(record.data()), kStateRecordSize);
        if (got != _panel.stateRecord())
            problem(QStringLiteral("the state record is not the panel's"));
        if (device.deviceType() != modelIndex(_s.modelCode))
            problem(QStringLiteral("the state shows model %1, the panel is %2")
                        .arg(device.deviceType())
                        .arg(modelIndex(_s.modelCode)));
    }
}

void ScheduleRunner::safeWrite(ProtocolImpl& engine)
{
    const std::vector<unsigned char> ours(_s.newImage.cbegin(), _s.newImage.cend());
    std::vector<unsigned char> backup;
    bool backupRead = false;
    Receiver progress;
    const Run run = operate(QStringLiteral("safe write"), engine, [&] {
        backupRead = olma::app::readPanelImage(engine, backup, &progress);
        return backupRead && olma::app::writeChanged(engine, backup, ours, false, &progress).outcome ==
                                 olma::app::SafeWriteResult::Outcome::Verified;
    });
    check(run, expectation(1, _s.replies), _s.replies);

    if (run.ok) {
        if (_panel.image() != _s.newImage)
            problem(QStringLiteral("a verified write left the panel with another image"));
        if (_panel.restartCount() != 1)
            problem(QStringLiteral("a verified write restarted the panel %1 times").arg(_panel.restartCount()));
        return;
    }
    if (_panel.restartCount() != 0)
        problem(QStringLiteral("a write that was not verified restarted the panel"));
    if (!backupRead) {
        if (_panel.image() != _s.image)
            problem(QStringLiteral("the panel changed though its backup was never read"));
        return;
    }
    if (QByteArray(reinterpret_cast<const char*>(backup.data()), qsizetype(backup.size())) != _s.image) {
        problem(QStringLiteral("the backup is not what the panel held"));
        return;
    }
    // The way back, once the fault is gone (a port that vanished is plugged in again).
    _panel.clearFaults();
    QString error;
    if (!_panel.isRunning() && !_panel.start(&error)) {
        problem(QStringLiteral("the virtual panel did not start again: %1").arg(error));
        return;
    }
    ProtocolImpl again(_panel.portName(), nullptr, false, standardAcceptedCodes());
    std::vector<unsigned char> current;
    if (!olma::app::readPanelImage(again, current, nullptr)) {
        problem(QStringLiteral("the panel could not be read for the restore: code %1").arg(again.errorCode()));
        return;
    }
    const olma::app::SafeWriteResult restored = olma::app::writeChanged(again, current, backup, false, nullptr);
    if (!restored.ok())
        problem(QStringLiteral("the backup could not be written back: code %1").arg(restored.errorCode));
    else if (_panel.image() != _s.image)
        problem(QStringLiteral("the restore did not return the old image"));
}

// What to print when the process dies: pre-formatted, so that a signal handler can write it.
char gReplay[512] = "fault campaign: died outside any schedule\n";
std::atomic<int> gReplayLength{int(std::strlen(gReplay))};

void setReplay(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    const int n = int(std::min<qsizetype>(bytes.size(), qsizetype(sizeof gReplay) - 1));
    gReplayLength = 0;
    std::memcpy(gReplay, bytes.constData(), size_t(n));
    gReplayLength = n;
}

void writeReplay()
{
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, gReplay, size_t(gReplayLength.load()));
}

void onFatalSignal(int signal)
{
    writeReplay();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A schedule that runs far too long: the replay line, then an abort.
void onHang(int)
{
    const char hung[] = "fault campaign: a schedule hung\n";
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, hung, sizeof hung - 1);
    writeReplay();
    std::abort();
}

quint64 environmentNumber(const char* name, quint64 fallback)
{
    const QByteArray text = qgetenv(name).trimmed();
    if (text.isEmpty())
        return fallback;
    bool ok = false;
    const quint64 value = text.startsWith("0x") ? text.mid(2).toULongLong(&ok, 16) : text.toULongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

QString operationName(Operation operation)
{
    static const char* const kNames[] = {
        "read configuration", "write configuration", "read log", "firmware upload", "poll", "safe write"};
    return QString::fromLatin1(kNames[std::min(int(operation), int(Operation::SafeWrite))]);
}

QString faultName(Fault fault)
{
    static const char* const kNames[] = {"no fault",      "silence",       "error reply", "slow reply", "garbage",
                                         "port vanishes", "unplugged",     "late reply",  "long reply", "refused",
                                         "reset",         "silent accept", "slow link"};
    return QString::fromLatin1(kNames[std::min(int(fault), int(Fault::SlowLink))]);
}

QString Schedule::describe() const
{
    QString text = QStringLiteral("#%1 %2").arg(number).arg(operationName(operation));
    if (operation == Operation::ReadLog)
        text += QStringLiteral(" (%1 records, from block %2, %3)")
                    .arg(log.size() / kLogRecordSize)
                    .arg(logFirst)
                    .arg(logCount == kLogToEnd ? QStringLiteral("to the end") : QString::number(logCount));
    else if (operation == Operation::Firmware)
        text += QStringLiteral(" (%1 bytes)").arg(firmware.size());
    const QString what[] = {
        faultName(fault),
        QStringLiteral("silent from request %1").arg(request),
        QStringLiteral("error reply %1 to request %2").arg(code).arg(request),
        QStringLiteral("reply %1 cut after %2 bytes, the rest %3 ms late").arg(request).arg(cutAt).arg(lateMs),
        QStringLiteral("%1 bytes of garbage %2 reply %3")
            .arg(garbage.size())
            .arg(QLatin1String(before ? "before" : "after"))
            .arg(request),
        QStringLiteral("port vanishes at request %1 after %2 reply bytes").arg(request).arg(vanishAfter),
        QStringLiteral("port gone before the start, previous error %1").arg(code),
        QStringLiteral("a state reply before it %1 ms late").arg(lateReplyMs),
        QStringLiteral("reply %1 runs on %2 bytes").arg(request).arg(runOn),
        QStringLiteral("the connection is refused"),
        QStringLiteral("connection reset at request %1 after %2 reply bytes").arg(request).arg(vanishAfter),
        QStringLiteral("the connection is accepted and nothing passes"),
        QStringLiteral("every reply %1 ms late, in pieces %1 ms apart").arg(slowMs),
    };
    text += QStringLiteral(", %1 replies: %2").arg(replies).arg(what[std::min(int(fault), int(Fault::SlowLink))]);
    if (!cuts.empty())
        text += QStringLiteral("; %1 replies in pieces").arg(cuts.size());
    if (!echo)
        text += QStringLiteral("; replies repeat no request header");
    if (network)
        text += QStringLiteral("; over TCP");
    return text;
}

Schedule drawSchedule(quint64 seed, int number)
{
    Random random(seed ^ (quint64(number) * 0xD1B54A32D192ED03ull));
    Schedule s;
    s.number = number;
    s.operation = Operation(random.below(int(Operation::Count)));
    // Faults by weight: the ones that need a second of waiting less often.
    static const std::pair<Fault, int> kWeights[] = {
        {Fault::None, 2},      {Fault::Silence, 2}, {Fault::ErrorReply, 3}, {Fault::SlowReply, 1},
        {Fault::Garbage, 3},   {Fault::Vanish, 2},  {Fault::Unplugged, 1},  {Fault::LateReply, 1},
        {Fault::LongReply, 2}, {Fault::Refused, 1}, {Fault::Reset, 2},      {Fault::SilentAccept, 1},
        {Fault::SlowLink, 1},
    };
    int total = 0;
    for (const auto& weight : kWeights)
        total += weight.second;
    int pick = random.below(total);
    for (const auto& [fault, weight] : kWeights) {
        if (pick < weight) {
            s.fault = fault;
            break;
        }
        pick -= weight;
    }

    static const unsigned char kModels[] = {0x04, 0x08, 0x10};
    s.modelCode = kModels[random.below(3)];
    s.image = random.bytes(olma::config::kImageSize);
    s.state = random.bytes(kStateRecordSize);
    const int logSizes[] = {0, random.between(1, 30), random.between(0, kLogMaxRecords), kLogMaxRecords};
    s.log = random.bytes(logSizes[random.below(4)] * kLogRecordSize);
    if (random.chance(25)) {
        s.logFirst = unsigned(random.between(0, 600));
        s.logCount = random.chance(50) ? kLogToEnd : unsigned(random.between(0, 20));
    }
    const int firmwareSizes[] = {0, random.between(1, 200), random.between(64, 20000)};
    s.firmware = random.bytes(firmwareSizes[random.chance(5) ? 0 : 1 + random.below(2)]);

    switch (s.operation) {
    case Operation::ReadConfig:
    case Operation::WriteConfig:
        s.replies = int(olma::config::blockTable().size());
        break;
    case Operation::ReadLog:
        s.replies = logBlocksRead(int(s.log.size() / kLogRecordSize), s.logFirst, s.logCount);
        break;
    case Operation::Firmware:
        s.replies = s.firmware.isEmpty() ? 0 : int(s.firmware.size() / kFirmwareChunk) + 1;
        break;
    case Operation::SafeWrite: {
        // A few blocks changed: the whole read, then each written and read back.
        const std::vector<BlockRecord> table = olma::config::blockTable();
        s.newImage = s.image;
        for (int k = random.between(1, 4); k > 0; --k) {
            const BlockRecord& block = table[size_t(random.below(int(table.size())))];
            s.newImage.replace(block.offset, block.size, random.bytes(block.size));
        }
        const std::vector<BlockRecord> changed =
            olma::app::changedBlocks(std::vector<unsigned char>(s.image.cbegin(), s.image.cend()),
                                     std::vector<unsigned char>(s.newImage.cbegin(), s.newImage.cend()), table);
        s.replies = int(table.size() + 2 * changed.size());
        break;
    }
    default:
        s.replies = 3; // two state blocks and the identify
        break;
    }

    s.request = 1 + random.below(std::max(1, s.replies));
    // A safe write's few writes and read-backs come after the 372 reads: half its faults hit them.
    const int reads = int(olma::config::blockTable().size());
    if (s.operation == Operation::SafeWrite && s.replies > reads && random.chance(50))
        s.request = reads + 1 + random.below(s.replies - reads);
    s.code = random.below(256);
    s.before = random.chance(50);
    s.garbage = random.bytes(random.between(1, 100));
    s.cutAt = random.between(1, kFrameSize - 1);
    s.lateMs = random.between(1500, 1800);
    s.vanishAfter = random.chance(50) ? 0 : random.between(1, kFrameSize - 1);

    // Replies in pieces on the side, a few milliseconds apart.
    if (s.replies > 0 && s.fault != Fault::SlowReply && random.chance(50)) {
        const int count = std::min(s.replies, random.between(1, 8));
        for (int i = 0; i < count; ++i) {
            Schedule::Cut cut;
            cut.request = 1 + random.below(s.replies);
            for (int k = random.between(1, 3); k > 0; --k)
                cut.at.push_back(random.between(1, kFrameSize - 1));
            cut.gapMs = random.between(0, 15);
            s.cuts.push_back(cut);
        }
    }
    // Just past the time-out, or long enough to land in the middle of the next operation.
    s.lateReplyMs = random.between(1050, 1400);
    s.runOn = random.chance(30) ? kFrameSize : random.between(1, 100);
    s.echo = random.chance(50);
    // Network faults need the network; a run without a fault takes it half the time.
    s.network = s.fault >= Fault::Refused || (s.fault == Fault::None && random.chance(50));
    s.slowMs = random.between(2, 8);
    return s;
}

QStringList runSchedule(const Schedule& schedule, const Settings& settings)
{
    ScheduleRunner runner(schedule, settings);
    return runner.run();
}

Settings Settings::fromEnvironment(int defaultRuns)
{
    Settings s;
    s.seed = environmentNumber("OLMA_CAMPAIGN_SEED", s.seed);
    s.runs = int(environmentNumber("OLMA_CAMPAIGN_RUNS", quint64(defaultRuns)));
    s.only = qEnvironmentVariableIsSet("OLMA_CAMPAIGN_ONLY") ? int(environmentNumber("OLMA_CAMPAIGN_ONLY", 0)) : -1;
    s.marginMs = int(environmentNumber("OLMA_CAMPAIGN_MARGIN_MS", quint64(s.marginMs)));
    s.verbose = environmentNumber("OLMA_CAMPAIGN_VERBOSE", 0) != 0;
    return s;
}

QString Settings::replayHint(int number) const
{
    return QStringLiteral("OLMA_CAMPAIGN_SEED=0x%1 OLMA_CAMPAIGN_ONLY=%2").arg(seed, 0, 16).arg(number);
}

Tally runCampaign(const Settings& settings, const std::function<void(const QString&)>& print)
{
    for (const int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(s, onFatalSignal);
#ifdef OLMA_CAMPAIGN_ASAN
    __sanitizer_set_death_callback(writeReplay);
#endif
    std::signal(SIGALRM, onHang);

    Tally tally;
    const int first = settings.only >= 0 ? settings.only : 0;
    const int end = settings.only >= 0 ? settings.only + 1 : settings.runs;
    for (int number = first; number < end; ++number) {
        const Schedule schedule = drawSchedule(settings.seed, number);
        setReplay(QStringLiteral("fault campaign: schedule %1 died; replay with %2")
                      .arg(schedule.describe(), settings.replayHint(number)));
        ::alarm(kHangSeconds);
        QElapsedTimer elapsed;
        elapsed.start();
        const QStringList problems = runSchedule(schedule, settings);
        ::alarm(0);

        const QString kind = operationName(schedule.operation) + QStringLiteral(" / ") + faultName(schedule.fault);
        auto& [run, survived] = tally.byKind[kind];
        ++run;
        ++tally.run;
        if (problems.isEmpty()) {
            ++survived;
            ++tally.survived;
            if (settings.verbose)
                print(QStringLiteral("ok   %1 (%2 ms)").arg(schedule.describe()).arg(elapsed.elapsed()));
        } else {
            const QString failure =
                QStringLiteral("FAIL %1\n     %2\n     replay: %3")
                    .arg(schedule.describe(), problems.join(QStringLiteral("\n     ")), settings.replayHint(number));
            tally.failures << failure;
            print(failure);
        }
    }
    setReplay(QStringLiteral("fault campaign: died after the last schedule"));
    return tally;
}

} // namespace olma::campaign
