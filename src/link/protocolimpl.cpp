#include "link/protocolimpl.h"

#include "link/errorcodes.h"
#include "link/frame.h"
#include "link/portbyname.h"

#include <QScopeGuard>
#include <QtEndian>

#include <algorithm>
#include <cstring>

using namespace olma::link;

static_assert(kFrameSize == 64, "the reply buffer is one frame");
static_assert(kLogRecordSize == 8, "a held log record is one record");

namespace {

// The log end of a read from `first` over `count` blocks; 0xFFFFFFFF reads to the end.
constexpr unsigned kLogToEnd = 0xFFFFFFFFu;

// Progress of the operations without a byte count of their own: the start and the end.
constexpr unsigned kProgressScale = 100;

// A block never carries more than the frame's payload, whatever its record says.
int payloadSize(const BlockRecord& block)
{
    return std::clamp(int(block.size), 0, kMaxPayload);
}

} // namespace

ProtocolImpl::ProtocolImpl(const QString& portName, QObject* parent, bool rawReplies, const QList<int>& acceptedCodes)
    : QEventLoop(parent), _portName(portName), _rawReplies(rawReplies), _acceptedCodes(acceptedCodes),
      _portFactory([portName] { return makePort(portName); }), _clock([] { return QDateTime::currentDateTime(); })
{
    _deadline.setSingleShot(true);
    _deadline.setTimerType(Qt::PreciseTimer);
    connect(&_deadline, &QTimer::timeout, this, &ProtocolImpl::deadlineReached);
}

ProtocolImpl::~ProtocolImpl()
{
    closePort();
}

void ProtocolImpl::setPortFactory(PortFactory factory)
{
    _portFactory = std::move(factory);
}

void ProtocolImpl::setClock(Clock clock)
{
    _clock = std::move(clock);
}

QString ProtocolImpl::errorText(int code)
{
    return olma::link::errorText(code);
}

// ---- operations ---------------------------------------------------------------------------

bool ProtocolImpl::getId(quint32* answer, IProtocolCallback* callback)
{
    return runOperation(callback, false, &ProtocolImpl::getId_reply, [this, answer] {
        _idOut = answer;
        sendRequest(commandFrame(kCmdIdentify));
    });
}

bool ProtocolImpl::getStatus(unsigned char* record, IProtocolCallback* callback)
{
    return runOperation(callback, false, &ProtocolImpl::getStatus_reply, [this, record] {
        _stateOut = record;
        _phase = 0;
        sendRequest(stateRequest(0));
    });
}

bool ProtocolImpl::readConfig(unsigned char* image, const std::vector<BlockRecord>& blocks, IProtocolCallback* callback)
{
    return runOperation(callback, blocks.empty(), &ProtocolImpl::readConfig_reply, [this, image, &blocks] {
        _imageIn = image;
        _blocks = &blocks;
        _blockIndex = 0;
        sendRequest(configRequest(kCmdReadConfig, blocks.front()));
    });
}

bool ProtocolImpl::writeConfig(const unsigned char* image, const std::vector<BlockRecord>& blocks,
                               IProtocolCallback* callback)
{
    return runOperation(callback, blocks.empty(), &ProtocolImpl::writeConfig_reply, [this, image, &blocks] {
        _imageOut = image;
        _blocks = &blocks;
        _blockIndex = 0;
        sendRequest(configRequest(kCmdWriteConfig, blocks.front()));
    });
}

bool ProtocolImpl::readLog(IProtocolLogCallback* callback, unsigned first, unsigned count)
{
    const unsigned from = std::min(first, kLogBlockCount);
    const unsigned end =
        count == kLogToEnd ? kLogBlockCount : unsigned(std::min<quint64>(quint64(from) + count, kLogBlockCount));
    return runOperation(callback, from == end, &ProtocolImpl::readLog_reply, [this, callback, from, end] {
        _logCallback = callback;
        _logFirst = from;
        _logCurrent = from;
        _logEnd = end;
        sendRequest(logRequest(from));
    });
}

