#include "firmware/firmwareimage.h"
#include "testmain.h"

#include <QTemporaryDir>

#include <sys/stat.h>

class TestFirmwareImage : public QObject
{
    Q_OBJECT

private slots:
    // The image is taken whole and unchanged, whatever it holds. A file that cannot be an image
    // (empty, under one 64-byte block, over 1 MiB, or a configuration picked by mistake) is
    // refused by its size before a byte is read, with its name and size in the message.
    void readsTheWholeFile_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("refusal"); // empty: read
        QTest::newRow("empty") << qint64(0) << "слишком мал (0 байт, нужно не менее 64)";
        QTest::newRow("under one block") << qint64(40) << "слишком мал (40 байт, нужно не менее 64)";
        QTest::newRow("one block") << qint64(64) << QString();
        QTest::newRow("two blocks and a tail") << qint64(130) << QString();
        QTest::newRow("1 MiB") << qint64(1024 * 1024) << QString();
        QTest::newRow("over 1 MiB") << qint64(1024 * 1024 + 1) << "слишком велик (1048577 байт";
        QTest::newRow("a gigabyte") << qint64(1) * 1024 * 1024 * 1024 << "слишком велик (1073741824 байт";
        QTest::newRow("configuration") << qint64(10098) << "(10098 байт) — файл конфигурации";
        QTest::newRow("older configuration") << qint64(10066) << "(10066 байт) — файл конфигурации";
    }

    void readsTheWholeFile()
    {
        QFETCH(qint64, size);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("panel.iex"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes;
        if (size <= 2 * 1024 * 1024) {
            bytes.resize(qsizetype(size));
            for (qsizetype i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 37) ^ (i >> 8));
            QCOMPARE(file.write(bytes), size);
        } else {
            QVERIFY(file.resize(size)); // sparse
        }
        file.close();

        std::vector<unsigned char> image{1, 2, 3};
        qint64 seen = -2;
        const olma::firmware::ReadResult result = olma::firmware::readImage(path, image, &seen);
        QCOMPARE(seen, size);
        if (refusal.isEmpty()) {
            QCOMPARE(result, olma::firmware::ReadResult::Read);
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())), bytes);
            return;
        }
        QCOMPARE(result, olma::firmware::ReadResult::Refused);
        QCOMPARE(image, (std::vector<unsigned char>{1, 2, 3}));
        const QString message = olma::firmware::refusalMessage(path, seen);
        QVERIFY2(message.contains(path) && message.contains(refusal), qPrintable(message));
    }

    // A FIFO or a device is never opened: reading one would wait for ever or never end.
    void refusesWhatIsNotAFile()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo.iex"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        std::vector<unsigned char> image{1, 2, 3};
        for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
            qint64 size = 0;
            QCOMPARE(olma::firmware::readImage(path, image, &size), olma::firmware::ReadResult::Refused);
            const QString message = olma::firmware::refusalMessage(path, size);
            QVERIFY2(message.contains(path) && message.contains(QStringLiteral("не является обычным файлом")),
                     qPrintable(message));
        }
        QCOMPARE(image, (std::vector<unsigned char>{1, 2, 3}));
    }

    void nothingToRead()
    {
        QTemporaryDir dir;
        std::vector<unsigned char> image{1, 2, 3};
        const std::vector<unsigned char> before = image;
        QCOMPARE(olma::firmware::readImage(QString(), image), olma::firmware::ReadResult::NotFound);
        QCOMPARE(olma::firmware::readImage(dir.filePath(QStringLiteral("none.iex")), image),
                 olma::firmware::ReadResult::NotFound);
        QCOMPARE(olma::firmware::readImage(dir.path(), image), olma::firmware::ReadResult::NotFound);
        QCOMPARE(image, before);
    }
};

OLMA_TEST_MAIN(TestFirmwareImage)
#include "tst_firmwareimage.moc"
