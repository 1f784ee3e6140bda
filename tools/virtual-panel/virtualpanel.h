#pragma once

#include "faults.h"
#include "pseudoterminal.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

class QSocketNotifier;

namespace olma::vpanel {

class PreciseScheduler;

// A panel on a pseudo-terminal: answers the configurator's 64-byte requests from its own
// identify answer, state record, configuration image, event log and firmware store, and
// misbehaves on request (error replies, silence, replies in pieces, latency, wire speed,
// noise on the line, the port disappearing).
// It runs on the Qt event loop of the thread that owns it, so it can live in the same
// process as the configurator. Every request frame is recorded.
class VirtualPanel : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualPanel)

public:
    static constexpr unsigned char kDefaultModelCode = 0x10;
    static constexpr unsigned char kDefaultFirmwareVersion = 1;
    static constexpr quint16 kDefaultSerialNumber = 1;

    explicit VirtualPanel(QObject* parent = nullptr);
    ~VirtualPanel() override;

    // Opens the pseudo-terminal; false with a reason when the system refuses one.
    bool start(QString* error = nullptr);
    void stop();
    bool isRunning() const;
    // The device path the configurator opens.
    QString portName() const;

    // Identify answer: model code (0x04, 0x08, 0x10), firmware version, serial number; also
    // bytes 0..3 of the state record.
    void setModelCode(unsigned char code);
    void setFirmwareVersion(unsigned char version);
    void setSerialNumber(quint16 serial);
    void setIdentifyAnswer(quint32 answer);
    quint32 identifyAnswer() const { return _identify; }

    // The 84-byte state record served by the two state blocks, as given; bytes 4..9 hold the
    // panel's clock, which every phase-0 state request sets.
    void setStateRecord(const QByteArray& record);
    QByteArray stateRecord() const { return _state; }
    // The six BCD clock bytes of the last phase-0 state request; empty before the first.
    QByteArray receivedClock() const { return _clock; }

    // The 10098-byte configuration image, addressed by group and index.
    void setImage(const QByteArray& image);
    QByteArray image() const { return _image; }

    // The event log: whole 8-byte records, at most 4095 kept, served 7 to a block.
    void setLogRecords(const QByteArray& records);
    QByteArray logRecords() const { return _log; }

    // Where the panel files a new event in the log as it is read: at the start (the newest
    // record is read first) or at the end.
    enum class LogGrowth
    {
        AtStart,
        AtEnd,
    };
    // New events, whole 8-byte records in the order they happened. Once the log holds 4095
    // records each new one overwrites the oldest: the ring rolls over.
    void addLogEvents(const QByteArray& records, LogGrowth growth);
    // The records in the order a whole read delivers them (each block's last record first).
    QByteArray logAsRead() const;

    // The firmware of the last upload (63 bytes per data request), how many uploads were
    // ended, and how many restarts were asked for.
    QByteArray firmware() const { return _firmware; }
    int firmwareEndCount() const { return _firmwareEnds; }
    int restartCount() const { return _restarts; }

    // Faults, by name (see Faults::add) or one by one.
    bool addFault(const QString& fault, QString* error = nullptr);
    void replyWithError(int code, RequestMatch match = {});
    void patchReply(int byte, int value, RequestMatch match = {});
    // Nothing is answered from request number `request` on (1 = the first request received).
    void fallSilentFrom(int request);
    void setWireSpeed(bool on);
    // Noise put on the line just before or just after the replies to matching requests.
    void addGarbage(const QByteArray& bytes, bool before, RequestMatch match = {});
    // Matching replies (noise included) go out in pieces ending at the given byte counts,
    // `gapMs` apart.
    void cutReplies(std::vector<int> at, int gapMs, RequestMatch match = {});
    // At request number `request` the panel puts `afterBytes` bytes of its reply on the line
    // and its port disappears, as a pulled adapter does: the pseudo-terminal closes and its
    // device path is gone.
    void vanishAt(int request, int afterBytes = 0);
    // Matching replies come `ms` later than the others.
    void delayReplies(int ms, RequestMatch match = {});
    // Matching replies run on `bytes` bytes past their 64th.
    void lengthenReplies(int bytes, RequestMatch match = {});
    // Whether normal replies repeat the request's command, group and index in bytes 0..2 (as
    // this panel does unless told otherwise) or leave them zero, as other panels may.
    void setEcho(bool on) { _echo = on; }
    bool echo() const { return _echo; }
    void clearFaults();
    const Faults& faults() const { return _faults; }

    // Every request frame received, in order; request number n is requests()[n - 1].
    QList<QByteArray> requests() const { return _requests; }
    int requestCount() const { return int(_requests.size()); }
    // Every byte put on the line towards the configurator, in order: replies and noise.
    QByteArray sentBytes() const { return _sent; }
    // Forgets the recorded requests; numbering starts again at 1.
    void clearRequests();

    // Serves a line other than the pseudo-terminal: what the panel puts on its line goes to `sink`
    // (the terminal gets nothing), what comes from the other side is handed to receive().
    void setLineSink(std::function<void(const QByteArray&)> sink) { _sink = std::move(sink); }
    void receive(const QByteArray& bytes);

    // Emits trace() lines for every frame both ways.
    void setTraceEnabled(bool on) { _tracing = on; }

    // The time `bytes` bytes take on a 115200 baud 8N1 line.
    static qint64 wireTimeNs(int bytes);

