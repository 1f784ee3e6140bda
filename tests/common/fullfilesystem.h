#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// Two ways for a test to run out of disk: a file-size limit on this process, which needs no
// privileges (a write past it fails with "File too large" just as a full disk fails with "No
// space left on device", at the same place: the flush of the buffered bytes), and a real 64 KiB
// tmpfs filled to the brim, which needs root (the suite runs as root in CI).
namespace filetest {

// While it lives, no file of this process grows past `bytes`.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        // Past the limit the kernel sends SIGXFSZ, which would end the test; ignored, the write fails.
        _handler = std::signal(SIGXFSZ, SIG_IGN);
        if (::getrlimit(RLIMIT_FSIZE, &_old) != 0)
            return;
        rlimit limit = _old;
        limit.rlim_cur = bytes;
        _active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (_active)
            ::setrlimit(RLIMIT_FSIZE, &_old);
        std::signal(SIGXFSZ, _handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return _active; }

private:
    rlimit _old{};
    void (*_handler)(int) = SIG_DFL;
    bool _active = false;
};

// A 64 KiB tmpfs mounted on a temporary folder, unmounted when the object goes.
class SmallFileSystem
{
public:
    SmallFileSystem()
    {
        if (::geteuid() == 0 && _dir.isValid())
            _mounted = ::mount("tmpfs", QFile::encodeName(_dir.path()).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem()
    {
        if (_mounted)
            ::umount2(QFile::encodeName(_dir.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return _mounted; }
    QString path() const { return _dir.path(); }
    QString filePath(const QString& name) const { return _dir.filePath(name); }

    // Takes every free block with a filler file; true when the file system is then full.
    bool fill() const
    {
        const int fd = ::open(QFile::encodeName(filePath(QStringLiteral(".filler"))).constData(),
                              O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        const char block[512] = {};
        bool full = false;
        for (int i = 0; i < 100000 && !full; ++i)
            full = ::write(fd, block, sizeof block) < 0 && errno == ENOSPC;
        ::close(fd);
        return full;
    }
    // The files a test left, without the filler.
    QStringList files() const
    {
        QStringList names = QDir(_dir.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    }

private:
    QTemporaryDir _dir;
    bool _mounted = false;
};

} // namespace filetest
