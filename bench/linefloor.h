#pragma once

// What no configurator can go below on this machine: the request/reply exchange with a panel
// paced at wire speed, done in plain C without Qt or the engine. Shared by the benchmarks.

#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/timerfd.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace olma::bench {

constexpr double kFrameSeconds = 64.0 * 10 / 115200; // one frame on the line, 8N1

inline qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

inline bool readFrame(int fd, char* frame)
{
    int got = 0;
    while (got < 64) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 2000) <= 0)
            return false;
        const ssize_t n = read(fd, frame + got, size_t(64 - got));
        if (n <= 0 && errno != EAGAIN)
            return false;
        got += int(std::max<ssize_t>(n, 0));
    }
    return true;
}

// The same exchange of frames with neither the engine nor Qt: a forked echo paced by a timerfd
// exactly as the virtual panel paces, and blocking reads and writes on the other side. What
// this takes beyond the wire time is the machine's own latency (pseudo-terminal wake-ups,
// timer wake-ups, scheduling), which no configurator can go below. Run before Qt starts.
inline double floorSeconds(int transactions)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return -1;
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    const qint64 frameNs = qint64(kFrameSeconds * 1e9);
    const pid_t child = fork();
    if (child == 0) {
        close(slave);
        const int timer = timerfd_create(CLOCK_MONOTONIC, 0);
        char frame[64];
        qint64 lastDue = 0;
        qint64 late = 0;
        while (readFrame(master, frame)) {
            // As the virtual panel does, its own lateness with the last reply is not the line's.
            const qint64 due = std::max(monotonicNs() - late, lastDue) + 2 * frameNs;
            itimerspec wake{};
            wake.it_value.tv_sec = due / 1000000000;
            wake.it_value.tv_nsec = due % 1000000000;
            timerfd_settime(timer, TFD_TIMER_ABSTIME, &wake, nullptr);
            quint64 expirations = 0;
            if (read(timer, &expirations, sizeof expirations) < 0 || write(master, frame, 64) != 64)
                break;
            late = std::max<qint64>(0, monotonicNs() - due);
            lastDue = due;
        }
        _exit(0);
    }
    close(master);
    char frame[64] = {};
    const qint64 start = monotonicNs();
    bool ok = true;
    for (int i = 0; i < transactions && ok; ++i)
        ok = write(slave, frame, 64) == 64 && readFrame(slave, frame);
    const qint64 end = monotonicNs();
    close(slave);
    waitpid(child, nullptr, 0);
    return ok ? double(end - start) / 1e9 : -1;
}

} // namespace olma::bench
