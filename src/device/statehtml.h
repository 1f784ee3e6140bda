#pragma once

#include "device/statetexts.h"

#include <QString>

#include <functional>

// The frame of the device-state pages: the rich-text browsers show these pieces as they are.
namespace olma::device::html {

inline const QString kPageBegin = QStringLiteral("<html>\n<body>\n");
inline const QString kPageEnd = QStringLiteral("</body></html>\n");
inline const QString kTableEnd = QStringLiteral("</table>");

// Opens a table with its header row; `spaced` puts a line break before it.
inline QString tableBegin(const QString& header, const QString& stateHeader, bool spaced = false)
{
    return (spaced ? QStringLiteral("<br/>") : QString()) + QStringLiteral("<table width=70%>\n<tr><th width=70%>") +
           header + QStringLiteral("</th><th width=30%>") + stateHeader + QStringLiteral("</th></tr>\n");
}

// A row with a coloured state cell.
inline QString stateRow(const QString& caption, const char16_t* colour, const QString& text)
{
    return QStringLiteral("<tr><td>") + caption + QStringLiteral("</td><td bgcolor=") + QString::fromUtf16(colour) +
           QLatin1Char('>') + text + QStringLiteral("</td></tr>");
}

// A page of one table, a row per numbered field (loops, zones): `caption` holds %1 for the
// number from 1, `stateOf` gives the value of field 0..count-1. Values missing from `table`
// have no row.
QString numberedStatePage(const QString& header, const QString& caption, const texts::StateTable& table, int count,
                          const std::function<int(int)>& stateOf);

} // namespace olma::device::html
