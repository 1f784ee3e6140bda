#include "../common/fullfilesystem.h"
#include "common/cp1251.h"
#include "common/devicetype.h"
#include "config/configuration.h"
#include "config/content.h"
#include "config/params.h"
#include "config/programm/programms.h"
#include "config/tails.h"
#include "config/users.h"
#include "imagebytes.h"
#include "programm/programmbytes.h"
#include "refeed.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace olma::config;

namespace {

QByteArray toBytes(const imagebytes::Image& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Root may write anywhere; while this lives, file access is checked as for an ordinary user.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser()
    {
        if (geteuid() != 0)
            return;
        setfsgid(kNobody);
        setfsuid(kNobody);
        _switched = true;
    }
    ~AsOrdinaryUser()
    {
        if (!_switched)
            return;
        setfsuid(0);
        setfsgid(0);
    }

private:
    static constexpr int kNobody = 65534;
    bool _switched = false;
};

constexpr int kMessage1 = 14;
constexpr int kMessage2 = 30;
constexpr int kUsers = 58;

// Takes out of a random image the few patterns that do not survive decoding and re-encoding;
// each is checked by the node tests of its field.
void removeLossyPatterns(imagebytes::Image& image, quint32 seed)
{
    QRandomGenerator generator(seed);
    // Messages: ten characters a panel shows, then the padding the setters write.
    static const QByteArray shown =
        QByteArray(" !\"#$%&'()*+,-./0123456789:;<=>?") +
        QByteArray::fromHex("c0c1c2c3c4c5c6c7c8c9cacbcccdcecfd0d1d2d3d4d5d6d7d8d9dadbdcdddedf");
    for (int offset : {kMessage1, kMessage2}) {
        for (int i = 0; i < 10; ++i)
            image[size_t(offset + i)] = uchar(shown.at(generator.bounded(int(shown.size()))));
        for (int i = 10; i < 16; ++i)
            image[size_t(offset + i)] = ' ';
    }
    // Re-arming times have nine bits.
    image[3] &= 1;
    image[5] &= 1;
    for (int user = 0; user < kUserCount; ++user) {
        unsigned char* record = image.data() + kUsers + kUserRecordSize * user;
        // A zero first byte means "no password" whatever follows.
        if (record[0] == 0)
            record[0] = 0x10;
        // A key whose last six bytes are zero reads as "never set".
        if (std::all_of(record + 9, record + 15, [](unsigned char b) { return b == 0; }))
            record[9] = 0x01;
    }
}

} // namespace

class TestConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void blockTable()
    {
        auto image = imagebytes::filled(0);
        Configuration configuration(image.data(), 0);
        std::vector<unsigned char> copy;
        std::vector<BlockRecord> table;
        configuration.blocks(copy, table);
        QCOMPARE(copy, image);
        QCOMPARE(int(table.size()), 372);

        // Group 0; group 1; users 0..254; group 3; programs 0..113: contiguous up to byte 10098.
        QList<std::array<int, 4>> expected;
        expected.append({0, 0, 0, 46});
        expected.append({46, 1, 0, 12});
        for (int i = 0; i < 255; ++i)
            expected.append({58 + 16 * i, 2, i, 16});
        expected.append({4138, 3, 0, 32});
        for (int i = 0; i < 114; ++i)
            expected.append({4170 + 52 * i, 4, i, 52});
        for (int i = 0; i < 372; ++i) {
            const BlockRecord& r = table[size_t(i)];
            QCOMPARE((std::array<int, 4>{r.offset, r.group, r.index, r.size}), expected.at(i));
        }
    }

    void newRootWritesFactoryDefaults()
    {
        auto image = imagebytes::filled(0xFF);
        Configuration configuration(image.data(), 0);

        auto expected = imagebytes::filled(0xFF);
        for (size_t i = 0; i < 8; ++i) // timers, re-arming and sound times
            expected[i] = 0;
        expected[12] = 0xFE;                // no clock synchronisation
        for (int offset : {46, 48, 50, 56}) // 4 keyboards, relay, indication, power blocks
            expected[size_t(offset)] = 0xF0;
        expected[52] = expected[53] = 0x00; // 16 arming devices
        expected[54] = 0x00;                // 8 output blocks
        for (int user = 0; user < 255; ++user) {
            expected[size_t(58 + 16 * user + 4)] = 0; // no loop access
            expected[size_t(58 + 16 * user + 5)] = 0;
            expected[size_t(58 + 16 * user + 6)] = 0xF0; // no rights
        }
        // Loops keep their bytes. Every program of the 4-loop panel is off, automatic, without
        // delay or time limit and without triggers; the bits that belong to no field, the loops and
        // ИП outputs the model lacks and the programs of ИП 3..8 keep theirs.
        for (int index = 0; index < 114; ++index) {
            if (index < 12 || index >= 18)
                programmbytes::resetRecord(expected, index, 4, 2);
        }
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
        QCOMPARE(int(image[size_t(programmbytes::recordOffset(0))]), 0xFC);
        QCOMPARE(int(image[size_t(programmbytes::recordOffset(12))]), 0xFF);
    }

    void readingFiles_data()
    {
        QTest::addColumn<int>("size"); // -1: no file
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        const QString wrongSize = QStringLiteral("Файл конфигурации: \"conf.bin\" имеет неправильный размер!");
        QTest::newRow("full image") << 10098 << int(FileReadResult::Loaded) << QString();
        QTest::newRow("older layout") << 10066 << int(FileReadResult::Loaded) << QString();
        QTest::newRow("one byte short") << 10097 << int(FileReadResult::WrongSize) << wrongSize;
        QTest::newRow("one byte long") << 10099 << int(FileReadResult::WrongSize) << wrongSize;
        QTest::newRow("empty") << 0 << int(FileReadResult::WrongSize) << wrongSize;
        QTest::newRow("missing") << -1 << int(FileReadResult::NotFound)
                                 << QStringLiteral("Файл конфигурации: \"conf.bin\" не наден!");
    }

    void readingFiles()
    {
        QFETCH(int, size);
        QFETCH(int, result);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("conf.bin"));
        const auto file = imagebytes::random(5);
        if (size >= 0)
            writeFile(path, (toBytes(file) + QByteArray(1, '\x5a')).left(size));

        auto image = imagebytes::random(6);
        Configuration configuration(image.data(), 0);
        configuration.setImage(image.data());
        const auto before = image;

        const FileReadResult got = configuration.readFromFile(path, 2);
        QCOMPARE(int(got), result);
        QCOMPARE(fileReadMessage(got, QStringLiteral("conf.bin")), message);
        if (got != FileReadResult::Loaded) {
            QCOMPARE(image, before);
            QCOMPARE(configuration.deviceType(), 0);
            return;
        }
        auto expected = file;
        if (size == 10066) {
            // No user messages in the older layout, and nothing after its end.
            for (size_t i = 14; i < 46; ++i)
                expected[i] = 0;
            for (size_t i = 10066; i < expected.size(); ++i)
                expected[i] = 0;
        }
        QCOMPARE(image, expected);
        QCOMPARE(configuration.deviceType(), 2);
        QCOMPARE(configuration.tails()->count(), 16);
        if (size == 10066) {
            QVERIFY(configuration.params()->message1().isEmpty());
            QVERIFY(configuration.params()->message2().isEmpty());
        }
    }

    void descriptionsSurviveSaveAndLoad()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("объект.bin"));
        auto image = imagebytes::random(11);
        Configuration saved(image.data(), 1);
        saved.setImage(image.data());
        saved.users()->user(4)->setDescription(QStringLiteral("Иванов И.И.\nсмена 2"));
        saved.tails()->tail(7)->setDescription(QStringLiteral("Склад «Север»"));
        saved.content()->group(BlockGroup::Keyboards)->setBlockDescription(1, QStringLiteral("Пост охраны"));

        QVERIFY(saved.saveToFile(path));
        QCOMPARE(readAll(path), toBytes(image));
        const QByteArray xml = readAll(path + ".xml");
        QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        QVERIFY(xml.contains(QStringLiteral("Склад «Север»").toUtf8()));

        auto other = imagebytes::filled(0);
        Configuration loaded(other.data(), 0);
        QCOMPARE(loaded.readFromFile(path, 1), FileReadResult::Loaded);
        QCOMPARE(loaded.users()->user(4)->description(), QStringLiteral("Иванов И.И.\nсмена 2"));
        QCOMPARE(loaded.tails()->tail(7)->description(), QStringLiteral("Склад «Север»"));
        QCOMPARE(loaded.content()->group(BlockGroup::Keyboards)->blockDescription(1), QStringLiteral("Пост охраны"));
        QCOMPARE(loaded.users()->user(5)->description(), QString());

        // Saving what was loaded gives the same file again.
        const QString again = dir.filePath(QStringLiteral("again.bin"));
        QVERIFY(loaded.saveToFile(again));
        QCOMPARE(readAll(again), readAll(path));
    }

    void failedSaveKeepsPreviousFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ReadOther | QFile::ExeOther));
        auto image = imagebytes::random(21);
        Configuration configuration(image.data(), 0);
        configuration.setImage(image.data());

        // A folder the user may not write into.
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        const QString path = locked + "/conf.bin";
        writeFile(path, "previous");
        writeFile(path + ".xml", "<configuration/>");
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        QString reason;
        {
            AsOrdinaryUser user;
            QVERIFY(!configuration.saveToFile(path, &reason));
        }
        QVERIFY2(reason.contains(path) && reason.contains(QLatin1String("Permission denied")), qPrintable(reason));
        QCOMPARE(readAll(path), QByteArray("previous"));
        QCOMPARE(readAll(path + ".xml"), QByteArray("<configuration/>"));
        QCOMPARE(QDir(locked).entryList(QDir::Files).size(), 2);

        // A description file that cannot be written keeps the binary file as it was.
        const QString second = dir.filePath(QStringLiteral("second.bin"));
        writeFile(second, "previous");
        QVERIFY(QDir().mkdir(second + ".xml"));
        QVERIFY(!configuration.saveToFile(second, &reason));
        QVERIFY2(reason.contains(second + ".xml") && reason.contains(QLatin1String("folder")), qPrintable(reason));
        QCOMPARE(readAll(second), QByteArray("previous"));
        QVERIFY(QFileInfo(second + ".xml").isDir());

        // A folder on the way that the user may not enter: the system's reason, not a wrong guess
        // at what the file is.
        const QString closed = dir.filePath(QStringLiteral("closed"));
        QVERIFY(QDir().mkdir(closed));
        writeFile(closed + "/conf.bin", "previous");
        QVERIFY(QFile::setPermissions(closed, {}));
        {
            AsOrdinaryUser user;
            QVERIFY(!configuration.saveToFile(closed + "/conf.bin", &reason));
        }
        QVERIFY(QFile::setPermissions(closed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY2(reason.contains(QLatin1String("Permission denied")), qPrintable(reason));
        QCOMPARE(readAll(closed + "/conf.bin"), QByteArray("previous"));
    }

    // A full disk shows only when the buffered bytes are flushed. Whichever of the pair meets it,
    // both previous files stay byte for byte and no temporary is left.
    void fullDiskKeepsBothPreviousFiles_data()
    {
        QTest::addColumn<bool>("tmpfs");
        QTest::addColumn<bool>("imageFails");
        QTest::addColumn<QString>("reason");
        QTest::newRow("size limit, the image") << false << true << "File too large";
        QTest::newRow("size limit, the descriptions") << false << false << "File too large";
        QTest::newRow("full tmpfs") << true << true << "No space left on device";
    }

    void fullDiskKeepsBothPreviousFiles()
    {
        QFETCH(bool, tmpfs);
        QFETCH(bool, imageFails);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        filetest::SmallFileSystem small;
        if (tmpfs && !small.mounted())
            QSKIP("mounting a small tmpfs needs root");
        const QString folder = tmpfs ? small.path() : dir.path();
        const QString path = folder + QStringLiteral("/conf.bin");
        writeFile(path, "previous image");
        writeFile(path + ".xml", "<configuration/>");

        auto image = imagebytes::random(31);
        Configuration configuration(image.data(), 2);
        configuration.setImage(image.data());
        // Descriptions enough to make the description file larger than the image.
        for (int i = 0; i < 16; ++i)
            configuration.tails()->tail(i)->setDescription(QString(400, QChar(u'ш')));
        if (tmpfs)
            QVERIFY(small.fill());

        bool saved = true;
        QString message;
        {
            filetest::FileSizeLimit limit(imageFails ? 4096 : kImageSize + 100);
            if (!tmpfs)
                QVERIFY(limit.active());
            saved = configuration.saveToFile(path, &message);
        }
        QVERIFY(!saved);
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(message.startsWith(imageFails ? path + ": " : path + ".xml: "), qPrintable(message));
        QCOMPARE(readAll(path), QByteArray("previous image"));
        QCOMPARE(readAll(path + ".xml"), QByteArray("<configuration/>"));
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral(".filler"));
        QCOMPARE(names, QStringList({"conf.bin", "conf.bin.xml"}));
    }

    // A description file the program did not write: the image loads whatever it is, and a file
    // that cannot be a description (a FIFO would block for ever, a huge file would fill the
    // memory, a deep nest would keep the document model busy for minutes, tens of thousands of
    // elements would keep every node searching) is passed over.
    void untrustedDescriptionFiles_data()
    {
        QTest::addColumn<QString>("kind"); // empty: a file holding `content`
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("read"); // loop 3's description found
        QTest::addColumn<QString>("warning");
        const QByteArray described = "<configuration><tail id=\"3\"><description>Склад</description></tail>";
        const QByteArray end = "</configuration>";
        QTest::newRow("fifo") << "fifo" << QByteArray() << false << "не является обычным файлом";
        QTest::newRow("folder") << "folder" << QByteArray() << false << "не является обычным файлом";
        QTest::newRow("over 4 MiB") << "huge" << QByteArray() << false << "слишком велик (4194305 байт";
        QTest::newRow("nested 1.4 MB deep")
            << "" << described + QByteArray("<a>").repeated(350000) + QByteArray("</a>").repeated(350000) + end << false
            << QString();
        QTest::newRow("malformed") << "" << described + "<tail>" << false << QString();
        // Every node looks through every element: far more than the program ever writes is refused.
        QTest::newRow("5000 elements") << "" << described + QByteArray("<tail id=\"1\"/>").repeated(5000) + end << false
                                       << QString();
        // Read as given, written back as "<?x~ ?>", which no parser takes: the file would be lost.
        QTest::newRow("odd processing instruction") << ""
                                                    << "<?x~?>" + described + end << false << QString();
        // Flat and as large as is accepted: read, and the description found.
        QByteArray large = described + "<tail id=\"900\"><description>";
        large += QByteArray(4 * 1024 * 1024 - large.size() - 40, 'x') + "</description></tail>" + end;
        QTest::newRow("just 4 MiB, well formed") << "" << large << true << QString();
    }

    void untrustedDescriptionFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(bool, read);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("X.bin"));
        const QString xml = path + ".xml";
        const auto file = imagebytes::random(41);
        writeFile(path, toBytes(file));
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(xml).constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(xml));
        } else if (kind == QLatin1String("huge")) {
            QFile f(xml);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(4 * 1024 * 1024 + 1));
        } else {
            writeFile(xml, content);
        }

        auto image = imagebytes::filled(0);
        Configuration configuration(image.data(), 2);
        configuration.tails()->tail(5)->setDescription(QStringLiteral("before"));
        QCOMPARE(configuration.readFromFile(path, 2), FileReadResult::Loaded);
        QCOMPARE(image, file);
        QCOMPARE(configuration.tails()->tail(5)->description(), QString());
        QCOMPARE(configuration.tails()->tail(3)->description(), read ? QStringLiteral("Склад") : QString());
        if (warning.isEmpty())
            QCOMPARE(configuration.descriptionWarning(), QString());
        else
            QVERIFY2(configuration.descriptionWarning().contains(warning) &&
                         configuration.descriptionWarning().contains(xml),
                     qPrintable(configuration.descriptionWarning()));
    }

    void everySetterKeepsTheImage_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<quint32>("seed");
        for (int model : {0, 1, 2}) {
            for (quint32 seed : {1u, 2u, 3u, 4u})
                QTest::addRow("model %d, seed %u", model, seed) << model << seed;
        }
    }

    void everySetterKeepsTheImage()
    {
        QFETCH(int, model);
        QFETCH(quint32, seed);
        auto image = imagebytes::random(seed);
        removeLossyPatterns(image, seed);

        // Decoded as after reading a file: the defaults a new configuration writes are replaced.
        auto buffer = imagebytes::filled(0);
        Configuration configuration(buffer.data(), model);
        buffer = image;
        configuration.setImage(buffer.data());
        const int n = model == 0 ? 108 : model == 1 ? 110 : 114; // programs
        const int loops = olma::loopCount(model);
        const QMap<QString, int> fed = {
            {"Params", 1},         {"BlockGroup", 6},         {"User", 255},  {"Tail", loops}, {"Programm", n},
            {"ProgrammParams", n}, {"TailState", n * loops},  {"PCState", n}, {"KVOState", n}, {"BKVState", n * 8},
            {"BPState", n * 4},    {"ProgrammDescription", n}};
        QCOMPARE(refeedTree(&configuration), fed);
        QCOMPARE(imagebytes::changed(image, buffer), QList<int>());
    }
};

OLMA_TEST_MAIN(TestConfiguration)
#include "tst_configuration.moc"
