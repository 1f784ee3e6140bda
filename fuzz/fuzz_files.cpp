// Any file a user can name, handed to every reader and writer of files: a regular file of any
// contents and size (large ones sparse), a FIFO, a folder, a device or nothing at all. Each
// reader accepts exactly the types and sizes it promises and takes the bytes unchanged, never
// blocks on a FIFO and never reads a file it refuses; each writer replaces only a regular file
// (or makes a new one) and leaves anything else as it was.

#include "fuzzsupport.h"

#include "common/safefile.h"
#include "config/configuration.h"
#include "config/imagemap.h"
#include "firmware/firmwareimage.h"
#include "logview/logevents.h"
#include "logview/logview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

using olma::fuzz::Input;

namespace {

enum class Kind
{
    Regular,
    Sparse, // a regular file whose size comes from the input, holding zeros
    Fifo,
    Folder,
    Device,
    Missing,
    Count,
};

struct Made
{
    QString path;
    Kind kind = Kind::Missing;
    QByteArray contents; // a regular file's bytes (a sparse one holds `size` zeros)
    qint64 size = -1;    // a regular file's size
};

// The bytes a reader took are exactly the regular file's.
bool holds(const Made& made, const QByteArray& bytes)
{
    if (made.kind == Kind::Sparse)
        return bytes.size() == made.size && bytes.count('\0') == bytes.size();
    return made.kind == Kind::Regular && bytes == made.contents;
}

// Sizes around every limit the readers know, so that the edges come up often.
qint64 sizeFrom(Input& in)
{
    static const qint64 edges[] = {0,        1,
                                   63,       64,
                                   65,       83,
                                   84,       85,
                                   10065,    10066,
                                   10067,    10097,
                                   10098,    10099,
                                   1 << 20,  (1 << 20) + 1,
                                   4 << 20,  (4 << 20) + 1,
                                   16 << 20, (16 << 20) + 1};
    const unsigned choice = in.byte();
    const qint64 edge = edges[choice % std::size(edges)];
    // Now and then an edge moved by a little.
    return choice >= 128 ? std::max<qint64>(0, edge + qint64(in.byte()) - 128) : edge;
}

Made make(const QString& path, Input& in, bool rest)
{
    Made made;
    made.path = path;
    made.kind = Kind(in.byte() % int(Kind::Count));
    switch (made.kind) {
    case Kind::Regular: {
        std::size_t taken = 0;
        const std::uint8_t* at = in.take(rest ? in.remaining() : in.word(), &taken);
        made.contents = QByteArray(reinterpret_cast<const char*>(at), qsizetype(taken));
        made.size = made.contents.size();
        QFile file(path);
        OLMA_FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(made.contents) == made.size);
        break;
    }
    case Kind::Sparse: {
        made.size = sizeFrom(in);
        QFile file(path);
        OLMA_FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.resize(made.size));
        break;
    }
    case Kind::Fifo:
        OLMA_FUZZ_CHECK(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        break;
    case Kind::Folder:
        OLMA_FUZZ_CHECK(QDir().mkdir(path));
        break;
    case Kind::Device:
        OLMA_FUZZ_CHECK(::symlink("/dev/zero", QFile::encodeName(path).constData()) == 0);
        break;
    case Kind::Missing:
    case Kind::Count:
        made.kind = Kind::Missing;
        break;
    }
    return made;
}

bool regular(const Made& made)
{
    return made.kind == Kind::Regular || made.kind == Kind::Sparse;
}

// The thing at the path is still what was made.
void unchanged(const Made& made)
{
    struct stat st
    {};
    const int result = ::stat(QFile::encodeName(made.path).constData(), &st);
    switch (made.kind) {
    case Kind::Fifo:
        OLMA_FUZZ_CHECK(result == 0 && S_ISFIFO(st.st_mode));
        break;
    case Kind::Folder:
        OLMA_FUZZ_CHECK(result == 0 && S_ISDIR(st.st_mode));
        break;
    case Kind::Device:
        OLMA_FUZZ_CHECK(result == 0 && S_ISCHR(st.st_mode));
        break;
    case Kind::Missing:
        OLMA_FUZZ_CHECK(result != 0);
        break;
    default:
        OLMA_FUZZ_CHECK(result == 0 && S_ISREG(st.st_mode) && st.st_size == made.size);
        break;
    }
}

