#include "logview/logview.h"

#include "common/cp1251.h"
#include "common/safefile.h"
#include "logview/logevents.h"
#include "logview/logexport.h"
#include "logview/logtexts.h"

#include <QFileInfo>
#include <QRegularExpression>

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

// The panel holds 4095 records of 8 bytes; a history merged from the archive may hold many more,
// but a file this large was not written by the program.
constexpr qint64 kMaxLogFileSize = 16 * 1024 * 1024;
// The RTF templates are a few kilobytes.
constexpr qint64 kMaxTemplateSize = 1024 * 1024;

bool readTemplate(const QString& path, QString& text)
{
    QByteArray bytes;
    if (!olma::files::readFile(path, 0, kMaxTemplateSize, &bytes).ok())
        return false;
    text = olma::cp1251::decode(bytes);
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
    _events->setOrigin(_serial >= 0 ? texts::kPanelSource.arg(_serial) : QString(), QDateTime::currentDateTime());
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
    QByteArray bytes;
    const olma::files::ReadResult read = olma::files::readFile(fileName, 0, kMaxLogFileSize, &bytes);
    switch (read.status) {
    case olma::files::ReadStatus::Missing:
        return outcome(false, LogOutcome::Message::Critical, texts::kOpenErrorTitle,
                       texts::kFileNotFound.arg(fileName));
    case olma::files::ReadStatus::WrongSize:
        return outcome(false, LogOutcome::Message::Critical, texts::kOpenErrorTitle,
                       texts::kFileTooLarge.arg(fileName).arg(read.size));
    // A folder, a FIFO or a device is never opened (a FIFO would block for ever); like a file
    // that cannot be read, it is passed over.
    case olma::files::ReadStatus::NotRegular:
    case olma::files::ReadStatus::Unreadable:
        return {};
    case olma::files::ReadStatus::Read:
        break;
    }
    _events->setOrigin(QFileInfo(fileName).fileName(), QFileInfo(fileName).lastModified());
    setLogContent(std::vector<unsigned char>(bytes.begin(), bytes.end()));
    return outcome(true, LogOutcome::Message::None, QString(), QString());
}

LogOutcome LogView::writeLogFile(const QString& fileName)
{
    QString reason;
    if (!saveLogToFile(fileName, &reason))
        return outcome(false, LogOutcome::Message::Critical, texts::kSaveTitle,
                       olma::files::withReason(texts::kSaveFailed.arg(fileName), reason));
    return outcome(true, LogOutcome::Message::Information, texts::kSaveTitle, texts::kSaveDone.arg(fileName));
}

LogOutcome LogView::exportLog(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    const QString type = exportFileType(fileName);
    if (type.isEmpty())
        return outcome(false, LogOutcome::Message::Critical, texts::kExportTitle, texts::kExportUnsupported);
    QString reason;
    if (!exportToFile(fileName, type, &reason))
        return outcome(false, LogOutcome::Message::Critical, texts::kExportTitle,
                       olma::files::withReason(texts::kExportFailed, reason));
    return outcome(true, LogOutcome::Message::Information, texts::kExportTitle, texts::kExportDone);
}

void LogView::setHtmlSeverityColours(bool on)
{
    _events->setHtmlSeverityColours(on);
}

bool LogView::htmlSeverityColours() const
{
    return _events->htmlSeverityColours();
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

bool LogView::exportToFile(QString fileName, QString fileType, QString* reason)
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

    QString why;
    if (olma::files::writeFile(fileName, olma::cp1251::encode(content), &why))
        return true;
    if (reason)
        *reason = QStringLiteral("%1: %2").arg(fileName, why);
    return false;
}

void LogView::makeTextContent(QString& str)
{
    str = renderText(_events->eventsToShow());
}

void LogView::makeHtmlContent(QString& str)
{
    str = renderHtml(_events->eventsToShow(), _events->htmlSeverityColours());
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

bool LogView::saveLogToFile(QString file, QString* reason)
{
    // An empty name is a cancelled dialog: nothing to say.
    if (file.isEmpty())
        return false;
    olma::files::SafeWriter out(file);
    const auto& raw = _events->rawLog();
    if (out.open() && out.write(reinterpret_cast<const char*>(raw.data()), qint64(raw.size())) && out.commit())
        return true;
    if (reason)
        *reason = out.errorString();
    return false;
}

} // namespace olma::logview
