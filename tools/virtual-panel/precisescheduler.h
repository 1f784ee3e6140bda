#pragma once

#include <QObject>

#include <functional>
#include <map>

class QSocketNotifier;

namespace olma::vpanel {

// Runs actions at monotonic-clock instants with microsecond precision, from the Qt event loop:
// a timerfd armed for the earliest action and watched by a socket notifier. A QTimer's
// millisecond steps are too coarse to pace 64-byte frames of 5.556 ms.
class PreciseScheduler : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PreciseScheduler)

public:
    explicit PreciseScheduler(QObject* parent = nullptr);
    ~PreciseScheduler() override;

    // Monotonic time in nanoseconds.
    static qint64 now();

    // Runs `action` at `dueNs` (or as soon as possible when that has passed). Actions due at the
    // same instant run in the order they were added.
    void at(qint64 dueNs, std::function<void()> action);
    void clear();
    bool isEmpty() const { return _queue.empty(); }

private:
    void expired();
    void rearm();

    int _fd = -1;
    QSocketNotifier* _notifier = nullptr;
    std::multimap<qint64, std::function<void()>> _queue;
};

} // namespace olma::vpanel