bool configurationSize(qint64 size)
{
    return size == olma::config::kImageSize || size == olma::config::kShortImageSize;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    olma::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // In memory where the system has a folder for it: every input makes and removes files.
    static QTemporaryDir folder(
        QDir(QFileInfo(QStringLiteral("/dev/shm")).isDir() ? QStringLiteral("/dev/shm") : QDir::tempPath())
            .filePath(QStringLiteral("olma-fuzz-files-XXXXXX")));
    OLMA_FUZZ_CHECK(folder.isValid());
    // Each input starts in an empty folder: what an input made lies at the two names it uses (the
    // writer's check below sees anything else left behind).
    const QString path = folder.filePath(QStringLiteral("input.bin"));
    static const QByteArray names[] = {QFile::encodeName(path),
                                       QFile::encodeName(olma::config::Configuration::descriptionFileName(path))};
    for (const QByteArray& name : names) {
        if (::unlink(name.constData()) != 0 && errno != ENOENT)
            OLMA_FUZZ_CHECK(::rmdir(name.constData()) == 0);
    }

    Input in(data, size);
    // The configuration reader decodes the whole tree of every file it accepts, which costs more
    // than all the rest; it gets one input in 24.
    const unsigned first = in.byte();
    static const int readers[8] = {0, 2, 2, 3, 3, 3, 4, 4};
    const int reader = first % 24 == 1 ? 1 : readers[first % 8 == 1 ? 0 : first % 8];
    switch (reader) {
    case 0: { // the bounded reader itself, with bounds from the input
        const qint64 low = sizeFrom(in);
        // Reading megabytes teaches nothing the limit does not: larger files are only refused.
        const qint64 high = std::min<qint64>(sizeFrom(in), (1 << 20) + 1);
        const Made made = make(path, in, true);
        QByteArray bytes("before");
        const olma::files::ReadResult read = olma::files::readFile(path, low, high, &bytes);
        const bool fits = regular(made) && made.size >= low && made.size <= high;
        OLMA_FUZZ_CHECK(read.ok() == fits);
        OLMA_FUZZ_CHECK(fits ? holds(made, bytes) : bytes == QByteArray("before"));
        unchanged(made);
        break;
    }
    case 1: { // a configuration and the description file beside it
        const Made xml = make(olma::config::Configuration::descriptionFileName(path), in, false);
        const Made made = make(path, in, true);
        static std::vector<unsigned char> image(olma::config::kImageSize, 0);
        static olma::config::Configuration configuration(image.data(), 0);
        const std::vector<unsigned char> before = image;
        const olma::config::FileReadResult result = configuration.readFromFile(path, 0);
        const bool accepted = regular(made) && configurationSize(made.size);
        OLMA_FUZZ_CHECK((result == olma::config::FileReadResult::Loaded) == accepted);
        if (!accepted) {
            OLMA_FUZZ_CHECK(image == before);
        } else {
            // A description file that is not a regular file, or is over 4 MiB, is passed over with a word.
            const bool passedOver = xml.kind != Kind::Missing && (!regular(xml) || xml.size > (4 << 20));
            OLMA_FUZZ_CHECK(configuration.descriptionWarning().isEmpty() != passedOver);
        }
        unchanged(made);
        unchanged(xml);
        break;
    }
    case 2: { // a log file
        const Made made = make(path, in, true);
        // A large log that is accepted is decoded record by record, which takes the viewer's
        // time and teaches the reader nothing; the limit itself is still met at 16 MiB + 1.
        if (made.kind == Kind::Sparse && made.size > (4 << 10) && made.size <= (16 << 20))
            break;
        olma::logview::LogView log;
        log.setLogContent(std::vector<unsigned char>(8, 0x11));
        const olma::logview::LogOutcome outcome = log.loadLogFile(path);
        const bool accepted = regular(made) && made.size <= (16 << 20);
        OLMA_FUZZ_CHECK(outcome.done == accepted);
        const auto& raw = log.logEvents()->rawLog();
        const QByteArray held(reinterpret_cast<const char*>(raw.data()), qsizetype(raw.size()));
        OLMA_FUZZ_CHECK(accepted ? holds(made, held) : held == QByteArray(8, 0x11));
        unchanged(made);
        break;
    }
    case 3: { // a firmware image
        const Made made = make(path, in, true);
        std::vector<unsigned char> bytes{1, 2, 3};
        qint64 seen = -2;
        const olma::firmware::ReadResult result = olma::firmware::readImage(path, bytes, &seen);
        const bool accepted = regular(made) && made.size >= olma::firmware::kMinImageSize &&
                              made.size <= olma::firmware::kMaxImageSize && !configurationSize(made.size);
        OLMA_FUZZ_CHECK((result == olma::firmware::ReadResult::Read) == accepted);
        if (accepted)
            OLMA_FUZZ_CHECK(
                holds(made, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))));
        else
            OLMA_FUZZ_CHECK(bytes == (std::vector<unsigned char>{1, 2, 3}));
        if (result == olma::firmware::ReadResult::Refused)
            OLMA_FUZZ_CHECK(olma::firmware::refusalMessage(path, seen).contains(path));
        unchanged(made);
        break;
    }
    default: { // the writer over whatever is there
        Made made = make(path, in, false);
        std::size_t taken = 0;
        const std::uint8_t* at = in.take(in.remaining(), &taken);
        const QByteArray next(reinterpret_cast<const char*>(at), qsizetype(taken));
        QString reason;
        const bool written = olma::files::writeFile(path, next, &reason);
        const bool replaceable = regular(made) || made.kind == Kind::Missing;
        OLMA_FUZZ_CHECK(written == replaceable);
        OLMA_FUZZ_CHECK(written == reason.isEmpty());
        if (written) {
            QFile file(path);
            OLMA_FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == next);
        } else {
            unchanged(made);
        }
        // Nothing is left beside the target.
        OLMA_FUZZ_CHECK(QDir(folder.path())
                            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                            .size() == (made.kind == Kind::Missing && !written ? 0 : 1));
        break;
    }
    }
    return 0;
}
