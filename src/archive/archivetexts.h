#pragma once

#include <QString>

// What the archive says to the user, in one place.
namespace olma::archive::texts {

// What a configuration snapshot was, as the snapshot list shows it.
inline const QString kReadFromPanel = QStringLiteral("считана из прибора");
inline const QString kWrittenToPanel = QStringLiteral("записана в прибор");
inline const QString kBackupBeforeWrite = QStringLiteral("резервная копия перед записью");
inline const QString kSavedToFile = QStringLiteral("сохранена в файл");
inline const QString kManual = QStringLiteral("вручную");
inline const QString kWriteNotConfirmed = QStringLiteral("запись не подтверждена");

// Log reads.
inline const QString kReadComplete = QStringLiteral("полностью");
inline const QString kReadPartial = QStringLiteral("частично");

// Comparison.
inline const QString kConfigurationsEqual = QStringLiteral("Конфигурации совпадают");
inline const QString kChanged = QStringLiteral("изменён");
inline const QString kArrow = QStringLiteral(" → ");
inline const QString kNone = QStringLiteral("—");
inline const QString kDescription = QStringLiteral("Описание");

// Opening the archive.
inline const QString kNoDriver = QStringLiteral("Архив недоступен: нет драйвера базы данных %1.");
inline const QString kCannotOpen = QStringLiteral("Невозможно открыть архив %1: %2");
inline const QString kBadUrl = QStringLiteral("Неверный адрес архива: \"%1\". Ожидается sqlite:///путь/файл.sqlite или "
                                              "postgresql://пользователь@узел:порт/база.");
inline const QString kNewerSchema =
    QStringLiteral("Архив %1 создан более новой версией программы (версия схемы %2, эта программа знает версии до %3). "
                   "Архив не изменён; обновите программу.");
inline const QString kMigrationFailed = QStringLiteral("Невозможно обновить схему архива %1 до версии %2: %3");
inline const QString kFailed = QStringLiteral("Ошибка архива: %1");
inline const QString kNoSuchSnapshot = QStringLiteral("В архиве нет снимка %1.");
inline const QString kNoSuchPanel = QStringLiteral("В архиве нет прибора с серийным номером %1.");
inline const QString kCannotCreateFolder = QStringLiteral("Невозможно создать папку архива %1.");

} // namespace olma::archive::texts
