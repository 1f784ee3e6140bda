#include "precisescheduler.h"

#include <QSocketNotifier>

#include <sys/prctl.h>
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

namespace olma::vpanel {

namespace {
constexpr qint64 kNsPerSecond = 1000000000;
}

PreciseScheduler::PreciseScheduler(QObject* parent) : QObject(parent)
{
    _fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (_fd >= 0) {
        _notifier = new QSocketNotifier(_fd, QSocketNotifier::Read, this);
        connect(_notifier, &QSocketNotifier::activated, this, &PreciseScheduler::expired);
    }
    // The kernel may otherwise defer a wake-up by up to 50 us to batch it with others.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

PreciseScheduler::~PreciseScheduler()
{
    delete _notifier;
    if (_fd >= 0)
        ::close(_fd);
}

qint64 PreciseScheduler::now()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * kNsPerSecond + ts.tv_nsec;
}

void PreciseScheduler::at(qint64 dueNs, std::function<void()> action)
{
    // After all actions due at the same instant, so equal times keep their order.
    _queue.emplace_hint(_queue.upper_bound(dueNs), dueNs, std::move(action));
    rearm();
}

void PreciseScheduler::clear()
{
    _queue.clear();
    rearm();
}

void PreciseScheduler::rearm()
{
    if (_fd < 0)
        return;
    itimerspec wake{};
    if (!_queue.empty()) {
        // An absolute instant does not drift by the time spent getting here; zero would disarm.
        const qint64 due = std::max<qint64>(_queue.begin()->first, 1);
        wake.it_value.tv_sec = due / kNsPerSecond;
        wake.it_value.tv_nsec = due % kNsPerSecond;
    }
    ::timerfd_settime(_fd, TFD_TIMER_ABSTIME, &wake, nullptr);
}

void PreciseScheduler::expired()
{
    quint64 expirations = 0;
    [[maybe_unused]] const ssize_t n = ::read(_fd, &expirations, sizeof expirations);
    const qint64 t = now();
    while (!_queue.empty() && _queue.begin()->first <= t) {
        auto action = std::move(_queue.begin()->second);
        _queue.erase(_queue.begin());
        action();
    }
    rearm();
}

} // namespace olma::vpanel
