#include "config/descriptiondocument.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace olma::config::descriptions {
namespace {

const QString kDocumentName = QStringLiteral("configuration");
const QString kRootTag = QStringLiteral("configuration");
const QString kIdAttribute = QStringLiteral("id");
const QString kDescriptionTag = QStringLiteral("description");

// The program writes three levels (root, node, description); a hand-edited text may mark up a
// little more. The document model takes time that grows much faster than the nesting, so a
// deeper document is refused before it is built.
constexpr qint64 kMaxDepth = 32;

// Every node of the tree looks through the whole document for its description, so the time a
// document costs grows with its elements times the nodes. The largest panel has some 600 nodes
// with descriptions, two elements each; a document with many times that was not written here.
constexpr qint64 kMaxElements = 4096;

bool plainName(QStringView name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9._-]*$"));
    return pattern.match(name).hasMatch();
}

// One linear pass of the stream reader: well formed, no deeper than kMaxDepth and no more than
// kMaxElements elements.
bool shallowAndWellFormed(const QByteArray& contents)
{
    QXmlStreamReader reader(contents);
    // As the document model reads it: prefixes are part of the names.
    reader.setNamespaceProcessing(false);
    qint64 depth = 0;
    qint64 elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > kMaxDepth || ++elements > kMaxElements)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::ProcessingInstruction:
            // The parser takes "<?x~?>" but not the "<?x~ ?>" the document model writes back, so
            // such a file would be saved unreadable: only plain names are let through.
            if (!plainName(reader.processingInstructionTarget()))
                return false;
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

bool isDescriptionElement(const QDomElement& element)
{
    return element.tagName().toLower() == kDescriptionTag;
}

bool matches(const QDomElement& element, const QString& tag, int id)
{
    if (element.tagName() != tag)
        return false;
    const auto elementNumber = elementId(element);
    return elementNumber && *elementNumber == id;
}

} // namespace

QString emptyDocumentText()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<configuration>\r\n</configuration>\r\n");
}

QDomDocument emptyDocument()
{
    QDomDocument document(kDocumentName);
    document.setContent(emptyDocumentText());
    return document;
}

std::optional<QDomDocument> parse(const QByteArray& contents)
{
    if (!shallowAndWellFormed(contents))
        return std::nullopt;
    QDomDocument document(kDocumentName);
    if (!document.setContent(contents) || document.documentElement().isNull())
        return std::nullopt;
    return document;
}

QByteArray serialize(const QDomDocument& document)
{
    if (document.isNull())
        return emptyDocumentText().toUtf8();
    QByteArray bytes = document.toByteArray(1);
    // The bytes are UTF-8 whatever encoding the declaration of a file read in names (a file made
    // elsewhere may say windows-1251), and the DOM keeps that declaration: written as it is, it
    // would garble every description at the next load. Files have always carried this one.
    static const QByteArray declarationStart = "<?xml ";
    static const QByteArray declarationEnd = "?>";
    static const QByteArray utf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    if (bytes.startsWith(declarationStart)) {
        const qsizetype end = bytes.indexOf(declarationEnd);
        if (end >= 0)
            bytes.replace(0, end + declarationEnd.size(), utf8Declaration);
    }
    return bytes;
}

std::optional<int> elementId(const QDomElement& element)
{
    const QString text = element.attribute(kIdAttribute);
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<QString> read(const QDomDocument& document, const QString& tag, int id)
{
    std::optional<QString> text;
    const QDomElement root = document.documentElement();
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (!matches(e, tag, id))
            continue;
        for (QDomElement d = e.firstChildElement(); !d.isNull(); d = d.nextSiblingElement()) {
            if (isDescriptionElement(d))
                text = d.text();
        }
    }
    return text;
}

void write(QDomDocument& document, const QString& tag, int id, const QString& text)
{
    QDomElement root = document.documentElement();
    if (root.isNull()) {
        root = document.createElement(kRootTag);
        document.appendChild(root);
    }

    bool found = false;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (!matches(e, tag, id))
            continue;
        found = true;
        bool hasDescription = false;
        for (QDomElement d = e.firstChildElement(); !d.isNull(); d = d.nextSiblingElement()) {
            if (!isDescriptionElement(d))
                continue;
            hasDescription = true;
            // Replace the whole content, so that the text read back is exactly the new one.
            while (!d.firstChild().isNull())
                d.removeChild(d.firstChild());
            d.appendChild(document.createTextNode(text));
        }
        // An element without a description child (hand-edited file) still keeps the text.
        if (!hasDescription) {
            QDomElement d = document.createElement(kDescriptionTag);
            d.appendChild(document.createTextNode(text));
            e.appendChild(d);
        }
    }
    if (found)
        return;

    QDomElement element = document.createElement(tag);
    element.setAttribute(kIdAttribute, id);
    QDomElement d = document.createElement(kDescriptionTag);
    d.appendChild(document.createTextNode(text));
    element.appendChild(d);
    root.appendChild(element);
}

} // namespace olma::config::descriptions
