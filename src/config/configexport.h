#pragma once

#include <QString>

namespace olma::config {

class Configuration;

// How an export of the configuration ended.
enum class ExportResult
{
    Exported,
    UnsupportedType, // the file name does not end in an offered extension
    Failed,          // no writer for the type ("rtx"), or the file could not be written
};

// The message to show for a result: information for Exported, critical otherwise, titled
// exporttexts::kTitle.
QString exportMessage(ExportResult result);

// The format code (ExportFormat) a file type stands for, -1 when no writer handles it.
int exportFormat(const QString& fileType);

// The export command once a file name has been chosen: the name check, then the export.
// The window and the command-line tool both go through here; a cancelled file dialog (an empty
// name) is theirs to pass over before calling.
// On failure `reason` names the file and gives the system's reason.
ExportResult exportConfiguration(const Configuration& configuration, const QString& fileName,
                                 QString* reason = nullptr);

} // namespace olma::config
