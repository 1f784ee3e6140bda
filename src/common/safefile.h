#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// Writing files so that a failure never leaves a partial file in place of the old one, and
// reading files a user hands in without trusting their type or size.
namespace olma::files {

// Why a path cannot be written over: it exists and is not a regular file (a folder, a device,
// a FIFO, a socket). Empty when the path may be written.
QString refusedTarget(const QString& path);

// Replaces a file only when the whole new content is on disk. The bytes go to a temporary file
// beside the target; commit() flushes and checks the flush before renaming, because a short
// file's bytes sit in the write buffer until then and a full disk shows only at that flush
// (QSaveFile::commit() alone would rename a file cut short and report success).
// Any failure removes the temporary and leaves the previous file byte for byte as it was.
class SafeWriter
{
    Q_DISABLE_COPY(SafeWriter)

public:
    explicit SafeWriter(const QString& path);
    ~SafeWriter();

    // Refuses a target that is not a regular file, then opens the temporary.
    bool open();
    bool write(const QByteArray& bytes);
    bool write(const char* data, qint64 size);
    // Pushes everything written so far to the file system; false (and cancelled) on failure.
    // A pair of files flushes both before either is committed.
    bool flush();
    // flush(), then the rename over the target.
    bool commit();
    void cancel();

    QString fileName() const { return _path; }
    // The system's reason for the first failure ("No space left on device"...).
    QString errorString() const { return _error; }
    bool failed() const { return _failed; }

private:
    bool fail(const QString& reason);
    // Hands the buffered bytes to the file system.
    bool push();

    QString _path;
    QSaveFile _file;
    QByteArray _pending;
    QString _error;
    bool _failed = false;
    bool _done = false;
};

// A command's failure message followed by the system's reason in brackets, when there is one.
QString withReason(const QString& message, const QString& reason);

// Writes `bytes` as the whole new content of `path`; on failure `reason` says why.
bool writeFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// How a bounded read ended.
enum class ReadStatus
{
    Read,
    Missing,    // no such file
    NotRegular, // a folder, device, FIFO or socket: never opened
    WrongSize,  // outside the accepted sizes: never read
    Unreadable, // could not be opened or read whole
};

struct ReadResult
{
    ReadStatus status = ReadStatus::Missing;
    qint64 size = -1; // the file's size when it is a regular file
    QString reason;   // the system's reason when Unreadable
    bool ok() const { return status == ReadStatus::Read; }
};

// Reads a whole regular file of `minSize` to `maxSize` bytes. The type and size are checked
// before the file is opened, so a FIFO cannot block and a huge file is not read at all.
// `bytes` changes only when the whole file was read.
ReadResult readFile(const QString& path, qint64 minSize, qint64 maxSize, QByteArray* bytes);

} // namespace olma::files
