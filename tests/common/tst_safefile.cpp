// Replacing and reading files a user names: a write that fails at any step leaves the previous
// file byte for byte, takes its temporary with it and says why; a target that is not a regular
// file is never replaced; a read checks type and size before it opens anything.

#include "fullfilesystem.h"
#include "testmain.h"

#include "common/safefile.h"

#include <QFileInfo>

#include <QTemporaryDir>
#include <optional>

#include <sys/stat.h>

using olma::files::ReadStatus;

namespace {

QByteArray pattern(int size, char seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7 + (i >> 8));
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A path in `dir` named `name` that is a "folder", a "fifo", or a device path as it is; else
// nothing made there.
QString makeNode(const QTemporaryDir& dir, const QString& kind, const QString& name)
{
    if (kind.startsWith(QLatin1Char('/')))
        return kind;
    const QString path = dir.filePath(name);
    if (kind == QLatin1String("folder"))
        QDir(dir.path()).mkdir(name);
    else if (kind == QLatin1String("fifo"))
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
    return path;
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void failedWriteKeepsThePreviousFile_data()
    {
        QTest::addColumn<bool>("tmpfs");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QString>("reason");
        // Under 16 KiB the bytes wait in the write buffer and the disk says no at the flush;
        // larger writes fail on their way.
        QTest::newRow("size limit, fits") << false << 1000 << true << QString();
        QTest::newRow("size limit, fails at the flush") << false << 4096 << false << "File too large";
        QTest::newRow("size limit, fails while writing") << false << 100000 << false << "File too large";
        QTest::newRow("full tmpfs, fails at the flush") << true << 4096 << false << "No space left on device";
        QTest::newRow("full tmpfs, fails while writing") << true << 100000 << false << "No space left on device";
    }

    void failedWriteKeepsThePreviousFile()
    {
        QFETCH(bool, tmpfs);
        QFETCH(int, size);
        QFETCH(bool, fits);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        filetest::SmallFileSystem small;
        if (tmpfs && !small.mounted())
            QSKIP("mounting a small tmpfs needs root");
        const QString folder = tmpfs ? small.path() : dir.path();
        const QString path = folder + QStringLiteral("/target.bin");
        const QByteArray previous = pattern(3000, 'p');
        QVERIFY(put(path, previous));
        if (tmpfs)
            QVERIFY(small.fill());

        const QByteArray next = pattern(size, 'n');
        bool written = false;
        QString message;
        {
            std::optional<filetest::FileSizeLimit> limit;
            if (!tmpfs)
                limit.emplace(2048);
            written = olma::files::writeFile(path, next, &message);
        }

        QCOMPARE(written, fits);
        QCOMPARE(readAll(path), fits ? next : previous);
        QVERIFY2(message.contains(reason), qPrintable(message));
        // No temporary is left beside the file.
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral(".filler"));
        QCOMPARE(names, QStringList{QStringLiteral("target.bin")});
    }

    void nonRegularTargetsAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("device") << "/dev/null";
    }

    void nonRegularTargetsAreRefused()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = makeNode(dir, kind, kind);

        QString message;
        QVERIFY(!olma::files::writeFile(path, "bytes", &message));
        QVERIFY2(message.contains(kind == QLatin1String("folder") ? "folder" : "not a regular file"),
                 qPrintable(message));
        struct stat st
        {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        // Still what it was.
        QCOMPARE(st.st_mode & S_IFMT, kind == QLatin1String("folder") ? S_IFDIR
                                      : kind == QLatin1String("fifo") ? S_IFIFO
                                                                      : S_IFCHR);
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden).size(),
            kind.startsWith(QLatin1Char('/')) ? 0 : 1);
    }

    void boundedRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("status");
        const qint64 none = -1;
        QTest::newRow("missing") << "missing" << none << int(ReadStatus::Missing);
        QTest::newRow("folder") << "folder" << none << int(ReadStatus::NotRegular);
        // A FIFO would block the open until a writer came (a device might never end).
        QTest::newRow("fifo") << "fifo" << none << int(ReadStatus::NotRegular);
        QTest::newRow("too short") << "file" << qint64(9) << int(ReadStatus::WrongSize);
        QTest::newRow("shortest") << "file" << qint64(10) << int(ReadStatus::Read);
        QTest::newRow("longest") << "file" << qint64(100) << int(ReadStatus::Read);
        QTest::newRow("too long") << "file" << qint64(101) << int(ReadStatus::WrongSize);
        // Sparse: refused by its size without a byte read.
        QTest::newRow("a gigabyte") << "file" << (qint64(1) << 30) << int(ReadStatus::WrongSize);
    }

    void boundedRead()
    {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = makeNode(dir, kind, QStringLiteral("input"));
        const QByteArray contents = pattern(int(std::min<qint64>(std::max<qint64>(size, 0), 1000)), 'r');
        if (kind == QLatin1String("file")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (size <= contents.size())
                QCOMPARE(file.write(contents), size);
            else
                QVERIFY(file.resize(size));
        }

        QByteArray bytes("untouched");
        const olma::files::ReadResult read = olma::files::readFile(path, 10, 100, &bytes);
        QCOMPARE(int(read.status), status);
        if (kind == QLatin1String("file"))
            QCOMPARE(read.size, size);
        QCOMPARE(bytes, read.ok() ? contents : QByteArray("untouched"));
    }

    // The kernel's files say they are empty and hold bytes, like a file that grew after it was
    // looked at: read on to the limit, and refused past it.
    void boundedReadOfAFileLargerThanItSays()
    {
        const QString path = QStringLiteral("/proc/self/cmdline");
        if (QFileInfo(path).size() != 0)
            QSKIP("no kernel file that says it is empty");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        QVERIFY(contents.size() > 3);

        QByteArray bytes;
        QCOMPARE(int(olma::files::readFile(path, 0, 4096, &bytes).status), int(ReadStatus::Read));
        QCOMPARE(bytes, contents);
        bytes = "untouched";
        const olma::files::ReadResult tooLarge = olma::files::readFile(path, 0, 3, &bytes);
        QCOMPARE(int(tooLarge.status), int(ReadStatus::WrongSize));
        QCOMPARE(tooLarge.size, qint64(4));
        QCOMPARE(bytes, QByteArray("untouched"));
    }
};

OLMA_TEST_MAIN(TestSafeFile)
#include "tst_safefile.moc"