bool ProtocolImpl::writeFirmware(const unsigned char* data, unsigned size, IProtocolCallback* callback)
{
    return runOperation(callback, size == 0, &ProtocolImpl::writeFirmware_reply, [this, data, size] {
        _firmware = data;
        _firmwareSize = size;
        _chunk = 0;
        // One data request per whole 64-byte chunk, then the end request; a shorter tail is not sent.
        _chunkCount = size / kFirmwareChunk + 1;
        sendRequest(firmwareRequest(0));
    });
}

bool ProtocolImpl::restart()
{
    if (_busy)
        return false;
    _busy = true;
    const auto idle = qScopeGuard([this] { _busy = false; });
    if (!openPort())
        return false;
    // No answer is awaited, and the outcome of the previous operation stands unless this write fails.
    sendRequest(commandFrame(kCmdRestart));
    closePort();
    _retiredPort.reset();
    return !_failed;
}

// ---- the operation frame ------------------------------------------------------------------

bool ProtocolImpl::runOperation(IProtocolCallback* callback, bool empty, ReplySlot slot,
                                const std::function<void()>& start)
{
    if (_busy)
        return false;
    _busy = true;
    const auto idle = qScopeGuard([this] {
        _replySlot = nullptr;
        _callback = nullptr;
        _busy = false;
    });
    // Someone else already runs this loop: a second exec() here would end theirs.
    if (isRunning())
        return false;
    if (empty) {
        if (callback)
            callback->progress(kProgressScale, kProgressScale, true);
        return true;
    }
    if (!openPort())
        return false;

    _callback = callback;
    _errorCode = kErrorNone;
    _failed = false;
    _received = 0;
    _lineFault = false;
    _logCallback = nullptr;
    _heldRecords.clear();
    if (_callback)
        _callback->progress(0, kProgressScale, false);
    _replySlot = slot;
    start();
    // A first request that could not be written has already closed the port and ended the operation.
    if (_port)
        exec();
    closePort();
    _retiredPort.reset();
    // A cancelled or failed log read keeps the records that came, unless the line was seen to
    // carry bytes of no request: then none of them can be trusted to be the block they seem.
    if (_lineFault)
        _heldRecords.clear();
    deliverHeldRecords();
    return !_failed;
}

bool ProtocolImpl::openPort()
{
    std::unique_ptr<ISerialPort> port = _portFactory ? _portFactory() : nullptr;
    _openDenied = false;
    if (!port) {
        _openError = tr("no serial port available");
        return false;
    }
    if (!port->open(_portName)) {
        _openError = port->errorString();
        _openDenied = port->openDenied();
        return false;
    }
    _openError.clear();
    _freshPort = true;
    _settling = false;
    _ending = false;
    connect(port.get(), &ISerialPort::readyRead, this, &ProtocolImpl::portReadyRead);
    connect(port.get(), &ISerialPort::failed, this, &ProtocolImpl::portFailed);
    _port = std::move(port);
    return true;
}

void ProtocolImpl::closePort()
{
    _deadline.stop();
    if (!_port)
        return;
    disconnect(_port.get(), nullptr, this, nullptr);
    _port->waitForBytesWritten();
    _port->close();
    // The port may be closed from inside its own readyRead; it is destroyed once that has returned.
    _retiredPort = std::move(_port);
}

void ProtocolImpl::sendRequest(const Frame& frame)
{
    if (!_port || _ending)
        return;
    // Whatever is on the line before a request is no answer to it. Right after the port opened
    // that is a reply the panel sent too late for an operation before: it is dropped. Later it
    // came after a whole reply: the line is not what it seems.
    _port->takeUpInput();
    if (_port->bytesAvailable() > 0) {
        char sink[kFrameSize];
        while (_port->read(sink, kFrameSize) > 0) {
        }
        if (!_freshPort) {
            lineFault();
            return;
        }
    }
    _freshPort = false;
    _previousHeader = _currentHeader;
    _currentHeader = {frame[kCommandByte], frame[kGroupByte], frame[kIndexByte]};
    ++_requestsSent;
    const char* bytes = reinterpret_cast<const char*>(frame.data());
    qint64 sent = 0;
    while (sent < kFrameSize) {
        const qint64 n = _port->write(bytes + sent, kFrameSize - sent);
        if (n < 0 || (n == 0 && !_port->waitForBytesWritten())) {
            serialFailure();
            return;
        }
        sent += n;
    }
    _sinceRequest.start();
    // The running deadline timer is not re-armed for every request: when it fires it looks at
    // the time since the latest request and sleeps on if that is not yet over.
    if (!_deadline.isActive())
        _deadline.start(kReplyTimeoutMs);
    _received = 0;
}

