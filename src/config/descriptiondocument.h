#pragma once

#include <QDomDocument>
#include <QString>

#include <optional>

// The description document: the user's descriptions of loops, users, blocks and programs, which the
// panel does not store. Root element "configuration"; one child element per described node, named
// after the node's tag, with an "id" attribute and one "description" element holding the text.
namespace olma::config::descriptions {

// The text of a document without descriptions.
QString emptyDocumentText();

// A new document holding no descriptions.
QDomDocument emptyDocument();

// Parses a description file's contents; nullopt when they are not a document with a root element
// or are nested deeper or hold many more elements than any description file does.
std::optional<QDomDocument> parse(const QByteArray& contents);

// The file contents: UTF-8, indented by one space, opening with the declaration of the empty document.
QByteArray serialize(const QDomDocument& document);

// The element's "id" attribute as a number; nullopt when it is missing, empty or not a number.
std::optional<int> elementId(const QDomElement& element);

// The description kept under (tag, id): the text of the last "description" element (matched in any
// letter case) of the last matching element; nullopt when the document holds none.
std::optional<QString> read(const QDomDocument& document, const QString& tag, int id);

// Replaces the text of every "description" element under (tag, id); appends one element with that
// description when none matches. A document without a root element gets one.
void write(QDomDocument& document, const QString& tag, int id, const QString& text);

} // namespace olma::config::descriptions