signals:
    void requestReceived(int number, const QByteArray& frame);
    // The last byte of the reply to request `number` has been written.
    void replySent(int number);
    void trace(const QString& line);

private:
    void readable();
    void writable();
    void bytesIn(const char* data, int size, qint64 t);
    void frameIn(const QByteArray& frame, qint64 t);
    // Serves a request whose reply may start on the line at `replyStart`.
    void handle(int number, const QByteArray& frame, qint64 replyStart);
    // The reply to a request; empty when none is due (restart).
    QByteArray serve(const QByteArray& frame);
    QByteArray errorReply(int code) const;
    void deliver(int number, int command, const QByteArray& reply, qint64 t);
    void writeOut(const QByteArray& bytes);
    QByteArray identifyBytes() const;

    PseudoTerminal _pty;
    QSocketNotifier* _readNotifier = nullptr;
    QSocketNotifier* _writeNotifier = nullptr;
    PreciseScheduler* _scheduler = nullptr;

    quint32 _identify = 0;
    QByteArray _state;
    QByteArray _clock;
    QByteArray _image;
    QByteArray _log;
    QByteArray _firmware;
    bool _firmwareEnded = false;
    int _firmwareEnds = 0;
    int _restarts = 0;

    Faults _faults;
    QList<QByteArray> _requests;
    QByteArray _sent;
    bool _vanishing = false; // the port is about to disappear: nothing more is served
    bool _tracing = false;
    bool _echo = true;

    // (group << 8 | index) -> where the block lies in the image.
    struct Block
    {
        int offset = 0;
        int size = 0;
    };
    QHash<int, Block> _blocks;
    QList<int> _groups;

    QByteArray _inFrame;     // request bytes gathered so far
    qint64 _lastInNs = 0;    // when the last request bytes arrived
    qint64 _inLineFree = 0;  // wire speed: when the line towards the panel is idle again
    qint64 _outLineFree = 0; // wire speed: when the line towards the configurator is idle again
    qint64 _replyLateNs = 0; // wire speed: how late the last reply was put out
    qint64 _lateUntil = 0;   // a late reply goes out then; no reply goes out before it
    QByteArray _outPending;  // reply bytes the pseudo-terminal did not take yet

    // The line when it is not the terminal.
    std::function<void(const QByteArray&)> _sink;
};

} // namespace olma::vpanel