void ProtocolImpl::serialFailure()
{
    _errorCode = kErrorSerial;
    _failed = true;
    closePort();
    exit(0);
}

void ProtocolImpl::lineFault()
{
    _lineFault = true;
    serialFailure();
}

void ProtocolImpl::finish()
{
    _settling = false;
    closePort();
    exit(0);
}

void ProtocolImpl::finishAfterSettling()
{
    _settling = true;
    _deadline.start(_settleMs);
}

void ProtocolImpl::settled()
{
    _port->takeUpInput();
    if (_port->bytesAvailable() > 0) {
        lineFault();
        return;
    }
    _settling = false;
    if (_replySlot == &ProtocolImpl::readLog_reply && !_failed) {
        deliverHeldRecords();
        if (_callback)
            _callback->progress(kProgressScale, kProgressScale, true);
    }
    finish();
}

void ProtocolImpl::deliverHeldRecords()
{
    const auto records = std::move(_heldRecords);
    _heldRecords.clear();
    if (!_logCallback)
        return;
    for (const auto& [block, record] : records)
        _logCallback->logRecord(block, record.data());
}

// The panel may repeat the request's command, group and index in reply bytes 0..2, or leave
// them zero, or put anything there: the program never needs them. A reply is taken as the
// answer to another request only when all of these hold, which a panel that repeats nothing,
// or only the command byte, never meets:
// - bytes 0..2 are exactly the header of the request sent before the current one (in this
//   operation or the one before: a reply that came too late);
// - that header differs from the current one and is not all zero (an identify request looks
//   like a reply that repeats nothing);
// - that request was no firmware block, whose bytes 1..2 are firmware and not repeated;
// - the reply is not the current command with group and index zero, as a panel that repeats
//   only the command writes it.
bool ProtocolImpl::answersAnotherRequest() const
{
    const Header reply = {_reply[kCommandByte], _reply[kGroupByte], _reply[kIndexByte]};
    if (reply != _previousHeader || _previousHeader == _currentHeader || _previousHeader == Header{} ||
        _previousHeader[0] == kCmdFirmwareData)
        return false;
    return !(reply[0] == _currentHeader[0] && reply[1] == 0 && reply[2] == 0);
}

bool ProtocolImpl::readReply()
{
    if (!_port) {
        exit(0);
        return false;
    }
    const qint64 n = _port->read(reinterpret_cast<char*>(_reply.data()) + _received, kFrameSize - _received);
    if (n < 0) {
        serialFailure();
        return false;
    }
    _received += int(n);
    if (_received == kFrameSize) {
        // A reply is 64 bytes; one that goes on is no reply to this request alone.
        _port->takeUpInput();
        if (_port->bytesAvailable() > 0) {
            lineFault();
            return false;
        }
    }
    if (_rawReplies)
        return true;
    if (_received == kFrameSize && _reply[kCommandByte] == kErrorMarker) {
        _errorCode = _reply[kErrorCodeByte];
        _failed = true;
        // Nothing more is sent; the line is still watched, for a frame that only looked like an
        // error reply because the replies had slipped is a line fault.
        _ending = true;
        finishAfterSettling();
        // The operation has failed either way; an accepted code still lets it take the payload.
        return _acceptedCodes.contains(_errorCode);
    }
    if (_received == kFrameSize && answersAnotherRequest()) {
        lineFault();
        return false;
    }
    return true;
}

