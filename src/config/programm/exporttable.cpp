#include "config/programm/exporttable.h"

#include "config/iconfigitem.h"

namespace olma::config::programm {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kCellBorders = QStringLiteral("\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs");

QString htmlHeading(const QString& text)
{
    return QStringLiteral("\r\n<br><b>") + text + QStringLiteral(":</b>\r\n");
}

QString htmlRow(const QString& label, const QString& value)
{
    return QStringLiteral("<tr><td width=70%>") + label + QStringLiteral("</td><td width=30%>") + value +
           QStringLiteral("</td></tr>\r\n");
}

QString rtfCell(const QString& text)
{
    return QStringLiteral("{{") + text + QStringLiteral("}\\cell}\n");
}

} // namespace

QString ExportTable::render(int format) const
{
    QString text;
    switch (format) {
    case ExportText:
        text = kCrLf + heading + QStringLiteral(":") + kCrLf;
        for (int i = 0; i < labels.size(); ++i)
            text += labels.at(i) + QStringLiteral(": ") + values.value(i) + kCrLf;
        break;
    case ExportCsv:
        text = kCrLf + heading + csvHeadingEnd + kCrLf;
        for (int i = 0; i < labels.size(); ++i)
            text += labels.at(i) + csvSeparator + values.value(i) + kCrLf;
        break;
    case ExportHtml:
        text = htmlHeading(heading) + htmlTableStart;
        for (int i = 0; i < htmlLabels.size(); ++i)
            text += htmlRow(htmlLabels.at(i), values.value(i));
        text += QStringLiteral("</table>\r\n");
        break;
    case ExportRtf:
        text = rtfHeadingRow(rtfHeading);
        for (int i = 0; i < rtfLabels.size(); ++i)
            text += rtfPairRow(rtfLabels.at(i), values.value(i));
        break;
    }
    return text;
}

QString exportGroupHeading(int format, const QString& name)
{
    switch (format) {
    case ExportText:
        return kCrLf + name + QStringLiteral(":") + kCrLf;
    case ExportCsv:
        return kCrLf + name + kCrLf;
    case ExportHtml:
        return htmlHeading(name);
    case ExportRtf:
        return rtfHeadingRow(name);
    }
    return QString();
}

QString rtfHeadingRow(const QString& text)
{
    return QStringLiteral("{\\trowd\n") + kCellBorders + QStringLiteral("\\cellx10800\n") +
           QStringLiteral("{\\pard\\qc\\intbl\n") + rtfCell(text) + QStringLiteral("}\\row}\n");
}

QString rtfPairRow(const QString& label, const QString& value)
{
    return QStringLiteral("{\\trowd\n") + kCellBorders + QStringLiteral("\\cellx6480\n") + kCellBorders +
           QStringLiteral("\\cellx10800\n") + QStringLiteral("{\\pard\\intbl\n") + rtfCell(label) + rtfCell(value) +
           QStringLiteral("}\\row}\n");
}

QStringList withSuffix(const QStringList& labels, const QString& suffix)
{
    QStringList result;
    result.reserve(labels.size());
    for (const QString& label : labels)
        result << label + suffix;
    return result;
}

} // namespace olma::config::programm
