#pragma once

#include "link/iserialport.h"
#include "link/protocolimpl.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class FakeSerialPort;

// The in-memory line behind every fake port an engine makes: what the test scripts and
// what it can inspect afterwards.
struct FakeLine
{
    bool failWrite = false;
    bool failRead = false;
    int writeChunk = 64; // bytes a single write accepts
    QByteArray written;
    QStringList events;                // "open", "write", "drain", "close" in order
    FakeSerialPort* current = nullptr; // the port an operation has open
    // The reply to one whole request, as the pieces in which it arrives (each in its own
    // event-loop turn). No pieces: no reply.
    std::function<QList<QByteArray>(const QByteArray& request)> respond;
};

class FakeSerialPort : public olma::link::ISerialPort
{
public:
    explicit FakeSerialPort(std::shared_ptr<FakeLine> line) : _line(std::move(line)) { _line->current = this; }
    ~FakeSerialPort() override
    {
        if (_line->current == this)
            _line->current = nullptr;
    }

    bool open(const QString&) override
    {
        _line->events << QStringLiteral("open");
        return true;
    }
    qint64 write(const char* data, qint64 size) override
    {
        if (_line->failWrite)
            return -1;
        const qint64 n = std::min<qint64>(size, _line->writeChunk);
        _line->events << QStringLiteral("write");
        _line->written.append(data, n);
        _frame.append(data, n);
        if (_frame.size() >= 64) {
            const QByteArray request = _frame.left(64);
            _frame.remove(0, 64);
            const QList<QByteArray> pieces = _line->respond ? _line->respond(request) : QList<QByteArray>();
            for (const QByteArray& piece : pieces) {
                QTimer::singleShot(0, this, [this, piece] {
                    _in.append(piece);
                    emit readyRead();
                });
            }
        }
        return n;
    }
    qint64 read(char* data, qint64 maxSize) override
    {
        if (_line->failRead)
            return -1;
        const qint64 n = std::min<qint64>(maxSize, _in.size());
        std::copy_n(_in.constData(), n, data);
        _in.remove(0, n);
        return n;
    }
    qint64 bytesAvailable() const override { return _in.size(); }
    bool waitForBytesWritten() override
    {
        _line->events << QStringLiteral("drain");
        return true;
    }
    void close() override { _line->events << QStringLiteral("close"); }
    QString errorString() const override { return QStringLiteral("fake port refused"); }

    // The adapter is pulled.
    void breakLine() { emit failed(); }

private:
    std::shared_ptr<FakeLine> _line;
    QByteArray _frame;
    QByteArray _in;
};

// An engine on a fake line.
inline std::unique_ptr<ProtocolImpl> fakeEngine(const std::shared_ptr<FakeLine>& line,
                                                const QList<int>& accepted = {1, 2, 3, 4, 5, 13, 255}, bool raw = false)
{
    auto engine = std::make_unique<ProtocolImpl>(QStringLiteral("fake"), nullptr, raw, accepted);
    engine->setPortFactory([line] { return std::make_unique<FakeSerialPort>(line); });
    return engine;
}

// A 64-byte frame with the given leading bytes.
inline QByteArray frame(std::initializer_list<int> head)
{
    QByteArray bytes(64, '\0');
    int i = 0;
    for (int b : head)
        bytes[i++] = char(b);
    return bytes;
}

// Records every progress report; answers false from report number `cancelAt` on.
struct ProgressLog : IProtocolLogCallback
{
    struct Report
    {
        unsigned done, total;
        bool finished;
        bool operator==(const Report& o) const { return done == o.done && total == o.total && finished == o.finished; }
    };
    QList<Report> reports;
    QList<QPair<unsigned, QByteArray>> records;
    int cancelAt = -1;
    std::function<void()> onProgress;

    bool progress(unsigned done, unsigned total, bool finished) override
    {
        reports.append({done, total, finished});
        if (onProgress)
            onProgress();
        return cancelAt < 0 || reports.size() < cancelAt;
    }
    void logRecord(unsigned block, const unsigned char* record) override
    {
        records.append({block, QByteArray(reinterpret_cast<const char*>(record), 8)});
    }
};

inline char* toString(const ProgressLog::Report& r)
{
    return qstrdup(QStringLiteral("(%1, %2, %3)").arg(r.done).arg(r.total).arg(r.finished).toUtf8().constData());
}
