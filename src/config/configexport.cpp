#include "config/configexport.h"

#include "common/exportname.h"
#include "config/configuration.h"
#include "config/exporttexts.h"

namespace olma::config {

QString exportMessage(ExportResult result)
{
    switch (result) {
    case ExportResult::Exported:
        return exporttexts::kDone;
    case ExportResult::UnsupportedType:
        return exporttexts::kUnsupported;
    case ExportResult::Failed:
        return exporttexts::kFailed;
    }
    return QString();
}

int exportFormat(const QString& fileType)
{
    const QString type = fileType.toLower();
    if (type == QLatin1String("txt") || type == QLatin1String("text") || type == QLatin1String("log"))
        return ExportText;
    if (type == QLatin1String("rtf"))
        return ExportRtf;
    if (type == QLatin1String("htm") || type == QLatin1String("html"))
        return ExportHtml;
    if (type == QLatin1String("csv"))
        return ExportCsv;
    // "rtx" is offered by the file dialog but has never had a writer.
    return -1;
}

ExportResult exportConfiguration(const Configuration& configuration, const QString& fileName, QString* reason)
{
    const QString type = olma::exportFileType(fileName);
    if (type.isEmpty())
        return ExportResult::UnsupportedType;
    return configuration.exportToFile(fileName, type, reason) ? ExportResult::Exported : ExportResult::Failed;
}

} // namespace olma::config
