#include "pseudoterminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace olma::vpanel {

namespace {
QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(QString* error)
{
    close();
    auto fail = [&](const char* what) {
        if (error)
            *error = systemError(what);
        close();
        return false;
    };
    _master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (_master < 0)
        return fail("posix_openpt");
    if (::grantpt(_master) != 0 || ::unlockpt(_master) != 0)
        return fail("unlockpt");
    char name[128] = {};
    if (::ptsname_r(_master, name, sizeof name) != 0)
        return fail("ptsname");
    _slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (_slave < 0)
        return fail("open slave");
    termios settings{};
    if (::tcgetattr(_slave, &settings) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B115200);
    ::cfsetospeed(&settings, B115200);
    if (::tcsetattr(_slave, TCSANOW, &settings) != 0)
        return fail("tcsetattr");
    _slavePath = QString::fromLocal8Bit(name);
    return true;
}

void PseudoTerminal::close()
{
    if (_slave >= 0)
        ::close(_slave);
    if (_master >= 0)
        ::close(_master);
    _slave = -1;
    _master = -1;
    _slavePath.clear();
}

} // namespace olma::vpanel
