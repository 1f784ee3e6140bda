#pragma once

#include <QString>

namespace olma {

// The folder "data" beside the executable, or "../share/olma" from it in an installation:
// default configuration, templates, help, images.
// Tests and tools that run from elsewhere point it at the build's data folder.
QString dataDir();
void setDataDir(const QString& path);

// dataDir() + "/" + relative.
QString dataFile(const QString& relative);

} // namespace olma
