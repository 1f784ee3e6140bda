#include "logview/logevents.h"

#include "common/pagefactory.h"
#include "logview/ilogviewwidget.h"

namespace olma::logview {

LogEvents::~LogEvents()
{
    if (_view)
        _view->storeDestroyed();
}

QWidget* LogEvents::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

void LogEvents::setLogViewWidget(ILogViewWidget* view)
{
    if (_view != view)
        _view = view;
}

std::vector<LogEvent> LogEvents::eventsToShow() const
{
    if (_view)
        return _view->visibleEvents();
    return _events;
}

void LogEvents::append(const unsigned char* bytes, std::size_t size)
{
    for (std::size_t at = 0; at + kLogRecordSize <= size; at += kLogRecordSize)
        _events.push_back(decodeRecord(bytes + at, std::uint32_t(_events.size())));
    _raw.insert(_raw.end(), bytes, bytes + size);
}

void LogEvents::setRaw(std::vector<unsigned char> raw)
{
    clear();
    _raw = std::move(raw);
    if (_raw.empty())
        return;
    _events.clear();
    _events.reserve(_raw.size() / kLogRecordSize);
    for (std::size_t at = 0; at + kLogRecordSize <= _raw.size(); at += kLogRecordSize)
        _events.push_back(decodeRecord(_raw.data() + at, std::uint32_t(_events.size())));
    refreshView();
}

void LogEvents::appendEvents(const std::vector<LogEvent>& events)
{
    _events.insert(_events.end(), events.begin(), events.end());
}

void LogEvents::clear()
{
    _raw.clear();
    _events.clear();
    _partial = false;
    refreshView();
}

void LogEvents::setOrigin(const QString& source, const QDateTime& readTime)
{
    _source = source;
    _readTime = readTime;
}

void LogEvents::refreshView()
{
    if (_view)
        _view->update();
}

} // namespace olma::logview
