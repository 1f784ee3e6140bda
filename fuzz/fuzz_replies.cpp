// The protocol engine against a port that answers with whatever the input says: any
// operation, replies of any length and content, cut into any pieces, read and write errors,
// the port refusing to open or breaking in the middle. Whatever happens the engine must
// return, close and release the port, stay inside its buffers, and report what the line
// carried: the line's bytes, cut into 64-byte frames, are the replies it saw.
//
// Input: operation, flags, cancel point, the operation's parameters, then for every request
// the engine writes, its answer as pieces (a length byte and that many bytes; 0 ends the
// answer; 0xF0.. are line events). An input that runs out breaks the port, so that no run
// waits for the 1000 ms time-out.

#include "fuzzsupport.h"

#include "config/imagemap.h"
#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/iserialport.h"
#include "link/protocolimpl.h"

#include <QTimer>

#include <cstring>
#include <deque>
#include <functional>

using namespace olma::link;

namespace {

enum Operation
{
    Identify,
    State,
    ReadConfig,
    WriteConfig,
    ReadLog,
    Firmware,
    Restart,
    OperationCount
};

// Answer bytes that are not piece lengths.
constexpr std::uint8_t kEndOfAnswer = 0x00;
constexpr std::uint8_t kFirstEvent = 0xF0;
constexpr std::uint8_t kEventBreak = 0xF0;      // the adapter is pulled
constexpr std::uint8_t kEventReadError = 0xF1;  // the next read fails
constexpr std::uint8_t kEventWriteError = 0xF2; // the next write fails
constexpr std::uint8_t kEventShortWrite = 0xF3; // the next write takes nothing

// The line behind every port the engine makes during one run.
struct Line
{
    explicit Line(olma::fuzz::Input& script) : script(script) {}

    olma::fuzz::Input& script;
    bool refuseOpen = false;
    int writeChunk = kFrameSize; // bytes one write accepts
    int opened = 0;
    int closed = 0;
    int alive = 0;
    int requests = 0;
    QByteArray written;  // every request byte
    QByteArray received; // every byte the line carried to the engine
    bool readError = false;
    bool writeError = false;
    int shortWrites = 0;
};

class ScriptedPort : public ISerialPort
{
public:
    explicit ScriptedPort(Line& line) : _line(line) { ++_line.alive; }
    ~ScriptedPort() override { --_line.alive; }

    bool open(const QString&) override
    {
        if (_line.refuseOpen)
            return false;
        ++_line.opened;
        _open = true;
        return true;
    }
    qint64 write(const char* data, qint64 size) override
    {
        OLMA_FUZZ_CHECK(_open && size > 0);
        if (_line.writeError) {
            _line.writeError = false;
            return -1;
        }
        if (_line.shortWrites > 0) {
            --_line.shortWrites;
            return 0;
        }
        const qint64 n = std::min<qint64>(size, _line.writeChunk);
        _line.written.append(data, n);
        _frame.append(data, n);
        if (_frame.size() == kFrameSize) {
            _frame.clear();
            ++_line.requests;
            answer();
        }
        return n;
    }
    qint64 read(char* data, qint64 maxSize) override
    {
        OLMA_FUZZ_CHECK(_open && maxSize > 0 && maxSize <= kFrameSize);
        if (_line.readError) {
            _line.readError = false;
            return -1;
        }
        const qint64 n = std::min<qint64>(maxSize, _in.size());
        std::memcpy(data, _in.constData(), size_t(n));
        _in.remove(0, n);
        return n;
    }
    qint64 bytesAvailable() const override { return _in.size(); }
    bool waitForBytesWritten() override { return true; }
    void close() override
    {
        if (_open)
            ++_line.closed;
        _open = false;
    }
    QString errorString() const override { return QStringLiteral("refused"); }

private:
    // Reads the answer to the request just written and plays it, one piece per turn of the loop.
    void answer()
    {
        bool broken = false;
        qsizetype delivered = 0;
        for (;;) {
            if (_line.script.atEnd()) {
                broken = true;
                break;
            }
            const std::uint8_t length = _line.script.byte();
            if (length == kEndOfAnswer)
                break;
            if (length >= kFirstEvent) {
                if (length == kEventBreak) {
                    broken = true;
                    break;
                }
                later([this, length] {
                    _line.readError |= length == kEventReadError;
                    _line.writeError |= length == kEventWriteError;
                    _line.shortWrites += length == kEventShortWrite ? 1 : 0;
                });
                continue;
            }
            std::size_t taken = 0;
            const std::uint8_t* bytes = _line.script.take(length, &taken);
            const QByteArray piece(reinterpret_cast<const char*>(bytes), qsizetype(taken));
            delivered += piece.size();
            later([this, piece] {
                _line.received += piece;
                _in += piece;
                emit readyRead();
            });
        }
        // An answer that leaves the engine waiting ends in a broken line, not in a time-out. A
        // whole reply that ends the operation leaves it watching the quiet line for a moment.
        const int requestsBefore = _line.requests;
        later([this, broken, requestsBefore, delivered] {
            if (broken || (_line.requests == requestsBefore && delivered < kFrameSize))
                emit failed();
        });
    }

