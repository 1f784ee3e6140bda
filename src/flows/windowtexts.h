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
