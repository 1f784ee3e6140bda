#pragma once

#include <QString>

// The pieces the configuration sections build their export from: the RTF table rows and
// centred titles, and the heading a section writes before its items. Rows are appended to the
// text being built: a full users section holds thousands of them.
namespace olma::config::exportmarkup {

// A centred paragraph: "{\pard\qc{" title "}\n\par}\n".
QString rtfTitle(const QString& title);

// A bordered two-column row, the label cell ending at 6480 twips and the value cell at 10800,
// as the parameters, blocks and loops tables write it.
void appendRtfRow(QString& out, const QString& label, const QString& value);

// The same row as the users tables write it: the cells' paragraph is a group of its own.
void appendRtfUserRow(QString& out, const QString& label, const QString& value);

// A centred one-cell row across a users table.
void appendRtfUserWideRow(QString& out, const QString& text);

// What the blocks, users and loops sections write before their items: "Name:" and a line
// break in text, "Name" in CSV, a centred "Name:" in RTF, nothing in HTML.
QString sectionHeading(const QString& name, int format);

// "Включено" / "Выключено" and the like, by a flag.
inline QString word(bool on, const QString& yes, const QString& no)
{
    return on ? yes : no;
}

} // namespace olma::config::exportmarkup
