#include "common/exportname.h"

#include <QRegularExpression>

namespace olma {

QString exportFileType(const QString& fileName)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral(".*.(txt|text|log|rtf|rtx|htm|html|csv)$")));
    const QRegularExpressionMatch match = pattern.match(fileName.toLower());
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace olma
