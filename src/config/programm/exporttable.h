#pragma once

#include <QString>
#include <QStringList>

namespace olma::config::programm {

// One block of a program's export: a heading and label/value lines, rendered as plain text, RTF
// table rows, an HTML table or CSV lines. The blocks differ in small ways (a heading with or without
// its number, colons in the HTML labels, the CSV separator), which the fields carry.
struct ExportTable
{
    // The heading of the text, CSV and HTML renderings, e.g. "Шлейф сигнализации 2".
    QString heading;
    // Closes the CSV heading line: ";" or nothing.
    QString csvHeadingEnd;
    // Text of the RTF heading row.
    QString rtfHeading;
    // Parallel lists, one entry per line.
    QStringList labels;
    QStringList htmlLabels;
    QStringList rtfLabels;
    QStringList values;
    QString csvSeparator = QStringLiteral("; ");
    QString htmlTableStart = QStringLiteral("<table width=85%>\r\n");

    // The block in export format 0..3; empty for any other format.
    QString render(int format) const;
};

// The heading of a group of blocks ("Состояние ШС", "Выходы БКВ-А", "Цепи БП-А").
QString exportGroupHeading(int format, const QString& name);

// RTF table rows: one centred cell across the width, or a label cell and a value cell.
QString rtfHeadingRow(const QString& text);
QString rtfPairRow(const QString& label, const QString& value);

// `labels` each followed by `suffix`.
QStringList withSuffix(const QStringList& labels, const QString& suffix);

} // namespace olma::config::programm
