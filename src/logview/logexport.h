#pragma once

#include "logview/logevent.h"

#include <QString>

#include <vector>

// The log as documents: plain text, CSV, HTML and RTF. Every row takes its five texts from
// describeEvent and is numbered from 1 in the order given, whatever the events' own numbers.
namespace olma::logview {

QString renderText(const std::vector<LogEvent>& events);
QString renderCsv(const std::vector<LogEvent>& events);
// With `severityColours` every row that is not normal takes its severity's background; without,
// the document is the plain one.
QString renderHtml(const std::vector<LogEvent>& events, bool severityColours = false);
// Fills `rowTemplate` once per event ("##0##" the row number, "##1##".."##5##" the texts)
// and puts the rows in place of "##ROWS##" in `documentTemplate`.
QString renderRtf(const std::vector<LogEvent>& events, const QString& documentTemplate, const QString& rowTemplate);

// Every Windows-1251 byte of `text` as an RTF escape: "Зона: 5" -> \'c7\'ee\'ed\'e0\'3a\'20\'35.
QString rtfEscape(const QString& text);

// The two templates beside the program.
QString rtfDocumentTemplatePath();
QString rtfRowTemplatePath();

} // namespace olma::logview
