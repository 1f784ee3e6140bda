#include "logview/logexport.h"

#include "common/cp1251.h"
#include "common/datadir.h"
#include "common/text.h"
#include "logview/logseverity.h"

namespace olma::logview {

QString renderText(const std::vector<LogEvent>& events)
{
    const olma::RussianTexts russian; // a document reads the same in every language
    QString out = QStringLiteral("№\tДата/Время\t\tКласс\tСобытие\t\t\tПарметр 1\tПараметр 2\n");
    QStringList texts;
    int row = 1;
    for (const LogEvent& event : events) {
        describeEvent(event, texts);
        out += QStringLiteral("№%1\t").arg(row++);
        for (const QString& text : texts)
            out += text + QLatin1Char('\t');
        out += QLatin1Char('\n');
    }
    return out;
}

QString renderCsv(const std::vector<LogEvent>& events)
{
    const olma::RussianTexts russian; // a document reads the same in every language
    // No quoting: the event texts hold no semicolons or line breaks.
    QString out = QStringLiteral("Дата/Время;Класс;Событие;Парметр 1;Параметр 2\r\n");
    QStringList texts;
    for (const LogEvent& event : events) {
        describeEvent(event, texts);
        out += texts.join(QLatin1Char(';'));
        out += QStringLiteral("\r\n");
    }
    return out;
}

QString renderHtml(const std::vector<LogEvent>& events, bool severityColours)
{
    const olma::RussianTexts russian; // a document reads the same in every language
    QString out;
    out += QStringLiteral("<html>\n");
    out += QStringLiteral("<head>\n");
    out += QStringLiteral("<meta http-equiv=\"Content-Type\" Content=\"text/html; charset=windows-1251\">");
    out += QStringLiteral("<title>");
    out += QStringLiteral("Журнал прибора ППКОП Ольма-Ех");
    out += QStringLiteral("</title>");
    out += QStringLiteral("</head>");
    out += QStringLiteral("<body>\n");
    out += QStringLiteral("<table width=85% border=1>\n");
    out += QStringLiteral("<tr></th><th width=20%,nowrap>");
    out += QStringLiteral("Дата/Время");
    out += QStringLiteral("</th><th width=20%,nowrap>");
    out += QStringLiteral("Класс");
    out += QStringLiteral("</th><th width=34%,nowrap>");
    out += QStringLiteral("Событие");
    out += QStringLiteral("</th><th width=13%,nowrap>");
    out += QStringLiteral("Параметр 1");
    out += QStringLiteral("</th><th width=13%,nowrap>");
    out += QStringLiteral("Параметр 2");
    out += QStringLiteral("</th></tr>\n");
    QStringList texts;
    for (const LogEvent& event : events) {
        describeEvent(event, texts);
        const QString colour = severityColours ? severityColour(severityOf(event)) : QString();
        out += colour.isEmpty() ? QStringLiteral("<tr>") : QStringLiteral("<tr bgcolor=\"%1\">").arg(colour);
        for (const QString& text : texts)
            out += QStringLiteral("<td>") + text + QStringLiteral("</td>");
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table>\n");
    out += QStringLiteral("</body>\n");
    out += QStringLiteral("</html>\n");
    return out;
}

QString renderRtf(const std::vector<LogEvent>& events, const QString& documentTemplate, const QString& rowTemplate)
{
    const olma::RussianTexts russian; // a document reads the same in every language
    const QString numberPlaceholder = QStringLiteral("##0##");
    const QString textPlaceholder = QStringLiteral("##%1##");
    QString rows;
    QStringList texts;
    int n = 1;
    for (const LogEvent& event : events) {
        describeEvent(event, texts);
        QString row = rowTemplate;
        row.replace(numberPlaceholder, QString::number(n++));
        for (int k = 1; k <= kTextCount; ++k)
            row.replace(textPlaceholder.arg(k), rtfEscape(texts.at(k - 1)));
        rows += row;
    }
    QString document = documentTemplate;
    document.replace(QStringLiteral("##ROWS##"), rows);
    return document;
}

QString rtfEscape(const QString& text)
{
    // Escaping every byte keeps the document plain ASCII and immune to RTF control characters.
    const QByteArray bytes = olma::cp1251::encode(text);
    QString out;
    out.reserve(bytes.size() * 4);
    for (const char c : bytes) {
        out += QStringLiteral("\\'");
        out += QString::number(static_cast<unsigned char>(c), 16);
    }
    return out;
}

QString rtfDocumentTemplatePath()
{
    return olma::dataFile(QStringLiteral("templates/logTmplWithoutNumber.rtf"));
}

QString rtfRowTemplatePath()
{
    return olma::dataFile(QStringLiteral("templates/logRowTmplWithoutNumber.rtf"));
}

} // namespace olma::logview