bool ProtocolImpl::reportProgress(unsigned done, unsigned total, bool finished)
{
    if (!_callback || _callback->progress(done, total, finished))
        return true;
    // Cancelled: over, but not failed; the caller asks its callback what happened.
    finish();
    return false;
}

// ---- events -------------------------------------------------------------------------------

void ProtocolImpl::portReadyRead()
{
    if (!_port || !_replySlot)
        return;
    if (_settling) {
        // Anything after the last reply: that reply, or one before it, was not what it seemed.
        if (_port->bytesAvailable() > 0)
            lineFault();
        return;
    }
    (this->*_replySlot)();
}

void ProtocolImpl::deadlineReached()
{
    if (!_port || !_replySlot)
        return;
    if (_settling) {
        settled();
        return;
    }
    const qint64 elapsed = _sinceRequest.elapsed();
    if (elapsed <= kReplyTimeoutMs) {
        _deadline.start(int(kReplyTimeoutMs - elapsed) + 1);
        return;
    }
    // A program kept busy may look at the line only now: bytes that are already there came in
    // time and are taken before the reply is declared missing.
    _port->takeUpInput();
    const quint64 sent = _requestsSent;
    (this->*_replySlot)();
    if (_port && !_settling && _requestsSent == sent)
        serialFailure();
}

void ProtocolImpl::portFailed()
{
    if (_port)
        serialFailure();
}

// ---- reply handlers -----------------------------------------------------------------------

void ProtocolImpl::getId_reply()
{
    // Identify reports no progress.
    if (!readReply() || _received < kFrameSize)
        return;
    if (_idOut)
        *_idOut = qFromLittleEndian<quint32>(_reply.data() + kPayloadOffset);
    finishAfterSettling();
}

void ProtocolImpl::getStatus_reply()
{
    if (!readReply())
        return;
    constexpr unsigned total = 2 * kFrameSize;
    const unsigned done = unsigned(_phase) * kFrameSize + unsigned(_received);
    if (!reportProgress(done, total, done == total) || _received < kFrameSize)
        return;
    if (_stateOut) {
        const int size = _phase == 0 ? kStatePhase0Size : kStatePhase1Size;
        std::memcpy(_stateOut + _phase * kStatePhase0Size, _reply.data() + kPayloadOffset, size_t(size));
    }
    if (_phase == 0) {
        _phase = 1;
        sendRequest(stateRequest(1));
    } else {
        finishAfterSettling();
    }
}

void ProtocolImpl::readConfig_reply()
{
    configReply(kCmdReadConfig);
}

void ProtocolImpl::writeConfig_reply()
{
    configReply(kCmdWriteConfig);
}

void ProtocolImpl::configReply(unsigned char command)
{
    if (!readReply())
        return;
    const unsigned total = unsigned(_blocks->size()) * kFrameSize;
    const unsigned done = _blockIndex * kFrameSize + unsigned(_received);
    if (!reportProgress(done, total, done == total) || _received < kFrameSize)
        return;
    // A read takes the block's bytes; for a write any whole reply that is not an error reply
    // accepts the block.
    const BlockRecord& block = (*_blocks)[_blockIndex];
    if (command == kCmdReadConfig && _imageIn)
        std::memcpy(_imageIn + block.offset, _reply.data() + kPayloadOffset, size_t(payloadSize(block)));
    if (++_blockIndex < _blocks->size())
        sendRequest(configRequest(command, (*_blocks)[_blockIndex]));
    else
        finishAfterSettling();
}

void ProtocolImpl::writeFirmware_reply()
{
    if (!readReply())
        return;
    const unsigned total = _chunkCount * kFrameSize;
    const unsigned done = _chunk * kFrameSize + unsigned(_received);
    if (!reportProgress(done, total, done == total) || _received < kFrameSize)
        return;
    if (++_chunk < _chunkCount) {
        sendRequest(firmwareRequest(_chunk));
    } else {
        // The end of the firmware is acknowledged; the panel restarts into it without answering.
        sendRequest(commandFrame(kCmdRestart));
        finish();
    }
}

