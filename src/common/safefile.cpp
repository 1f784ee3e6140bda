#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <sys/stat.h>

namespace olma::files {
namespace {

const QString kNotRegular = QStringLiteral("not a regular file");
const QString kWriteFailed = QStringLiteral("write failed");
constexpr qsizetype kBufferSize = 64 * 1024;

// What a file device reports, or a plain word when it reports nothing.
QString reasonOf(const QFileDevice& file, const QString& fallback)
{
    const QString text = file.errorString();
    return file.error() == QFileDevice::NoError || text.isEmpty() ? fallback : text;
}

} // namespace

QString refusedTarget(const QString& path)
{
    // Only a target known to be something else than a file is refused. stat() follows links (a
    // dangling link is written through like a missing file), and a target it cannot see (a
    // folder on the way the user may not enter) is left to the opening, which names the reason.
    struct stat target = {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0 || S_ISREG(target.st_mode))
        return QString();
    return S_ISDIR(target.st_mode) ? QStringLiteral("is a folder") : kNotRegular;
}

SafeWriter::SafeWriter(const QString& path) : _path(path), _file(path) {}

SafeWriter::~SafeWriter()
{
    if (!_done)
        cancel();
}

bool SafeWriter::fail(const QString& reason)
{
    if (!_failed) {
        _failed = true;
        _error = reason;
    }
    cancel();
    return false;
}

bool SafeWriter::open()
{
    const QString refused = refusedTarget(_path);
    if (!refused.isEmpty())
        return fail(refused);
    // Unbuffered: the writer keeps its own buffer and pushes it with a loop that sees the
    // system's answer to every write, so a short write is followed by the one that says why.
    if (!_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(reasonOf(_file, QStringLiteral("cannot create")));
    return true;
}

bool SafeWriter::write(const QByteArray& bytes)
{
    return write(bytes.constData(), bytes.size());
}

bool SafeWriter::write(const char* data, qint64 size)
{
    if (_failed || !_file.isOpen())
        return fail(kWriteFailed);
    if (size > 0)
        _pending.append(data, qsizetype(size));
    return _pending.size() < kBufferSize || push();
}

bool SafeWriter::push()
{
    const char* data = _pending.constData();
    qint64 left = _pending.size();
    while (left > 0) {
        // A short count means the disk took part of it; the next call returns the error.
        const qint64 n = _file.write(data, left);
        if (n <= 0)
            return fail(reasonOf(_file, kWriteFailed));
        data += n;
        left -= n;
    }
    _pending.clear();
    return true;
}

bool SafeWriter::flush()
{
    if (_failed || !_file.isOpen())
        return fail(kWriteFailed);
    if (!push())
        return false;
    if (!_file.flush() || _file.error() != QFileDevice::NoError)
        return fail(reasonOf(_file, kWriteFailed));
    return true;
}

bool SafeWriter::commit()
{
    if (!flush())
        return false;
    if (!_file.commit()) {
        _done = true;
        _failed = true;
        _error = reasonOf(_file, QStringLiteral("cannot replace the file"));
        return false;
    }
    _done = true;
    return true;
}

void SafeWriter::cancel()
{
    if (_done)
        return;
    _done = true;
    if (_file.isOpen()) {
        // The temporary goes; the target is never touched.
        _file.cancelWriting();
        _file.commit();
    }
}

QString withReason(const QString& message, const QString& reason)
{
    return reason.isEmpty() ? message : message + QStringLiteral(" (") + reason + QLatin1Char(')');
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    SafeWriter writer(path);
    if (writer.open() && writer.write(bytes) && writer.commit())
        return true;
    if (reason)
        *reason = writer.errorString();
    return false;
}

ReadResult readFile(const QString& path, qint64 minSize, qint64 maxSize, QByteArray* bytes)
{
    ReadResult result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return result;
    if (!info.isFile()) {
        result.status = ReadStatus::NotRegular;
        return result;
    }
    result.size = info.size();
    if (result.size < minSize || result.size > maxSize) {
        result.status = ReadStatus::WrongSize;
        return result;
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::Unreadable;
        result.reason = file.errorString();
        return result;
    }
    // The size looked at and one byte more; a file that grew since is read on, to one byte more
    // than allowed, which tells it is too large. (Asking for the limit at once would allocate the
    // whole limit for every file.)
    QByteArray read = file.read(std::min(result.size, maxSize) + 1);
    if (file.error() == QFileDevice::NoError && read.size() > result.size && read.size() <= maxSize)
        read += file.read(maxSize + 1 - read.size());
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadStatus::Unreadable;
        result.reason = file.errorString();
        return result;
    }
    result.size = read.size();
    if (result.size < minSize || result.size > maxSize) {
        result.status = ReadStatus::WrongSize;
        return result;
    }
    *bytes = std::move(read);
    result.status = ReadStatus::Read;
    return result;
}

} // namespace olma::files
