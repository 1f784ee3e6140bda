#include "cli/terminalprogress.h"

#include <QString>
#include <QTextStream>

#include <algorithm>

namespace olma::cli {

namespace {

constexpr int kBarWidth = 40;

} // namespace

TerminalProgress::~TerminalProgress()
{
    // A transfer that failed halfway leaves the bar where it stopped, on its own line.
    if (_lineOpen)
        _stream << '\n' << Qt::flush;
}

bool TerminalProgress::progress(unsigned done, unsigned total, bool finished)
{
    const int percent =
        finished ? 100 : (total == 0 ? 0 : int(std::min<quint64>(100, quint64(done) * 100 / quint64(total))));
    // Redrawn only when the figure moves: a configuration read reports after every chunk.
    if (percent != _shownPercent) {
        _shownPercent = percent;
        const int filled = percent * kBarWidth / 100;
        _stream << '\r' << '[' << QString(filled, QLatin1Char('#')) << QString(kBarWidth - filled, QLatin1Char(' '))
                << "] " << qSetFieldWidth(3) << percent << qSetFieldWidth(0) << '%' << Qt::flush;
        _lineOpen = true;
    }
    if (finished && _lineOpen) {
        _stream << '\n' << Qt::flush;
        _lineOpen = false;
    }
    return true;
}

} // namespace olma::cli
