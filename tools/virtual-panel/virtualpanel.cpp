#include "virtualpanel.h"

#include "precisescheduler.h"

#include "config/imagemap.h"
#include "link/errorcodes.h"
#include "link/frame.h"

#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

using namespace olma::link;

namespace olma::vpanel {

namespace {

// Bits on the line per byte at 8N1 (start, 8 data, stop), and the line speed.
constexpr qint64 kBitsPerByte = 10;
constexpr qint64 kBaudRate = 115200;
constexpr qint64 kNsPerMs = 1000000;
// Request bytes that stop short of a whole frame for this long are a broken request: the
// next bytes start a new one.
constexpr qint64 kResyncNs = 100 * kNsPerMs;
constexpr int kClockOffset = 4; // where the panel's clock lies in the state record

QString hex(const QByteArray& bytes, int count)
{
    return QString::fromLatin1(bytes.left(count).toHex(' '));
}

unsigned char byteAt(const QByteArray& bytes, int i)
{
    return static_cast<unsigned char>(bytes.at(i));
}

} // namespace

VirtualPanel::VirtualPanel(QObject* parent)
    : QObject(parent), _scheduler(new PreciseScheduler(this)), _state(kStateRecordSize, '\0'),
      _image(olma::config::kImageSize, '\0')
{
    setIdentifyAnswer(quint32(kDefaultModelCode) | quint32(kDefaultFirmwareVersion) << 8 |
                      quint32(kDefaultSerialNumber) << 16);
    // Until the configurator sets it, the panel's clock reads the time it was switched on.
    const QDateTime now = QDateTime::currentDateTime();
    const int clock[] = {now.time().second(), now.time().minute(), now.time().hour(),
                         now.date().day(),    now.date().month(),  now.date().year() % 100};
    for (int i = 0; i < kClockBytes; ++i)
        _state[kClockOffset + i] = char(toBcd(clock[i]));

    for (const BlockRecord& block : olma::config::blockTable()) {
        _blocks.insert(block.group << 8 | block.index, {block.offset, block.size});
        if (!_groups.contains(block.group))
            _groups.append(block.group);
    }
}

VirtualPanel::~VirtualPanel()
{
    stop();
}

bool VirtualPanel::start(QString* error)
{
    stop();
    if (!_pty.open(error))
        return false;
    _vanishing = false;
    _readNotifier = new QSocketNotifier(_pty.masterFd(), QSocketNotifier::Read, this);
    connect(_readNotifier, &QSocketNotifier::activated, this, &VirtualPanel::readable);
    _writeNotifier = new QSocketNotifier(_pty.masterFd(), QSocketNotifier::Write, this);
    _writeNotifier->setEnabled(false);
    connect(_writeNotifier, &QSocketNotifier::activated, this, &VirtualPanel::writable);
    return true;
}

void VirtualPanel::stop()
{
    _scheduler->clear();
    delete _readNotifier;
    delete _writeNotifier;
    _readNotifier = nullptr;
    _writeNotifier = nullptr;
    _pty.close();
    _inFrame.clear();
    _outPending.clear();
}

bool VirtualPanel::isRunning() const
{
    return _pty.isOpen();
}

QString VirtualPanel::portName() const
{
    return _pty.slavePath();
}

// ---- contents -----------------------------------------------------------------------------

void VirtualPanel::setModelCode(unsigned char code)
{
    setIdentifyAnswer((_identify & 0xFFFFFF00u) | code);
}

void VirtualPanel::setFirmwareVersion(unsigned char version)
{
    setIdentifyAnswer((_identify & 0xFFFF00FFu) | quint32(version) << 8);
}

void VirtualPanel::setSerialNumber(quint16 serial)
{
    setIdentifyAnswer((_identify & 0x0000FFFFu) | quint32(serial) << 16);
}

void VirtualPanel::setIdentifyAnswer(quint32 answer)
{
    _identify = answer;
    // The state record starts with the same four bytes.
    qToLittleEndian(_identify, _state.data());
}

void VirtualPanel::setStateRecord(const QByteArray& record)
{
    _state = record.left(kStateRecordSize);
    _state.append(kStateRecordSize - _state.size(), '\0');
}

void VirtualPanel::setImage(const QByteArray& image)
{
    _image = image.left(olma::config::kImageSize);
    _image.append(olma::config::kImageSize - _image.size(), '\0');
}

void VirtualPanel::setLogRecords(const QByteArray& records)
{
    const qsizetype whole = std::min<qsizetype>(records.size() / kLogRecordSize, kLogMaxRecords);
    _log = records.left(whole * kLogRecordSize);
}

// ---- faults and records -------------------------------------------------------------------

bool VirtualPanel::addFault(const QString& fault, QString* error)
{
    return _faults.add(fault, requestCount() + 1, error);
}

void VirtualPanel::replyWithError(int code, RequestMatch match)
{
    _faults.errors.push_back({match, code});
}

void VirtualPanel::patchReply(int byte, int value, RequestMatch match)
{
    _faults.patches.push_back({match, byte, value});
}

void VirtualPanel::fallSilentFrom(int request)
{
    _faults.silentFrom = std::max(1, request);
}

void VirtualPanel::setWireSpeed(bool on)
{
    _faults.wireSpeed = on;
}

void VirtualPanel::addGarbage(const QByteArray& bytes, bool before, RequestMatch match)
{
    _faults.garbage.push_back({match, bytes, before});
}

void VirtualPanel::cutReplies(std::vector<int> at, int gapMs, RequestMatch match)
{
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
    _faults.cuts.push_back({match, std::move(at), std::max(0, gapMs)});
}

void VirtualPanel::vanishAt(int request, int afterBytes)
{
    _faults.vanishAt = std::max(1, request);
    _faults.vanishAfter = std::clamp(afterBytes, 0, kFrameSize - 1);
}

void VirtualPanel::delayReplies(int ms, RequestMatch match)
{
    _faults.late.push_back({match, std::max(0, ms)});
}

void VirtualPanel::lengthenReplies(int bytes, RequestMatch match)
{
    _faults.longReplies.push_back({match, std::clamp(bytes, 1, 4096)});
}

void VirtualPanel::clearFaults()
{
    _faults = Faults();
}

void VirtualPanel::clearRequests()
{
    _requests.clear();
}

qint64 VirtualPanel::wireTimeNs(int bytes)
{
    return qint64(bytes) * kBitsPerByte * 1000 * kNsPerMs / kBaudRate;
}

// ---- the line -----------------------------------------------------------------------------

void VirtualPanel::readable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(_pty.masterFd(), buffer, sizeof buffer);
        if (n > 0) {
            bytesIn(buffer, int(n), PreciseScheduler::now());
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
}

void VirtualPanel::bytesIn(const char* data, int size, qint64 t)
{
    if (!_inFrame.isEmpty() && t - _lastInNs > kResyncNs) {
        if (_tracing)
            emit trace(QStringLiteral("dropped %1 bytes of a broken request").arg(_inFrame.size()));
        _inFrame.clear();
    }
    _lastInNs = t;
    while (size > 0) {
        const int take = std::min(size, kFrameSize - int(_inFrame.size()));
        _inFrame.append(data, take);
        data += take;
        size -= take;
        if (_faults.wireSpeed) {
            // The configurator answered a reply that this panel put out late by its own wake-up
            // delay; that delay is not the line's, so the request is taken as sent that much
            // earlier, though never before the reply had crossed the line.
            qint64 start = t;
            if (_inFrame.size() == take && _replyLateNs > 0) {
                start = std::max(t - _replyLateNs, _outLineFree);
                _replyLateNs = 0;
            }
            _inLineFree = std::max(start, _inLineFree) + wireTimeNs(take);
        }
        if (_inFrame.size() == kFrameSize) {
            const QByteArray frame = _inFrame;
            _inFrame.clear();
            frameIn(frame, _faults.wireSpeed ? _inLineFree : t);
        }
    }
}

void VirtualPanel::frameIn(const QByteArray& frame, qint64 t)
{
    _requests.append(frame);
    const int number = int(_requests.size());
    if (_tracing)
        emit trace(QStringLiteral("<- #%1 %2").arg(number).arg(hex(frame, 12)));
    emit requestReceived(number, frame);
    // The panel answers at once; only the reply's way out waits for the line and the latency.
    handle(number, frame, t + _faults.latencyMs * kNsPerMs);
}

void VirtualPanel::handle(int number, const QByteArray& frame, qint64 replyStart)
{
    if (_vanishing)
        return;
    if (_faults.silentFrom > 0 && number >= _faults.silentFrom) {
        if (_tracing)
            emit trace(QStringLiteral("   #%1 not answered").arg(number));
        return;
    }
    const int command = byteAt(frame, kCommandByte);
    QByteArray reply;
    for (const Faults::ErrorReply& rule : _faults.errors) {
        if (rule.match.matches(number, command)) {
            reply = errorReply(rule.code);
            break;
        }
    }
    if (reply.isEmpty()) {
        reply = serve(frame);
        if (!_echo && reply.size() == kFrameSize && byteAt(reply, kCommandByte) != kErrorMarker) {
            reply[kCommandByte] = 0;
            reply[kGroupByte] = 0;
            reply[kIndexByte] = 0;
        }
    }
    if (_faults.vanishAt > 0 && number >= _faults.vanishAt) {
        _vanishing = true;
        if (_tracing)
            emit trace(QStringLiteral("   #%1 the port disappears").arg(number));
        writeOut(reply.left(_faults.vanishAfter));
        // Not from inside the read notification that brought the request.
        QTimer::singleShot(0, this, [this] { stop(); });
        return;
    }
    if (reply.isEmpty())
        return;
    for (const Faults::Patch& patch : _faults.patches) {
        if (patch.match.matches(number, command))
            reply[patch.byte] = char(patch.value);
    }
    for (const Faults::Long& rule : _faults.longReplies) {
        // The run-on repeats the reply from its start, as a panel sending one frame too many would.
        if (rule.match.matches(number, command)) {
            QByteArray more;
            while (more.size() < rule.bytes)
                more += reply.left(kFrameSize);
            reply += more.left(rule.bytes);
        }
    }
    for (const Faults::Garbage& noise : _faults.garbage) {
        if (noise.match.matches(number, command))
            reply = noise.before ? noise.bytes + reply : reply + noise.bytes;
    }
    for (const Faults::Late& rule : _faults.late) {
        if (rule.match.matches(number, command)) {
            replyStart += rule.ms * kNsPerMs;
            _lateUntil = std::max(_lateUntil, replyStart);
        }
    }
    // The panel answers in order: a reply held back holds back the ones after it.
    replyStart = std::max(replyStart, _lateUntil);
    deliver(number, command, reply, replyStart);
}

void VirtualPanel::deliver(int number, int command, const QByteArray& reply, qint64 t)
{
    // Where the pieces end: at the chosen cuts, or evenly.
    const int size = int(reply.size());
    std::vector<int> ends;
    int gapMs = _faults.gapMs;
    const auto cut = std::find_if(_faults.cuts.cbegin(), _faults.cuts.cend(),
                                  [&](const Faults::Cut& c) { return c.match.matches(number, command); });
    if (cut != _faults.cuts.cend()) {
        for (const int at : cut->at) {
            if (at > (ends.empty() ? 0 : ends.back()) && at < size)
                ends.push_back(at);
        }
        gapMs = cut->gapMs;
    } else {
        const int pieces = std::clamp(_faults.pieces, 1, size);
        for (int k = 1; k < pieces; ++k)
            ends.push_back(k * size / pieces);
    }
    ends.push_back(size);

    qint64 start = t;
    const int pieces = int(ends.size());
    for (int k = 0; k < pieces; ++k) {
        const int from = k == 0 ? 0 : ends[size_t(k - 1)];
        const QByteArray piece = reply.mid(from, ends[size_t(k)] - from);
        qint64 end = start;
        if (_faults.wireSpeed) {
            // A piece is in the configurator's hands when its last byte has crossed the line.
            end = std::max(start, _outLineFree) + wireTimeNs(int(piece.size()));
            _outLineFree = end;
        }
        const bool last = k == pieces - 1;
        auto write = [this, piece, last, number, end] {
            writeOut(piece);
            if (last) {
                _replyLateNs = _faults.wireSpeed ? std::max<qint64>(0, PreciseScheduler::now() - end) : 0;
                if (_tracing)
                    emit trace(QStringLiteral("-> #%1 %2").arg(number).arg(hex(piece, 12)));
                emit replySent(number);
            }
        };
        if (end <= PreciseScheduler::now() && _scheduler->isEmpty())
            write();
        else
            _scheduler->at(end, write);
        start = end + gapMs * kNsPerMs;
    }
}

void VirtualPanel::receive(const QByteArray& bytes)
{
    bytesIn(bytes.constData(), int(bytes.size()), PreciseScheduler::now());
}

void VirtualPanel::writeOut(const QByteArray& bytes)
{
    if (_sink) {
        _sent.append(bytes);
        _sink(bytes);
        return;
    }
    if (!_pty.isOpen())
        return;
    _sent.append(bytes);
    _outPending.append(bytes);
    writable();
}

void VirtualPanel::writable()
{
    while (!_outPending.isEmpty()) {
        const ssize_t n = ::write(_pty.masterFd(), _outPending.constData(), size_t(_outPending.size()));
        if (n > 0) {
            _outPending.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    // A full pseudo-terminal takes the rest when it has room again.
    if (_writeNotifier)
        _writeNotifier->setEnabled(!_outPending.isEmpty());
}

// ---- the panel ----------------------------------------------------------------------------

QByteArray VirtualPanel::errorReply(int code) const
{
    QByteArray reply(kFrameSize, '\0');
    reply[kCommandByte] = char(kErrorMarker);
    reply[kErrorCodeByte] = char(code);
    return reply;
}

QByteArray VirtualPanel::identifyBytes() const
{
    QByteArray bytes(kIdentifySize, '\0');
    qToLittleEndian(_identify, bytes.data());
    return bytes;
}

QByteArray VirtualPanel::serve(const QByteArray& request)
{
    const int command = byteAt(request, kCommandByte);
    const int group = byteAt(request, kGroupByte);
    const int index = byteAt(request, kIndexByte);
    const int length = byteAt(request, kLengthByte);
    const char* payload = request.constData() + kPayloadOffset;

    // A normal reply repeats the request's header; the payload follows.
    QByteArray reply(kFrameSize, '\0');
    reply[kCommandByte] = char(command);
    auto answer = [&](int g, int i, const QByteArray& data) {
        reply[kGroupByte] = char(g);
        reply[kIndexByte] = char(i);
        reply[kLengthByte] = char(data.size());
        reply.replace(kPayloadOffset, data.size(), data);
        return reply;
    };

    switch (command) {
    case kCmdIdentify:
        return answer(0, 0, identifyBytes());
    case kCmdState: {
        if (group != 0)
            return errorReply(kErrorBadGroup);
        if (index > 1)
            return errorReply(kErrorBadBlock);
        if (index == 0 && length == kClockBytes) {
            _clock = request.mid(kPayloadOffset, kClockBytes);
            _state.replace(kClockOffset, kClockBytes, _clock);
        }
        return index == 0 ? answer(0, 0, _state.left(kStatePhase0Size))
                          : answer(0, 1, _state.mid(kStatePhase0Size, kStatePhase1Size));
    }
    case kCmdReadLog: {
        const int block = group << 8 | index;
        if (block >= int(kLogBlockCount))
            return errorReply(kErrorBadBlock);
        const qsizetype first = qsizetype(block) * kLogRecordsPerBlock * kLogRecordSize;
        // The length byte counts the record bytes the block holds: 56 for a full block.
        return answer(group, index, _log.mid(first, kLogRecordsPerBlock * kLogRecordSize));
    }
    case kCmdReadConfig:
    case kCmdWriteConfig: {
        if (!_groups.contains(group))
            return errorReply(kErrorBadGroup);
        const auto it = _blocks.constFind(group << 8 | index);
        if (it == _blocks.cend())
            return errorReply(kErrorBadBlock);
        if (command == kCmdReadConfig)
            return answer(group, index, _image.mid(it->offset, it->size));
        if (length != it->size)
            return errorReply(kErrorBadSize);
        _image.replace(it->offset, it->size, payload, it->size);
        for (const Faults::Corrupt& rule : _faults.corrupt) {
            if (rule.group == group && rule.index == index && rule.byte < it->size)
                _image[it->offset + rule.byte] = char(~_image[it->offset + rule.byte]);
        }
        answer(group, index, QByteArray());
        reply[kLengthByte] = char(it->size);
        return reply;
    }
    case kCmdFirmwareData:
        // A data block after a finished upload starts the next upload.
        if (_firmwareEnded)
            _firmware.clear();
        _firmwareEnded = false;
        _firmware.append(request.constData() + 1, kFirmwareDataPerRequest);
        return reply;
    case kCmdFirmwareEnd:
        _firmwareEnded = true;
        ++_firmwareEnds;
        return reply;
    case kCmdRestart:
        ++_restarts;
        if (_tracing)
            emit trace(QStringLiteral("   restart"));
        return QByteArray();
    default:
        return errorReply(kErrorUnknownCommand);
    }
}

// ---- the log growing ----------------------------------------------------------------------

namespace {

// A block lists its records oldest first and the reader takes them last first: the order of a
// read is the stored order with every block (the last one may be short) turned round. Turning
// round twice gives the stored order back.
QByteArray turnBlocks(const QByteArray& records)
{
    QByteArray turned;
    turned.reserve(records.size());
    const qsizetype count = records.size() / kLogRecordSize;
    for (qsizetype first = 0; first < count; first += kLogRecordsPerBlock) {
        const qsizetype last = std::min<qsizetype>(first + kLogRecordsPerBlock, count) - 1;
        for (qsizetype i = last; i >= first; --i)
            turned.append(records.mid(i * kLogRecordSize, kLogRecordSize));
    }
    return turned;
}

} // namespace

QByteArray VirtualPanel::logAsRead() const
{
    return turnBlocks(_log);
}

void VirtualPanel::addLogEvents(const QByteArray& records, LogGrowth growth)
{
    QByteArray read = turnBlocks(_log);
    const qsizetype limit = qsizetype(kLogMaxRecords) * kLogRecordSize;
    for (qsizetype at = 0; at + kLogRecordSize <= records.size(); at += kLogRecordSize) {
        const QByteArray record = records.mid(at, kLogRecordSize);
        if (growth == LogGrowth::AtStart) {
            read.prepend(record);
            if (read.size() > limit)
                read.chop(kLogRecordSize);
        } else {
            read.append(record);
            if (read.size() > limit)
                read.remove(0, kLogRecordSize);
        }
    }
    _log = turnBlocks(read);
}

} // namespace olma::vpanel
