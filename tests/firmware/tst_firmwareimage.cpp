#include "firmware/firmwareimage.h"
#include "testmain.h"

#include <QTemporaryDir>

class TestFirmwareImage : public QObject
{
    Q_OBJECT

private slots:
    // The image is taken whole and unchanged, whatever it holds; only a file that is there counts.
    void readsTheWholeFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("under one chunk") << 40;
        QTest::newRow("two chunks and a tail") << 130;
        QTest::newRow("large") << 300000;
    }

    void readsTheWholeFile()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 37) ^ (i >> 8));
        const QString path = dir.filePath(QStringLiteral("panel.iex"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(size));
        file.close();

        std::vector<unsigned char> image{1, 2, 3};
        QCOMPARE(olma::firmware::readImage(path, image), olma::firmware::ReadResult::Read);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())), bytes);
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
