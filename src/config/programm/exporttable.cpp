#include "config/programm/exporttable.h"

#include "config/iconfigitem.h"

#include <QStringBuilder>

namespace olma::config::programm {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kCellBorders = QStringLiteral("\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs");

QString htmlHeading(const QString& text)
{
    return QStringLiteral("\r\n<br><b>") % text % QStringLiteral(":</b>\r\n");
}

} // namespace

QString ExportTable::render(int format) const
{
    QString text;
    switch (format) {
    case ExportText:
        text = kCrLf % heading % QLatin1String(":") % kCrLf;
        for (int i = 0; i < labels.size(); ++i)
            text += labels.at(i) % QLatin1String(": ") % values.value(i) % kCrLf;
        break;
    case ExportCsv:
        text = kCrLf % heading % csvHeadingEnd % kCrLf;
        for (int i = 0; i < labels.size(); ++i)
            text += labels.at(i) % csvSeparator % values.value(i) % kCrLf;
        break;
    case ExportHtml:
        text = htmlHeading(heading) % htmlTableStart;
        for (int i = 0; i < htmlLabels.size(); ++i) {
            text += QLatin1String("<tr><td width=70%>") % htmlLabels.at(i) % QLatin1String("</td><td width=30%>") %
                    values.value(i) % QLatin1String("</td></tr>\r\n");
        }
        text += QLatin1String("</table>\r\n");
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
    return QLatin1String("{\\trowd\n") % kCellBorders % QLatin1String("\\cellx10800\n{\\pard\\qc\\intbl\n{{") % text %
           QLatin1String("}\\cell}\n}\\row}\n");
}

QString rtfPairRow(const QString& label, const QString& value)
{
    return QLatin1String("{\\trowd\n") % kCellBorders % QLatin1String("\\cellx6480\n") % kCellBorders %
           QLatin1String("\\cellx10800\n{\\pard\\intbl\n{{") % label % QLatin1String("}\\cell}\n{{") % value %
           QLatin1String("}\\cell}\n}\\row}\n");
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
