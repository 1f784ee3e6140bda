#pragma once

#include <QString>

// What the main window says: the status line, the titles and messages of its commands.
// The configuration-file, export and log texts live with their subsystems.
namespace olma::app::texts {

// Status line.
inline const QString kStateUndetermined = QStringLiteral("Состояние не определено");
inline const QString kStateLinked = QStringLiteral("Связь с Ольма-Ех установлена");
inline const QString kStateNoLink = QStringLiteral("Нет связи с Ольма-Ех");
inline const QString kStateBusy = QStringLiteral("Устройство занято");
inline const QString kModelUndetermined = QStringLiteral("Тип не определен");
inline const QString kModel4 = QStringLiteral("Тип прибора: Ольма-4Ех");
inline const QString kModel8 = QStringLiteral("Тип прибора: Ольма-8Ех");
inline const QString kModel16 = QStringLiteral("Тип прибора: Ольма-16Ех");
inline const QString kVersion = QStringLiteral("Версия ПО: %1");
inline const QString kSerial = QStringLiteral("Серийный номер: %1");

// Shared by the panel commands.
inline const QString kNoDevice = QStringLiteral("Не подключен прибор!");
inline const QString kAccessDenied = QStringLiteral("Доступ к прибору запрещен");

// A page item that offers no page.
inline const QString kNotImplemented = QStringLiteral("Not implemented yet!");

// Configuration to and from the panel.
inline const QString kReadConfTitle = QStringLiteral("Чтение конфигурации из прибора");
inline const QString kReadConfFailed = QStringLiteral("Конфигурация не считана!");
inline const QString kReadConfCancelled = QStringLiteral("Чтение конфигурации отменено");
inline const QString kWriteConfTitle = QStringLiteral("Запись конфигурации в прибор");
inline const QString kWriteConfTypeMismatch = QStringLiteral("Тип конфигурации и тип прибора не ссовпадают!");
inline const QString kWriteConfEmpty = QStringLiteral("Конфигурация пуста!");
inline const QString kWriteConfFailed = QStringLiteral("Запись конфигурации в прибор не произведена!");
inline const QString kWriteConfDone = QStringLiteral("Запись конфигурации в прибор завершена");
// Blocks go one by one and each is kept as it arrives: a write that stops midway leaves a mix.
inline const QString kWriteConfInterrupted = QStringLiteral(
    "Запись конфигурации прервана: прибор мог сохранить часть конфигурации. Запишите конфигурацию ещё раз.");

// The write that backs up, writes what changed and reads it back.
inline const QString kWriteConfVerified = QStringLiteral("Конфигурация записана в прибор и проверена");
inline const QString kWriteConfAlreadyEqual = QStringLiteral("Конфигурация прибора уже совпадает с записываемой");
inline const QString kWriteConfMismatch =
    QStringLiteral("Проверка записи не пройдена: прибор хранит не то, что было записано. Прибор не перезапущен. "
                   "Отличаются:");
inline const QString kRestoreBackup = QStringLiteral("Восстановить резервную копию");
inline const QString kClose = QStringLiteral("Закрыть");
inline const QString kBackupKept = QStringLiteral("Резервная копия: %1");
inline const QString kBackupNotKept = QStringLiteral("Резервная копия не сохранена: %1");
inline const QString kRestoreTitle = QStringLiteral("Восстановление резервной копии");
inline const QString kRestoreDone = QStringLiteral("Резервная копия записана в прибор и проверена");
inline const QString kCompareTitle = QStringLiteral("Сравнить с прибором");
inline const QString kShowChanges = QStringLiteral("Показать изменения");
inline const QString kConfigurationsEqual = QStringLiteral("Конфигурации совпадают");
inline const QString kBlocksDiffer = QStringLiteral("Блоков отличается: %1");
// The question before a write.
inline const QString kConfirmWrite = QStringLiteral("Записать");
inline const QString kCancel = QStringLiteral("Отмена");
inline const QString kConfirmPanel = QStringLiteral("Прибор: %1, серийный номер %2, версия ПО %3, порт %4");
inline const QString kConfirmSourceFile = QStringLiteral("Записывается: файл %1");
inline const QString kConfirmSourceUnsaved = QStringLiteral("Записывается: несохранённая конфигурация");
inline const QString kConfirmChanges = QStringLiteral("Изменится полей: %1");
inline const QString kConfirmFirmware = QStringLiteral("Файл прошивки: %1, %2 байт, от %3");
inline const QString kWriteAllBlocks = QStringLiteral("Записывать все блоки");
inline const QString kPlainWrite = QStringLiteral("Простая запись (без резервной копии и проверки)");

// Saving a configuration file.
inline const QString kSaveConfFailed = QStringLiteral("Невозможно записать конфигурацию в файл: \"%1\"!");

// Firmware.
inline const QString kFirmwareTitle = QStringLiteral("Запись прошивки в прибор");
inline const QString kFirmwareCaption = QStringLiteral("Файл прошивки");
inline const QString kFirmwareFilter = QStringLiteral("*.iex");
inline const QString kFirmwareUnreadable = QStringLiteral("Невозможно прочитать файл прошивки!");
inline const QString kFirmwareFailed = QStringLiteral("Запись прошивки в прибор не произведена!");
inline const QString kFirmwareDone = QStringLiteral("Запись прошивки в прибор завершена");
inline const QString kFirmwareInterrupted =
    QStringLiteral("Загрузка прошивки прервана: прибор может не работать до повторной загрузки.");

// Restarting the panel.
inline const QString kResetTitle = QStringLiteral("Сброс прибора");
inline const QString kResetDone = QStringLiteral("Команда сброса прибора выполнена!");
inline const QString kResetUnsupported = QStringLiteral("Команда не поддерживается!");
inline const QString kResetNoAccess = QStringLiteral("Нет доступа к прибору!");
inline const QString kResetFailed = QStringLiteral("Команда сброса прибора не выполнена! \n Код ошибки: %1");

// Port, state, help, About.
inline const QString kPortDialogTitle = QStringLiteral("Выбор последовательного порта ППКОП");
inline const QString kRequestStateTitle = QStringLiteral("Опрос состояния прибора");
inline const QString kHelpTitle = QStringLiteral("Помощь");
inline const QString kHelpNotFound = QStringLiteral("Файл справки не найден!");
inline const QString kHelpFile = QStringLiteral("help/olma.pdf");
inline const QString kHelpSource = QStringLiteral("help/olma.md");
inline const QString kAboutTitle = QStringLiteral("О Программе");

// File dialogs start in the current directory.
inline const QString kStartDir = QStringLiteral(".");

} // namespace olma::app::texts
