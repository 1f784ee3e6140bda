#pragma once

#include "common/iguiitem.h"
#include "logview/ilogview.h"
#include "logview/logevent.h"

#include <QDateTime>
#include <QString>

#include <cstddef>
#include <vector>

namespace olma::logview {

class ILogViewWidget;

// The log store: every raw byte received or loaded, the decoded events, and the attached viewer.
class LogEvents : public olma::IGuiItem, public ILogView
{
public:
    LogEvents() = default;
    ~LogEvents() override;
    LogEvents(const LogEvents&) = delete;
    LogEvents& operator=(const LogEvents&) = delete;

    // The viewer of this store: made on first call with `parent`, the same one afterwards.
    QWidget* createWidget(QWidget* parent) override;
    void setLogViewWidget(ILogViewWidget* view) override;
    ILogViewWidget* logViewWidget() const { return _view; }

    // What the exports render: the viewer's filtered events when a viewer is attached, else all.
    std::vector<LogEvent> eventsToShow() const;
    const std::vector<LogEvent>& events() const { return _events; }
    const std::vector<unsigned char>& rawLog() const { return _raw; }

    // Decodes every whole record among `bytes` (numbered on from the events held) and keeps
    // all the bytes, a trailing part of a record included. The viewer is not refreshed.
    void append(const unsigned char* bytes, std::size_t size);
    // Replaces the log by `raw`; its whole records are decoded afresh and the viewer refreshed.
    void setRaw(std::vector<unsigned char> raw);
    // Adds ready-made events as they are; the raw log is not touched.
    void appendEvents(const std::vector<LogEvent>& events);
    // Empties the log and refreshes the viewer.
    void clear();
    // A read from the panel that failed or was cancelled leaves the log short; the viewer says
    // so until the log is next emptied or replaced.
    void setPartial(bool partial) { _partial = partial; }
    bool isPartial() const { return _partial; }
    // Rebuilds the viewer, if one is attached.
    void refreshView();

    // Where the log came from, for the printed list: "прибор № 12345" or a file name, and when it
    // was read or written.
    void setOrigin(const QString& source, const QDateTime& readTime);
    const QString& source() const { return _source; }
    const QDateTime& readTime() const { return _readTime; }

    // The export dialog's choice: the HTML export's rows coloured by severity (off at start, so
    // the document is the plain one).
    void setHtmlSeverityColours(bool on) { _htmlSeverityColours = on; }
    bool htmlSeverityColours() const { return _htmlSeverityColours; }

private:
    std::vector<unsigned char> _raw;
    std::vector<LogEvent> _events;
    ILogViewWidget* _view = nullptr;
    bool _partial = false;
    QString _source;
    QDateTime _readTime;
    bool _htmlSeverityColours = false;
};

} // namespace olma::logview
