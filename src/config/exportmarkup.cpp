#include "config/exportmarkup.h"

#include "config/iconfigitem.h"

namespace olma::config::exportmarkup {
namespace {

constexpr QLatin1String kRowStart("{\\trowd\n");
constexpr QLatin1String kLabelCell("\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx6480\n");
constexpr QLatin1String kValueCell("\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx10800\n");

void appendCell(QString& out, const QString& text)
{
    out += QLatin1String("{{");
    out += text;
    out += QLatin1String("}\\cell}\n");
}

} // namespace

QString rtfTitle(const QString& title)
{
    return QLatin1String("{\\pard\\qc{") + title + QLatin1String("}\n\\par}\n");
}

void appendRtfRow(QString& out, const QString& label, const QString& value)
{
    out += kRowStart;
    out += kLabelCell;
    out += kValueCell;
    out += QLatin1String("\\pard\\intbl\n");
    appendCell(out, label);
    appendCell(out, value);
    out += QLatin1String("\\row}\n");
}

void appendRtfUserRow(QString& out, const QString& label, const QString& value)
{
    out += kRowStart;
    out += kLabelCell;
    out += kValueCell;
    out += QLatin1String("{\\pard\\intbl\n");
    appendCell(out, label);
    appendCell(out, value);
    out += QLatin1String("\\par}\n\\row}\n");
}

void appendRtfUserWideRow(QString& out, const QString& text)
{
    out += kRowStart;
    out += kValueCell;
    out += QLatin1String("{\\pard\\qc\\intbl\n");
    appendCell(out, text);
    out += QLatin1String("\\par}\n\\row}\n");
}

QString sectionHeading(const QString& name, int format)
{
    switch (format) {
    case ExportText:
        return name + QLatin1String(":\r\n");
    case ExportCsv:
        return name + QLatin1String("\r\n");
    case ExportRtf:
        return rtfTitle(name + QLatin1Char(':'));
    default:
        return QString();
    }
}

} // namespace olma::config::exportmarkup
