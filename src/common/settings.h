#pragma once

#include <QSettings>

namespace olma {

// Where the program keeps what the engineer chose between runs (the window's write settings, the
// recent network addresses, the archive): ~/.config/olma-configurator/olma-configurator.conf.
inline QSettings settings()
{
    return QSettings(QStringLiteral("olma-configurator"), QStringLiteral("olma-configurator"));
}

} // namespace olma
