#pragma once

#include "common/text.h"

#include <QString>

// What the main window says: the status line, the titles and messages of its commands.
// The configuration-file, export and log texts live with their subsystems.
namespace olma::app::texts {

// Status line.
inline constexpr olma::Text kStateUndetermined = OLMA_TEXT("MainWindow", "Состояние не определено");
inline constexpr olma::Text kStateLinked = OLMA_TEXT("MainWindow", "Связь с Ольма-Ех установлена");
inline constexpr olma::Text kStateNoLink = OLMA_TEXT("MainWindow", "Нет связи с Ольма-Ех");
inline constexpr olma::Text kStateBusy = OLMA_TEXT("MainWindow", "Устройство занято");
inline constexpr olma::Text kModelUndetermined = OLMA_TEXT("MainWindow", "Тип не определен");
inline constexpr olma::Text kModel4 = OLMA_TEXT("MainWindow", "Тип прибора: Ольма-4Ех");
inline constexpr olma::Text kModel8 = OLMA_TEXT("MainWindow", "Тип прибора: Ольма-8Ех");
inline constexpr olma::Text kModel16 = OLMA_TEXT("MainWindow", "Тип прибора: Ольма-16Ех");
inline constexpr olma::Text kVersion = OLMA_TEXT("MainWindow", "Версия ПО: %1");
inline constexpr olma::Text kSerial = OLMA_TEXT("MainWindow", "Серийный номер: %1");

// Shared by the panel commands.
inline constexpr olma::Text kNoDevice = OLMA_TEXT("MainWindow", "Не подключен прибор!");
inline constexpr olma::Text kAccessDenied = OLMA_TEXT("MainWindow", "Доступ к прибору запрещен");

// A page item that offers no page.
inline const QString kNotImplemented = QStringLiteral("Not implemented yet!");

// Configuration to and from the panel.
inline constexpr olma::Text kReadConfTitle = OLMA_TEXT("MainWindow", "Чтение конфигурации из прибора");
inline constexpr olma::Text kReadConfFailed = OLMA_TEXT("MainWindow", "Конфигурация не считана!");
inline constexpr olma::Text kReadConfCancelled = OLMA_TEXT("MainWindow", "Чтение конфигурации отменено");
inline constexpr olma::Text kWriteConfTitle = OLMA_TEXT("MainWindow", "Запись конфигурации в прибор");
inline constexpr olma::Text kWriteConfTypeMismatch =
    OLMA_TEXT("MainWindow", "Тип конфигурации и тип прибора не ссовпадают!");
inline constexpr olma::Text kWriteConfEmpty = OLMA_TEXT("MainWindow", "Конфигурация пуста!");
inline constexpr olma::Text kWriteConfFailed = OLMA_TEXT("MainWindow", "Запись конфигурации в прибор не произведена!");
inline constexpr olma::Text kWriteConfDone = OLMA_TEXT("MainWindow", "Запись конфигурации в прибор завершена");
// Blocks go one by one and each is kept as it arrives: a write that stops midway leaves a mix.
inline constexpr olma::Text kWriteConfInterrupted =
    OLMA_TEXT("MainWindow",
              "Запись конфигурации прервана: прибор мог сохранить часть конфигурации. Запишите конфигурацию ещё раз.");

// The write that backs up, writes what changed and reads it back.
inline constexpr olma::Text kWriteConfVerified = OLMA_TEXT("MainWindow", "Конфигурация записана в прибор и проверена");
inline constexpr olma::Text kWriteConfAlreadyEqual =
    OLMA_TEXT("MainWindow", "Конфигурация прибора уже совпадает с записываемой");
inline constexpr olma::Text kWriteConfMismatch = OLMA_TEXT(
    "MainWindow", "Проверка записи не пройдена: прибор хранит не то, что было записано. Прибор не перезапущен. "
                  "Отличаются:");
inline constexpr olma::Text kRestoreBackup = OLMA_TEXT("MainWindow", "Восстановить резервную копию");
inline constexpr olma::Text kClose = OLMA_TEXT("MainWindow", "Закрыть");
inline constexpr olma::Text kBackupKept = OLMA_TEXT("MainWindow", "Резервная копия: %1");
inline constexpr olma::Text kBackupNotKept = OLMA_TEXT("MainWindow", "Резервная копия не сохранена: %1");
inline constexpr olma::Text kRestoreTitle = OLMA_TEXT("MainWindow", "Восстановление резервной копии");
inline constexpr olma::Text kRestoreDone = OLMA_TEXT("MainWindow", "Резервная копия записана в прибор и проверена");
inline constexpr olma::Text kCompareTitle = OLMA_TEXT("MainWindow", "Сравнить с прибором");
inline constexpr olma::Text kShowChanges = OLMA_TEXT("MainWindow", "Показать изменения");
inline constexpr olma::Text kConfigurationsEqual = OLMA_TEXT("MainWindow", "Конфигурации совпадают");
inline constexpr olma::Text kBlocksDiffer = OLMA_TEXT("MainWindow", "Блоков отличается: %1");
// The question before a write.
inline constexpr olma::Text kConfirmWrite = OLMA_TEXT("MainWindow", "Записать");
inline constexpr olma::Text kCancel = OLMA_TEXT("MainWindow", "Отмена");
inline constexpr olma::Text kConfirmPanel =
    OLMA_TEXT("MainWindow", "Прибор: %1, серийный номер %2, версия ПО %3, порт %4");
inline constexpr olma::Text kConfirmSourceFile = OLMA_TEXT("MainWindow", "Записывается: файл %1");
inline constexpr olma::Text kConfirmSourceUnsaved = OLMA_TEXT("MainWindow", "Записывается: несохранённая конфигурация");
inline constexpr olma::Text kConfirmChanges = OLMA_TEXT("MainWindow", "Изменится полей: %1");
inline constexpr olma::Text kConfirmFirmware = OLMA_TEXT("MainWindow", "Файл прошивки: %1, %2 байт, от %3");
inline constexpr olma::Text kWriteAllBlocks = OLMA_TEXT("MainWindow", "Записывать все блоки");
inline constexpr olma::Text kPlainWrite = OLMA_TEXT("MainWindow", "Простая запись (без резервной копии и проверки)");

// Saving a configuration file.
inline constexpr olma::Text kSaveConfFailed =
    OLMA_TEXT("MainWindow", "Невозможно записать конфигурацию в файл: \"%1\"!");

// Firmware.
inline constexpr olma::Text kFirmwareTitle = OLMA_TEXT("MainWindow", "Запись прошивки в прибор");
inline constexpr olma::Text kFirmwareCaption = OLMA_TEXT("MainWindow", "Файл прошивки");
inline const QString kFirmwareFilter = QStringLiteral("*.iex");
inline constexpr olma::Text kFirmwareUnreadable = OLMA_TEXT("MainWindow", "Невозможно прочитать файл прошивки!");
inline constexpr olma::Text kFirmwareFailed = OLMA_TEXT("MainWindow", "Запись прошивки в прибор не произведена!");
inline constexpr olma::Text kFirmwareDone = OLMA_TEXT("MainWindow", "Запись прошивки в прибор завершена");
inline constexpr olma::Text kFirmwareInterrupted =
    OLMA_TEXT("MainWindow", "Загрузка прошивки прервана: прибор может не работать до повторной загрузки.");

// Restarting the panel.
inline constexpr olma::Text kResetTitle = OLMA_TEXT("MainWindow", "Сброс прибора");
inline constexpr olma::Text kResetDone = OLMA_TEXT("MainWindow", "Команда сброса прибора выполнена!");
inline constexpr olma::Text kResetUnsupported = OLMA_TEXT("MainWindow", "Команда не поддерживается!");
inline constexpr olma::Text kResetNoAccess = OLMA_TEXT("MainWindow", "Нет доступа к прибору!");
inline constexpr olma::Text kResetFailed =
    OLMA_TEXT("MainWindow", "Команда сброса прибора не выполнена! \n Код ошибки: %1");

// Port, state, help, About.
inline constexpr olma::Text kPortDialogTitle = OLMA_TEXT("MainWindow", "Выбор последовательного порта ППКОП");
inline constexpr olma::Text kRequestStateTitle = OLMA_TEXT("MainWindow", "Опрос состояния прибора");
inline constexpr olma::Text kHelpTitle = OLMA_TEXT("MainWindow", "Помощь");
inline constexpr olma::Text kHelpNotFound = OLMA_TEXT("MainWindow", "Файл справки не найден!");
inline const QString kHelpFile = QStringLiteral("help/olma.pdf");
inline const QString kHelpSource = QStringLiteral("help/olma.md");
inline constexpr olma::Text kAboutTitle = OLMA_TEXT("MainWindow", "О Программе");

// File dialogs start in the current directory.
inline const QString kStartDir = QStringLiteral(".");

} // namespace olma::app::texts
