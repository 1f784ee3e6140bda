#include "common/cp1251.h"
#include "testmain.h"

class TestCp1251 : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesARoundTrip()
    {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QCOMPARE(olma::cp1251::encode(olma::cp1251::decode(all)), all);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(olma::cp1251::encodeChar(olma::cp1251::decodeByte(uchar(i))), uchar(i));
    }

    void cyrillicText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zone") << QStringLiteral("Зона: 5") << QByteArray("\xc7\xee\xed\xe0\x3a\x20\x35");
        QTest::newRow("capitals") << QStringLiteral("АЯ") << QByteArray("\xc0\xdf");
        QTest::newRow("yo and numero") << QStringLiteral("Ёё№") << QByteArray("\xa8\xb8\xb9");
        QTest::newRow("no code in the page") << QStringLiteral("a\u4e2db") << QByteArray("a?b");
    }

    void cyrillicText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(olma::cp1251::encode(text), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(olma::cp1251::decode(bytes), text);
    }
};

OLMA_TEST_MAIN(TestCp1251)
#include "tst_cp1251.moc"
