#include "config/configitem.h"
#include "config/descriptiondocument.h"
#include "config/tail.h"
#include "imagebytes.h"
#include "testmain.h"

using namespace olma::config;

namespace {

QDomDocument documentFrom(const QString& body)
{
    QDomDocument document;
    document.setContent(
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><configuration>%1</configuration>").arg(body));
    return document;
}

// The elements under the root, as "tag#id=text" strings.
QStringList elements(const QDomDocument& document)
{
    QStringList result;
    const QDomElement root = document.documentElement();
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        result << QStringLiteral("%1#%2=%3").arg(e.tagName(), e.attribute(QStringLiteral("id")), e.text());
    return result;
}

} // namespace

class TestConfigItem : public QObject
{
    Q_OBJECT

private slots:
    void childList()
    {
        ConfigItem root(nullptr, 0, 0);
        Tail a(nullptr, 0, 0, 0);
        Tail b(nullptr, 0, 1, 0);
        root.addChild(&a);
        root.addChild(nullptr);
        root.addChild(&b);
        root.addChild(&a);
        QCOMPARE(root.children().size(), 3);

        root.removeChild(&a);
        QCOMPARE(root.children(), QList<IConfigItem*>{&b});
        root.clearChildren();
        QVERIFY(root.children().isEmpty());
    }

    void recursiveOperations()
    {
        // The model and the image reach the whole subtree; a detached node writes nothing.
        auto image = imagebytes::filled(0);
        image[4138 + 2 * 1] = 0x84;
        ConfigItem root(nullptr, 0, 0);
        ConfigItem middle(nullptr, 0, 0);
        Tail tail(nullptr, 0, 1, 0);
        root.addChild(&middle);
        middle.addChild(&tail);

        tail.setTailType(5);
        QVERIFY(root.image().empty());

        root.setDeviceType(2);
        QCOMPARE(tail.deviceType(), 2);

        root.setImage(image.data());
        QCOMPARE(tail.tailType(), 4);
        QVERIFY(tail.fire1());
        QCOMPARE(root.image(), image);
    }

    void storingADescription()
    {
        Tail tail(nullptr, 0, 3, 0);
        tail.setDescriptionDocument(descriptions::emptyDocument());

        tail.setDescription(QStringLiteral("Склад"));
        QCOMPARE(elements(tail.descriptionDocument()), QStringList{QStringLiteral("tail#3=Склад")});

        // A second text replaces the first inside the same element.
        tail.setDescription(QStringLiteral("Склад №2"));
        QCOMPARE(elements(tail.descriptionDocument()), QStringList{QStringLiteral("tail#3=Склад №2")});

        const QDomElement element = tail.descriptionDocument().documentElement().firstChildElement();
        QCOMPARE(element.elementsByTagName(QStringLiteral("description")).size(), 1);

        // A node that never got a document makes one of its own.
        Tail lonely(nullptr, 0, 0, 0);
        lonely.setDescription(QStringLiteral("x"));
        QCOMPARE(elements(lonely.descriptionDocument()), QStringList{QStringLiteral("tail#0=x")});
    }

    void readingAndWritingElements_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("read");           // what loop 3 reads
        QTest::addColumn<QStringList>("afterStore"); // the elements after loop 3 stores "new"

        QTest::newRow("match") << "<tail id=\"3\"><description>a</description></tail>"
                               << "a" << QStringList{"tail#3=new"};
        QTest::newRow("capitalised description") << "<tail id=\"3\"><Description>a</Description></tail>"
                                                 << "a" << QStringList{"tail#3=new"};
        QTest::newRow("empty id") << "<tail id=\"\"><description>a</description></tail>"
                                  << "" << QStringList{"tail#=a", "tail#3=new"};
        QTest::newRow("id not a number") << "<tail id=\"x3\"><description>a</description></tail>"
                                         << "" << QStringList{"tail#x3=a", "tail#3=new"};
        QTest::newRow("no id") << "<tail><description>a</description></tail>"
                               << "" << QStringList{"tail#=a", "tail#3=new"};
        QTest::newRow("other tag") << "<user id=\"3\"><description>a</description></user>"
                                   << "" << QStringList{"user#3=a", "tail#3=new"};
        QTest::newRow("two elements, same id")
            << "<tail id=\"3\"><description>a</description></tail><tail id=\"3\"><description>b</description></tail>"
            << "b" << QStringList{"tail#3=new", "tail#3=new"};
        QTest::newRow("element without description") << "<tail id=\"3\"/>"
                                                     << "" << QStringList{"tail#3=new"};
    }

    void readingAndWritingElements()
    {
        QFETCH(QString, body);
        QFETCH(QString, read);
        QFETCH(QStringList, afterStore);

        Tail tail(nullptr, 0, 3, 0);
        tail.setDescription(QStringLiteral("stale"));
        tail.setDescriptionDocument(documentFrom(body));
        QCOMPARE(tail.description(), read);

        tail.setDescription(QStringLiteral("new"));
        QCOMPARE(elements(tail.descriptionDocument()), afterStore);
    }

    void documentIsSharedDownTheTree()
    {
        ConfigItem root(nullptr, 0, 0);
        Tail a(nullptr, 0, 0, 0);
        Tail b(nullptr, 0, 1, 0);
        root.addChild(&a);
        root.addChild(&b);
        root.setDescriptionDocument(documentFrom("<tail id=\"1\"><description>b</description></tail>"));
        QCOMPARE(b.description(), QStringLiteral("b"));

        a.setDescription(QStringLiteral("a"));
        QCOMPARE(elements(root.descriptionDocument()), (QStringList{"tail#1=b", "tail#0=a"}));
    }
};

OLMA_TEST_MAIN(TestConfigItem)
#include "tst_configitem.moc"