    // Runs `action` in a turn of the event loop of its own after those queued before it, if the
    // port is still open then: one action a turn, as bytes come off a line.
    void later(std::function<void()> action)
    {
        _pending.push_back(std::move(action));
        schedule();
    }
    void schedule()
    {
        if (_scheduled || _pending.empty())
            return;
        _scheduled = true;
        QTimer::singleShot(0, this, [this] {
            _scheduled = false;
            if (!_open) {
                _pending.clear();
                return;
            }
            const std::function<void()> action = std::move(_pending.front());
            _pending.pop_front();
            action();
            schedule();
        });
    }

    Line& _line;
    std::deque<std::function<void()>> _pending;
    bool _scheduled = false;
    bool _open = false;
    QByteArray _frame;
    QByteArray _in;
};

struct Progress : IProtocolLogCallback
{
    int cancelAt = 0; // report number that cancels; 0: never
    int reports = 0;
    bool cancelled = false;
    QByteArray records;
    QList<unsigned> blocks;

    bool progress(unsigned done, unsigned total, bool finished) override
    {
        OLMA_FUZZ_CHECK(done <= total);
        OLMA_FUZZ_CHECK(!finished || done == total);
        ++reports;
        cancelled = cancelAt > 0 && reports >= cancelAt;
        return !cancelled;
    }
    void logRecord(unsigned block, const unsigned char* record) override
    {
        blocks << block;
        records.append(reinterpret_cast<const char*>(record), kLogRecordSize);
    }
};

QByteArray frameAt(const Line& line, int index)
{
    return line.received.mid(qsizetype(index) * kFrameSize, kFrameSize);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    olma::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    olma::fuzz::Input in(data, size);
    const int operation = in.byte() % OperationCount;
    const unsigned flags = in.byte();
    const bool raw = flags & 0x01;
    const bool withCallback = flags & 0x02;
    const QList<int> accepted = (flags & 0x04) ? QList<int>{} : standardAcceptedCodes();
    Line line(in);
    line.refuseOpen = (flags & 0x18) == 0x18;
    line.writeChunk = 1 + (in.byte() % kFrameSize);
    Progress progress;
    progress.cancelAt = in.byte();

    ProtocolImpl engine(QStringLiteral("scripted"), nullptr, raw, accepted);
    engine.setPortFactory([&line] { return std::make_unique<ScriptedPort>(line); });
    engine.setClock([] { return QDateTime(QDate(2026, 1, 3), QTime(9, 5, 7)); });
    engine.setSettleTime(0);
    IProtocolCallback* callback = withCallback ? &progress : nullptr;

    const std::vector<BlockRecord> table = olma::config::blockTable();
    std::vector<BlockRecord> blocks;
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    std::vector<unsigned char> state(kStateRecordSize, 0);
    std::vector<unsigned char> firmware;
    quint32 id = 0;
    bool ok = false;
    switch (operation) {
    case Identify:
        ok = engine.getId(&id, callback);
        break;
    case State:
        ok = engine.getStatus(state.data(), callback);
        break;
    case ReadConfig:
    case WriteConfig:
        blocks.assign(table.begin(), table.begin() + in.word() % (table.size() + 1));
        ok = operation == ReadConfig ? engine.readConfig(image.data(), blocks, callback)
                                     : engine.writeConfig(image.data(), blocks, callback);
        break;
    case ReadLog: {
        const unsigned first = in.word();
        const unsigned count = in.word();
        ok = engine.readLog(&progress, first, count == 0xFFFF ? 0xFFFFFFFFu : count);
        callback = &progress;
        break;
    }
    case Firmware:
        firmware.resize(in.word() % 4096);
        for (std::size_t i = 0; i < firmware.size(); ++i)
            firmware[i] = static_cast<unsigned char>(i * 13);
        ok = engine.writeFirmware(firmware.data(), unsigned(firmware.size()), callback);
        break;
    case Restart:
        ok = engine.restart();
        break;
    }

    // The engine returned: it is idle, and every port it opened is closed and gone.
    OLMA_FUZZ_CHECK(!engine.isBusy());
    OLMA_FUZZ_CHECK(line.opened == line.closed);
    OLMA_FUZZ_CHECK(line.alive == 0);
    OLMA_FUZZ_CHECK(line.written.size() % kFrameSize == 0);
    if (line.refuseOpen) {
        // Nothing was sent, and the error code of the operation before stands.
        OLMA_FUZZ_CHECK(line.opened == 0 && engine.errorCode() == kErrorNone);
        return 0;
    }

    const bool cancelled = callback == &progress && progress.cancelled;
    if (ok) {
        OLMA_FUZZ_CHECK(engine.errorCode() == kErrorNone);
    } else if (engine.errorCode() != kErrorSerial) {
        // The panel's own code: byte 4 of the first error reply on the line, which ended the operation.
        OLMA_FUZZ_CHECK(!raw);
        int first = -1;
        for (int i = 0; i < line.requests && first < 0; ++i) {
            const QByteArray frame = frameAt(line, i);
            if (frame.size() == kFrameSize && static_cast<unsigned char>(frame[kCommandByte]) == kErrorMarker)
                first = i;
        }
        OLMA_FUZZ_CHECK(first >= 0);
        OLMA_FUZZ_CHECK(engine.errorCode() == static_cast<unsigned char>(frameAt(line, first)[kErrorCodeByte]));
    }
    if (!ok || cancelled || operation == Restart)
        return 0;

    // A complete operation took exactly what the frames on the line carried.
    const auto payload = [&](int frame, int from, int count) {
        return frameAt(line, frame).mid(kPayloadOffset + from, count);
    };
    switch (operation) {
    case Identify:
        OLMA_FUZZ_CHECK(line.requests == 1);
        OLMA_FUZZ_CHECK(QByteArray(reinterpret_cast<const char*>(&id), 4) == payload(0, 0, 4));
        break;
    case State:
        OLMA_FUZZ_CHECK(line.requests == 2);
        OLMA_FUZZ_CHECK(QByteArray(reinterpret_cast<const char*>(state.data()), kStateRecordSize) ==
                        payload(0, 0, kStatePhase0Size) + payload(1, 0, kStatePhase1Size));
        break;
    case ReadConfig:
        OLMA_FUZZ_CHECK(line.requests == int(blocks.size()));
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const BlockRecord& block = blocks[i];
            OLMA_FUZZ_CHECK(QByteArray(reinterpret_cast<const char*>(image.data()) + block.offset, block.size) ==
                            payload(int(i), 0, block.size));
        }
        break;
    case ReadLog: {
        // Each block's records, newest first, as many as its length byte counts (at most 7).
        QByteArray expected;
        for (int i = 0; i < line.requests; ++i) {
            const QByteArray frame = frameAt(line, i);
            const int records = std::min(static_cast<unsigned char>(frame[kLengthByte]) / kLogRecordSize, 7);
            for (int r = records - 1; r >= 0; --r)
                expected += frame.mid(kPayloadOffset + r * kLogRecordSize, kLogRecordSize);
        }
        OLMA_FUZZ_CHECK(progress.records == expected);
        break;
    }
    case Firmware:
        // Data requests, the end request and the restart.
        if (!firmware.empty())
            OLMA_FUZZ_CHECK(line.requests == int(firmware.size() / kFirmwareChunk) + 2);
        break;
    }
    return 0;
}
