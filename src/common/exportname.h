#pragma once

#include <QString>

namespace olma {

// The document type an export file name asks for: the extension ("txt", "text", "log", "rtf",
// "rtx", "htm", "html" or "csv") that ends the lower-cased name, empty when it ends in none of
// them. The whole name must match ".*.(txt|...|csv)$"; the dot before the extension matches any
// character, so "config_csv" asks for CSV as well. Both the configuration and the log exports
// choose their writer by it.
QString exportFileType(const QString& fileName);

} // namespace olma
