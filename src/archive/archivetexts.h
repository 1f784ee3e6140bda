#pragma once

#include "common/text.h"

#include <QString>

// What the archive says to the user, in one place.
namespace olma::archive::texts {

// What a configuration snapshot was, as the snapshot list shows it.
inline constexpr olma::Text kReadFromPanel = OLMA_TEXT("Archive", "считана из прибора");
inline constexpr olma::Text kWrittenToPanel = OLMA_TEXT("Archive", "записана в прибор");
inline constexpr olma::Text kBackupBeforeWrite = OLMA_TEXT("Archive", "резервная копия перед записью");
inline constexpr olma::Text kSavedToFile = OLMA_TEXT("Archive", "сохранена в файл");
inline constexpr olma::Text kManual = OLMA_TEXT("Archive", "вручную");
inline constexpr olma::Text kWriteNotConfirmed = OLMA_TEXT("Archive", "запись не подтверждена");

// Log reads.
inline constexpr olma::Text kReadComplete = OLMA_TEXT("Archive", "полностью");
inline constexpr olma::Text kReadPartial = OLMA_TEXT("Archive", "частично");

// Comparison.
inline constexpr olma::Text kConfigurationsEqual = OLMA_TEXT("Archive", "Конфигурации совпадают");
inline constexpr olma::Text kChanged = OLMA_TEXT("Archive", "изменён");
inline const QString kArrow = QStringLiteral(" → ");
inline const QString kNone = QStringLiteral("—");
inline constexpr olma::Text kDescription = OLMA_TEXT("Archive", "Описание");

// Opening the archive.
inline constexpr olma::Text kNoDriver = OLMA_TEXT("Archive", "Архив недоступен: нет драйвера базы данных %1.");
inline constexpr olma::Text kCannotOpen = OLMA_TEXT("Archive", "Невозможно открыть архив %1: %2");
inline constexpr olma::Text kBadUrl =
    OLMA_TEXT("Archive", "Неверный адрес архива: \"%1\". Ожидается sqlite:///путь/файл.sqlite или "
                         "postgresql://пользователь@узел:порт/база.");
inline constexpr olma::Text kNewerSchema = OLMA_TEXT(
    "Archive", "Архив %1 создан более новой версией программы (версия схемы %2, эта программа знает версии до %3). "
               "Архив не изменён; обновите программу.");
inline constexpr olma::Text kMigrationFailed =
    OLMA_TEXT("Archive", "Невозможно обновить схему архива %1 до версии %2: %3");
inline constexpr olma::Text kFailed = OLMA_TEXT("Archive", "Ошибка архива: %1");
inline constexpr olma::Text kNoSuchSnapshot = OLMA_TEXT("Archive", "В архиве нет снимка %1.");
inline constexpr olma::Text kNoSuchPanel = OLMA_TEXT("Archive", "В архиве нет прибора с серийным номером %1.");
inline constexpr olma::Text kCannotCreateFolder = OLMA_TEXT("Archive", "Невозможно создать папку архива %1.");

} // namespace olma::archive::texts