void ProtocolImpl::readLog_reply()
{
    if (!readReply())
        return;
    const unsigned total = (_logEnd - _logFirst) * kFrameSize;
    const unsigned done = (_logCurrent - _logFirst) * kFrameSize + unsigned(_received);
    if (!reportProgress(done, total, false) || _received < kFrameSize)
        return;
    // The length byte counts record bytes; a larger one than a frame can hold still yields
    // no more than the records that lie inside the reply.
    const int records = _reply[kLengthByte] / kLogRecordSize;
    const int delivered = std::min(records, kLogRecordsPerBlock);
    // The panel lists a block oldest first; the program takes the newest first.
    for (int i = delivered - 1; i >= 0; --i) {
        std::array<unsigned char, kLogRecordSize> record{};
        std::memcpy(record.data(), _reply.data() + kPayloadOffset + i * kLogRecordSize, record.size());
        _heldRecords.emplace_back(_logCurrent, record);
    }
    ++_logCurrent;
    // A block that is not full is the end of the log.
    if (_logCurrent < _logEnd && records == kLogRecordsPerBlock)
        sendRequest(logRequest(_logCurrent));
    else
        finishAfterSettling();
}

// ---- request frames -----------------------------------------------------------------------

ProtocolImpl::Frame ProtocolImpl::commandFrame(unsigned char command)
{
    Frame frame{};
    frame[kCommandByte] = command;
    return frame;
}

ProtocolImpl::Frame ProtocolImpl::stateRequest(int phase) const
{
    Frame frame = commandFrame(kCmdState);
    frame[kIndexByte] = static_cast<unsigned char>(phase);
    if (phase == 0) {
        // Every poll sets the panel's clock to the computer's.
        const QDateTime now = _clock ? _clock() : QDateTime::currentDateTime();
        const QTime time = now.time();
        const QDate date = now.date();
        frame[kLengthByte] = kClockBytes;
        frame[kPayloadOffset + 0] = toBcd(time.second());
        frame[kPayloadOffset + 1] = toBcd(time.minute());
        frame[kPayloadOffset + 2] = toBcd(time.hour());
        frame[kPayloadOffset + 3] = toBcd(date.day());
        frame[kPayloadOffset + 4] = toBcd(date.month());
        frame[kPayloadOffset + 5] = toBcd(date.year() % 100);
    }
    return frame;
}

ProtocolImpl::Frame ProtocolImpl::configRequest(unsigned char command, const BlockRecord& block) const
{
    // Only the low bytes of group, index and size travel.
    Frame frame = commandFrame(command);
    frame[kGroupByte] = static_cast<unsigned char>(block.group & 0xFF);
    frame[kIndexByte] = static_cast<unsigned char>(block.index & 0xFF);
    if (command == kCmdWriteConfig) {
        frame[kLengthByte] = static_cast<unsigned char>(block.size & 0xFF);
        if (_imageOut)
            std::memcpy(frame.data() + kPayloadOffset, _imageOut + block.offset, size_t(payloadSize(block)));
    }
    return frame;
}

ProtocolImpl::Frame ProtocolImpl::logRequest(unsigned block) const
{
    Frame frame = commandFrame(kCmdReadLog);
    frame[kGroupByte] = static_cast<unsigned char>((block >> 8) & 0xFF);
    frame[kIndexByte] = static_cast<unsigned char>(block & 0xFF);
    return frame;
}

ProtocolImpl::Frame ProtocolImpl::firmwareRequest(unsigned chunk) const
{
    if (chunk + 1 >= _chunkCount)
        return commandFrame(kCmdFirmwareEnd);
    // The first 63 bytes of the chunk; its 64th byte is not sent.
    Frame frame = commandFrame(kCmdFirmwareData);
    std::memcpy(frame.data() + 1, _firmware + size_t(chunk) * kFirmwareChunk, kFirmwareDataPerRequest);
    return frame;
}
