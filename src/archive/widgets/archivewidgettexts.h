#pragma once

#include "common/text.h"

#include <QString>
#include <QStringList>

// What the archive's windows say, in one place.
namespace olma::archive::widgettexts {

// The menu.
inline constexpr olma::Text kMenu = OLMA_TEXT("ArchiveWindow", "Архив");
inline constexpr olma::Text kPanelsAction = OLMA_TEXT("ArchiveWindow", "Приборы…");
inline constexpr olma::Text kSettingsAction = OLMA_TEXT("ArchiveWindow", "Архив…");

// The settings dialog.
inline constexpr olma::Text kSettingsTitle = OLMA_TEXT("ArchiveWindow", "Архив");
inline constexpr olma::Text kEnabled = OLMA_TEXT("ArchiveWindow", "Вести архив приборов");
inline constexpr olma::Text kAutomatic =
    OLMA_TEXT("ArchiveWindow", "Архивировать автоматически (чтение, запись, журнал, сохранение в файл)");
inline constexpr olma::Text kUrl = OLMA_TEXT("ArchiveWindow", "Адрес архива:");
inline constexpr olma::Text kUrlPlaceholder = OLMA_TEXT("ArchiveWindow", "по умолчанию: %1");
inline constexpr olma::Text kUrlHint =
    OLMA_TEXT("ArchiveWindow", "sqlite:///путь/файл.sqlite или postgresql://пользователь@узел:порт/база. "
                               "Пароль не сохраняется: он берется из ~/.pgpass или спрашивается.");
inline constexpr olma::Text kSslMode = OLMA_TEXT("ArchiveWindow", "Шифрование (sslmode):");
inline constexpr olma::Text kOverridden = OLMA_TEXT(
    "ArchiveWindow", "В этом запуске архив задан в командной строке; изменения вступят в силу при следующем запуске.");

// The panel list.
inline constexpr olma::Text kPanelsTitle = OLMA_TEXT("ArchiveWindow", "Приборы в архиве");
inline constexpr olma::Text kSearch = OLMA_TEXT("ArchiveWindow", "Поиск: серийный номер, название, объект, примечания");
inline const QStringList kPanelColumns = {
    OLMA_TEXT("ArchiveWindow", "Серийный номер"), OLMA_TEXT("ArchiveWindow", "Модель"),
    OLMA_TEXT("ArchiveWindow", "Название"),       OLMA_TEXT("ArchiveWindow", "Объект"),
    OLMA_TEXT("ArchiveWindow", "Примечания"),     OLMA_TEXT("ArchiveWindow", "Последняя связь"),
    OLMA_TEXT("ArchiveWindow", "Снимков"),        OLMA_TEXT("ArchiveWindow", "Событий")};
inline const QStringList kSnapshotColumns = {QStringLiteral("№"),
                                             OLMA_TEXT("ArchiveWindow", "Время"),
                                             OLMA_TEXT("ArchiveWindow", "Что"),
                                             OLMA_TEXT("ArchiveWindow", "Файл"),
                                             OLMA_TEXT("ArchiveWindow", "Оператор"),
                                             OLMA_TEXT("ArchiveWindow", "Компьютер")};
inline constexpr olma::Text kSnapshotsOf = OLMA_TEXT("ArchiveWindow", "Конфигурации прибора %1");
inline constexpr olma::Text kOpen = OLMA_TEXT("ArchiveWindow", "Открыть");
inline constexpr olma::Text kSave = OLMA_TEXT("ArchiveWindow", "Сохранить в файл…");
inline constexpr olma::Text kCompare = OLMA_TEXT("ArchiveWindow", "Сравнить…");
inline constexpr olma::Text kHistory = OLMA_TEXT("ArchiveWindow", "Журнал событий");
inline constexpr olma::Text kClose = OLMA_TEXT("ArchiveWindow", "Закрыть");
inline const QString kTimeFormat = QStringLiteral("dd.MM.yyyy HH:mm:ss");
inline constexpr olma::Text kSaveTitle = OLMA_TEXT("ArchiveWindow", "Сохранить конфигурацию из архива");
inline constexpr olma::Text kSaveFailed = OLMA_TEXT("ArchiveWindow", "Конфигурация не сохранена в файл %1.");
inline constexpr olma::Text kSaveDone = OLMA_TEXT("ArchiveWindow", "Конфигурация сохранена в файл %1.");
inline constexpr olma::Text kNoHistory = OLMA_TEXT("ArchiveWindow", "В архиве нет событий прибора %1.");

// The comparison.
inline constexpr olma::Text kCompareTitle = OLMA_TEXT("ArchiveWindow", "Сравнение конфигураций");
inline constexpr olma::Text kSnapshotSide = OLMA_TEXT("ArchiveWindow", "снимок %1 от %2 (%3)");
inline constexpr olma::Text kCurrentSide = OLMA_TEXT("ArchiveWindow", "текущая конфигурация");
inline constexpr olma::Text kComparing = OLMA_TEXT("ArchiveWindow", "Было: %1\nСтало: %2");
inline constexpr olma::Text kDifferentModels =
    OLMA_TEXT("ArchiveWindow", "Конфигурации разных моделей приборов не сравниваются: %1 и %2.");

// Automatic archiving that failed; the command's own result stands.
inline constexpr olma::Text kTroubleTitle = OLMA_TEXT("ArchiveWindow", "Архив");
inline constexpr olma::Text kTrouble = OLMA_TEXT("ArchiveWindow", "Архив: %1");
inline constexpr olma::Text kTroubleMessage =
    OLMA_TEXT("ArchiveWindow",
              "Не удалось сохранить в архив: %1\nКоманда выполнена; архив будет недоступен до устранения ошибки.");
inline constexpr olma::Text kPasswordTitle = OLMA_TEXT("ArchiveWindow", "Пароль архива");
inline constexpr olma::Text kPasswordPrompt = OLMA_TEXT("ArchiveWindow", "Пароль для архива %1:");

} // namespace olma::archive::widgettexts
