#pragma once

#include "common/iguisetup.h"
#include "logview/logevent.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace olma::logview {

class LogEvents;
class ProgressDialogLog;

// How a log command ended and what the user is to be told; the window only shows it.
struct LogOutcome
{
    enum class Message
    {
        None,
        Information,
        Warning,
        Critical,
    };

    // The log was read, loaded, written or exported.
    bool done = false;
    Message message = Message::None;
    QString title;
    QString text;
};

// Shows the outcome's message, if it has one, through the program's message boxes
// (part of the window: defined with the log page, in the GUI library).
void showOutcome(QWidget* parent, const LogOutcome& outcome);

// The export dialog: a file name, and beside it the choice of severity colours in HTML, which
// it reads from and leaves in `store` (GUI library). Empty when cancelled.
QString askExportFileName(QWidget* parent, LogEvents* store);

// The event log as the main window sees it: the store, its page, its files and its exports.
class LogView : public QObject, public olma::IGuiSetup
{
    Q_OBJECT
    Q_DISABLE_COPY(LogView)

public:
    explicit LogView(QObject* parent = nullptr);
    ~LogView() override;

    // One page, "Журнал событий", served by the store.
    QList<olma::GuiEntry> guiItems() override;
    bool guiEnabled() const override { return true; }
    void setGuiEnabled(bool) override {}

    // The model index of the connected panel, as the last poll found it; only kept.
    void setDeviceType(int deviceType) { _deviceType = deviceType; }
    int deviceType() const { return _deviceType; }

    // The connected panel's serial number, as the last poll found it; names the panel a read came from.
    void setSerialNumber(int serial) { _serial = serial; }

    // Colours the HTML export's rows by severity; off, the document is the plain one.
    void setHtmlSeverityColours(bool on);
    bool htmlSeverityColours() const;

    LogEvents* logEvents() const { return _events.get(); }

    // "Считать из прибора": empties the log and routes the dialog's records into it (part of
    // the window: defined with the log page, in the GUI library).
    void beginDeviceRead(ProgressDialogLog* dialog);
    // Refreshes the viewer with what arrived; a failed or cancelled read keeps it, marks the
    // log partial and says how many events arrived.
    LogOutcome endDeviceRead(bool ok, bool cancelled = false);
    // "Считать из файла": an empty name does nothing; a missing file and one over 16 MiB are
    // reported, and a file that cannot be read or is not a regular file is passed over, all
    // leaving the log as it was.
    LogOutcome loadLogFile(const QString& fileName);
    // "Запсать в файл": the raw log, byte for byte; an empty name (cancelled dialog) fails. A
    // failure leaves the file that was there as it was and the message gives the reason.
    LogOutcome writeLogFile(const QString& fileName);
    // "Экспортировать в файл": the file type comes from the name's extension.
    LogOutcome exportLog(const QString& fileName);

    // The export type captured from a file name ("txt", "rtf", ...), empty when the name
    // has none of the offered extensions. The check is made on the lower-cased name.
    static QString exportFileType(const QString& fileName);

public slots:
    void messageBlockAdd(uint no, const unsigned char* msg);
    void setLogContent(std::vector<unsigned char> data = {});
    void clearContent();
    void refreshContent();
    void logEventsAdd(std::vector<olma::logview::LogEvent> evList = {});
    // Renders the events to show as `fileType` and writes them in Windows-1251. A type
    // without a renderer fails before the file is touched.
    bool exportToFile(QString fileName, QString fileType, QString* reason = nullptr);
    void makeTextContent(QString& str);
    void makeHtmlContent(QString& str);
    void makeRtfContent(QString& str);
    void makeCsvContent(QString& str);
    bool saveLogToFile(QString file = QString(), QString* reason = nullptr);

private:
    std::unique_ptr<LogEvents> _events;
    int _deviceType = 0;
    int _serial = -1;
};

} // namespace olma::logview
