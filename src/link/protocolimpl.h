#pragma once

#include "common/blockrecord.h"
#include "link/frame.h"
#include "link/iprotocolcallback.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QList>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace olma::link {
class ISerialPort;
}

// The one object that talks to a panel: carries out one operation at a time over 64-byte
// request/reply frames on the serial port it is bound to. Each operation returns to its
// caller only when it has finished, failed or been cancelled; meanwhile the engine runs its
// own event loop, so the window stays live. The port is open only while an operation runs.
class ProtocolImpl : public QEventLoop
{
    Q_OBJECT
    Q_DISABLE_COPY(ProtocolImpl)

public:
    // Makes the port object for an operation (the computer's serial port unless replaced).
    using PortFactory = std::function<std::unique_ptr<olma::link::ISerialPort>()>;
    // The computer's local date and time, sent to the panel with every state request.
    using Clock = std::function<QDateTime()>;

    // rawReplies: every complete reply is data, error replies are not recognised.
    // acceptedCodes: error codes whose reply is still handed to the operation as data.
    ProtocolImpl(const QString& portName, QObject* parent, bool rawReplies, const QList<int>& acceptedCodes);
    ~ProtocolImpl() override;

    // Identify: the panel's 32-bit answer (model code, firmware version, serial number).
    bool getId(quint32* answer, IProtocolCallback* callback);
    // The 84-byte state record; the request hands the panel the computer's clock.
    bool getStatus(unsigned char* record, IProtocolCallback* callback);
    // Configuration blocks into and out of an image, one request per block record.
    bool readConfig(unsigned char* image, const std::vector<BlockRecord>& blocks, IProtocolCallback* callback);
    bool writeConfig(const unsigned char* image, const std::vector<BlockRecord>& blocks, IProtocolCallback* callback);
    // Event-log blocks from `first`, at most `count` of them (0xFFFFFFFF: to the end of the log).
    bool readLog(IProtocolLogCallback* callback, unsigned first, unsigned count);
    // Firmware upload, ended by a restart of the panel.
    bool writeFirmware(const unsigned char* data, unsigned size, IProtocolCallback* callback);
    // Sends the restart command without awaiting an answer.
    bool restart();

    // Why the last operation failed: a panel error code, 13 for a serial failure or silence.
    // A port that could not be opened leaves it as it was.
    int errorCode() const { return _errorCode; }
    static QString errorText(int code);

    bool isBusy() const { return _busy; }
    QString portName() const { return _portName; }
    // Why the port could not be opened, when that was the reason of a failure.
    QString openErrorString() const { return _openError; }
    // The port could not be opened because the user may not use it; openErrorString() says how.
    bool openDenied() const { return _openDenied; }

    void setPortFactory(PortFactory factory);
    void setClock(Clock clock);
    // How long the line is watched after the last reply of an operation (a few frame times
    // unless changed; a scripted line with no wire under it needs none).
    void setSettleTime(int ms) { _settleMs = ms; }
    int settleTime() const { return _settleMs; }

private slots:
    void getId_reply();
    void getStatus_reply();
    void readConfig_reply();
    void writeConfig_reply();
    void writeFirmware_reply();
    void readLog_reply();

    void portReadyRead();
    void deadlineReached();
    void portFailed();

private:
    using ReplySlot = void (ProtocolImpl::*)();
    using Frame = std::array<unsigned char, 64>;
    // Command, group and index of a request (bytes 0..2).
    using Header = std::array<unsigned char, 3>;

    // The shared frame of every operation but restart; `empty` means nothing to transfer.
    bool runOperation(IProtocolCallback* callback, bool empty, ReplySlot slot, const std::function<void()>& start);
    // The reply handling shared by configuration reads and writes.
    void configReply(unsigned char command);
    bool openPort();
    void closePort();
    void sendRequest(const Frame& frame);
    void serialFailure();
    // Bytes on the line that belong to no request of ours: the replies can no longer be paired
    // with their requests, so the operation fails as a serial failure and keeps nothing unsure.
    void lineFault();
    // After the last reply: watch the line for a few frame times, then end.
    void finishAfterSettling();
    void settled();
    // Whether a whole reply repeats the header of the request before the current one.
    bool answersAnotherRequest() const;
    void deliverHeldRecords();
    // Gathers reply bytes; true when the operation's handler is to look at the reply.
    bool readReply();
    // Reports progress; false when the callback cancelled (the operation is then over).
    bool reportProgress(unsigned done, unsigned total, bool finished);
    void finish();

    Frame stateRequest(int phase) const;
    Frame configRequest(unsigned char command, const BlockRecord& block) const;
    Frame logRequest(unsigned block) const;
    Frame firmwareRequest(unsigned chunk) const;
    static Frame commandFrame(unsigned char command);

    const QString _portName;
    std::unique_ptr<olma::link::ISerialPort> _port;
    std::unique_ptr<olma::link::ISerialPort> _retiredPort; // closed, destroyed when safe
    IProtocolCallback* _callback = nullptr;
    const bool _rawReplies = false;
    const QList<int> _acceptedCodes;
    bool _failed = false;
    Frame _reply{};
    int _received = 0;
    int _errorCode = 0;
    bool _busy = false;
    QString _openError;
    bool _openDenied = false;

    // The reply time-out runs from the moment the request has been written.
    QElapsedTimer _sinceRequest;
    QTimer _deadline;
    ReplySlot _replySlot = nullptr;
    quint64 _requestsSent = 0;
    int _settleMs = olma::link::kSettleMs;
    bool _freshPort = false;  // nothing sent since the port opened: old input is discarded
    bool _settling = false;   // the last reply is in; the line must stay quiet
    bool _ending = false;     // an error reply came: nothing more is sent
    bool _lineFault = false;  // the operation ended on bytes that belong to no request
    Header _currentHeader{};  // of the request awaiting its reply
    Header _previousHeader{}; // of the request before it, also from the operation before

    PortFactory _portFactory;
    Clock _clock;

    // Per-operation state.
    quint32* _idOut = nullptr;
    unsigned char* _stateOut = nullptr;
    int _phase = 0;
    unsigned char* _imageIn = nullptr;
    const unsigned char* _imageOut = nullptr;
    const std::vector<BlockRecord>* _blocks = nullptr;
    unsigned _blockIndex = 0;
    const unsigned char* _firmware = nullptr;
    unsigned _firmwareSize = 0;
    unsigned _chunk = 0;
    unsigned _chunkCount = 0;
    IProtocolLogCallback* _logCallback = nullptr;
    // Log records wait here until the read is over: a line fault found at the end means the
    // replies before it may have been shifted too.
    std::vector<std::pair<unsigned, std::array<unsigned char, 8>>> _heldRecords;
    unsigned _logFirst = 0;
    unsigned _logCurrent = 0;
    unsigned _logEnd = 0;
};
