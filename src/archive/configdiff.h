#pragma once

#include <QStringList>

namespace olma::config {
class Configuration;
}

namespace olma::archive {

// The differences between two configurations, field by field, in the words of the text export:
// "ШС 3: Тип ШС: Охранный → Пожарный", "Параметры: Время тайм-аута 1 на взятие-снятие: 10 → 30".
// Passwords and iButton keys are never shown: their lines end in "изменён". Descriptions are
// compared too. Lines come in the order of the export: parameters, blocks, users, loops, programs,
// then descriptions.
QStringList compareConfigurations(const olma::config::Configuration& before, const olma::config::Configuration& after);

// The comparison as the user reads it: one difference a line, or "Конфигурации совпадают".
QString comparisonText(const QStringList& differences);

} // namespace olma::archive
