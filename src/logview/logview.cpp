#include "logview/logview.h"

#include "common/cp1251.h"
#include "logview/logevents.h"
#include "logview/logexport.h"
#include "logview/logtexts.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace olma::logview {
namespace {

// The extensions the export dialog offers. The dot is a wildcard, so "journal_csv" passes as
// CSV too; the whole lower-cased name must match.
const QRegularExpression& exportNamePattern()
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral(".*.(txt|text|log|rtf|rtx|htm|html|csv)$")));
    return pattern;
}

bool readTemplate(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;
    text = olma::cp1251::decode(file.readAll());
    return true;
}

LogOutcome outcome(bool done, LogOutcome::Message message, const QString& title, const QString& text)
{
    return LogOutcome{done, message, title, text};
}

} // namespace

LogView::LogView(QObject* parent) : QObject(parent), _events(std::make_unique<LogEvents>()) {}

LogView::~LogView() = default;

QList<olma::GuiEntry> LogView::guiItems()
{
    return {olma::GuiEntry{texts::kPageTitle, QString(), _events.get()}};
}

LogOutcome LogView::endDeviceRead(bool ok, bool cancelled)
{
    _events->setPartial(!ok || cancelled);
    refreshContent();
    const QString partial = texts::partialLog(int(_events->events().size()));
    if (!ok)
        return outcome(false, LogOutcome::Message::Critical, texts::kReadTitle,
                       texts::kReadFailed + QLatin1Char('\n') + partial);
    if (cancelled)
        return outcome(false, LogOutcome::Message::Warning, texts::kReadTitle,
                       texts::kReadCancelled + QLatin1Char('\n') + partial);
    return outcome(true, LogOutcome::Message::None, texts::kReadTitle, QString());
}

LogOutcome LogView::loadLogFile(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    QFile file(fileName);
    if (!file.exists())
        return outcome(false, LogOutcome::Message::Critical, texts::kOpenErrorTitle,
                       texts::kFileNotFound.arg(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    setLogContent(std::vector<unsigned char>(bytes.begin(), bytes.end()));
    return outcome(true, LogOutcome::Message::None, QString(), QString());
}

LogOutcome LogView::writeLogFile(const QString& fileName)
{
    if (!saveLogToFile(fileName))
        return outcome(false, LogOutcome::Message::Critical, texts::kSaveTitle, texts::kSaveFailed.arg(fileName));
    return outcome(true, LogOutcome::Message::Information, texts::kSaveTitle, texts::kSaveDone.arg(fileName));
}

LogOutcome LogView::exportLog(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    const QString type = exportFileType(fileName);
    if (type.isEmpty())
        return outcome(false, LogOutcome::Message::Critical, texts::kExportTitle, texts::kExportUnsupported);
    if (!exportToFile(fileName, type))
        return outcome(false, LogOutcome::Message::Critical, texts::kExportTitle, texts::kExportFailed);
    return outcome(true, LogOutcome::Message::Information, texts::kExportTitle, texts::kExportDone);
}

QString LogView::exportFileType(const QString& fileName)
{
    const QRegularExpressionMatch match = exportNamePattern().match(fileName.toLower());
    return match.hasMatch() ? match.captured(1) : QString();
}

void LogView::messageBlockAdd(uint, const unsigned char* msg)
{
    _events->append(msg, kLogRecordSize);
}

void LogView::setLogContent(std::vector<unsigned char> data)
{
    _events->setRaw(std::move(data));
}

void LogView::clearContent()
{
    _events->clear();
}

void LogView::refreshContent()
{
    _events->refreshView();
}

void LogView::logEventsAdd(std::vector<LogEvent> evList)
{
    _events->appendEvents(evList);
}

bool LogView::exportToFile(QString fileName, QString fileType)
{
    using Renderer = void (LogView::*)(QString&);
    Renderer render = nullptr;
    if (fileType == QLatin1String("txt") || fileType == QLatin1String("text") || fileType == QLatin1String("log"))
        render = &LogView::makeTextContent;
    else if (fileType == QLatin1String("htm") || fileType == QLatin1String("html"))
        render = &LogView::makeHtmlContent;
    else if (fileType == QLatin1String("rtf"))
        render = &LogView::makeRtfContent;
    else if (fileType == QLatin1String("csv"))
        render = &LogView::makeCsvContent;
    if (!render)
        return false;

    QString content;
    (this->*render)(content);

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = olma::cp1251::encode(content);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void LogView::makeTextContent(QString& str)
{
    str = renderText(_events->eventsToShow());
}

void LogView::makeHtmlContent(QString& str)
{
    str = renderHtml(_events->eventsToShow());
}

void LogView::makeRtfContent(QString& str)
{
    // Without both templates there is no document to fill; the output is left as it was.
    QString rowTemplate;
    QString documentTemplate;
    if (!readTemplate(rtfRowTemplatePath(), rowTemplate) || !readTemplate(rtfDocumentTemplatePath(), documentTemplate))
        return;
    str = renderRtf(_events->eventsToShow(), documentTemplate, rowTemplate);
}

void LogView::makeCsvContent(QString& str)
{
    str = renderCsv(_events->eventsToShow());
}

bool LogView::saveLogToFile(QString file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const auto& raw = _events->rawLog();
    const qint64 size = qint64(raw.size());
    if (size > 0 && out.write(reinterpret_cast<const char*>(raw.data()), size) != size) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace olma::logview
