#pragma once

#include "common/text.h"

#include <QString>

// Every text of the configuration export: the command's dialog and messages, the document
// frames, the labels and the value words of the sections. Kept together so that the window and
// the command-line tool write and say exactly the same things.
namespace olma::config::exporttexts {

// The export command.
inline constexpr olma::Text kTitle = OLMA_TEXT("ConfigExport", "Экспорт конфигурации");
inline constexpr olma::Text kCaption = OLMA_TEXT("ConfigExport", "Имя файла для экспорта");
inline const QString kStartDir = QStringLiteral(".");
inline constexpr olma::Text kFilter =
    OLMA_TEXT("ConfigExport", "Текст(*.txt *.text *.log);;Word (*.rtf *.rtx);;Html(*.htm *.html);;Excel(*.csv)");
inline constexpr olma::Text kUnsupported = OLMA_TEXT("ConfigExport", "Выбранный тип файлов не поддерживается!");
inline constexpr olma::Text kFailed = OLMA_TEXT("ConfigExport", "Невозможно экспортировать конфигурацию!");
inline constexpr olma::Text kDone = OLMA_TEXT("ConfigExport", "Конфигурация успешно экспортированна в файл!");

// Section names in the document frames.
inline constexpr olma::Text kParamsSection = OLMA_TEXT("ConfigExport", "Параметры");
inline constexpr olma::Text kContentSection = OLMA_TEXT("ConfigExport", "Состав");
inline constexpr olma::Text kUsersSection = OLMA_TEXT("ConfigExport", "Пользователи");
inline constexpr olma::Text kTailsSection = OLMA_TEXT("ConfigExport", "Шлейфы сигнализации");
inline constexpr olma::Text kProgrammsSection = OLMA_TEXT("ConfigExport", "Активация реле");
inline constexpr olma::Text kHtmlTitle = OLMA_TEXT("ConfigExport", "Конфигурация прибора ППКОП Ольма-Ех");

// Value words.
inline constexpr olma::Text kFlagOn = OLMA_TEXT("ConfigExport", "Включено");
inline constexpr olma::Text kFlagOff = OLMA_TEXT("ConfigExport", "Выключено");
inline constexpr olma::Text kRightOn = OLMA_TEXT("ConfigExport", "Разрешено");
inline constexpr olma::Text kRightOff = OLMA_TEXT("ConfigExport", "Запрещено");
inline constexpr olma::Text kAccessOn = OLMA_TEXT("ConfigExport", "Разрешен");
inline constexpr olma::Text kAccessOff = OLMA_TEXT("ConfigExport", "Запрещен");
inline constexpr olma::Text kBlockOn = OLMA_TEXT("ConfigExport", "Включен");
inline constexpr olma::Text kBlockOff = OLMA_TEXT("ConfigExport", "Выключен");
inline constexpr olma::Text kSyncOn = OLMA_TEXT("ConfigExport", "копировать дату и время с ПК");
inline constexpr olma::Text kSyncOff = OLMA_TEXT("ConfigExport", "не менять дату и время");
inline constexpr olma::Text kSyncOnRtf = OLMA_TEXT("ConfigExport", "Копировать дату и время с ПК");
inline constexpr olma::Text kSyncOffRtf = OLMA_TEXT("ConfigExport", "Не менять дату и время");

// General parameters.
inline constexpr olma::Text kTimer1 = OLMA_TEXT("ConfigExport", "Время тайм-аута 1 на взятие-снятие");
inline constexpr olma::Text kTimer2 = OLMA_TEXT("ConfigExport", "Время тайм-аута 2 на взятие-снятие");
inline constexpr olma::Text kAutoPre = OLMA_TEXT("ConfigExport", "Время на автоперевзятие охранного ШС");
inline constexpr olma::Text kAutoPreDaily = OLMA_TEXT("ConfigExport", "Время на автоперевзятие круглосуточного ШС");
inline constexpr olma::Text kKvSound = OLMA_TEXT("ConfigExport", "Время работы звуковой индикации клавиатур");
inline constexpr olma::Text kPtsSound = OLMA_TEXT("ConfigExport", "Время работы звуковой индикации ПЦ");
inline constexpr olma::Text kEngineerPassword = OLMA_TEXT("ConfigExport", "Пароль инженера");
inline constexpr olma::Text kMessage1 = OLMA_TEXT("ConfigExport", "Сообщение пользователя 1");
inline constexpr olma::Text kMessage2 = OLMA_TEXT("ConfigExport", "Сообщение пользователя 2");
inline constexpr olma::Text kTimeSync = OLMA_TEXT("ConfigExport", "Синхронизация с ПК");
// The CSV header keeps the spelling the panel's engineers have always seen.
// Only ever in a document.
inline const QString kCsvParamsHeader = QStringLiteral("Парметр;Значение\r\n");
inline constexpr olma::Text kParamColumn = OLMA_TEXT("ConfigExport", "Параметр");
inline constexpr olma::Text kValueColumn = OLMA_TEXT("ConfigExport", "Значение");
inline constexpr olma::Text kNoPassword = OLMA_TEXT("ConfigExport", "Пароль не задан");

// Connected blocks.
inline constexpr olma::Text kBlockColumn = OLMA_TEXT("ConfigExport", "Блок");
inline constexpr olma::Text kStateColumn = OLMA_TEXT("ConfigExport", "Состояние");

// Users.
inline constexpr olma::Text kPassword = OLMA_TEXT("ConfigExport", "Пароль");
inline constexpr olma::Text kKey = OLMA_TEXT("ConfigExport", "Идентификатор ключа iButton");
inline constexpr olma::Text kNoKey = OLMA_TEXT("ConfigExport", "Ключ iButton не задан");
inline constexpr olma::Text kTailOff = OLMA_TEXT("ConfigExport", "Снятие ШС");
inline constexpr olma::Text kTailOn = OLMA_TEXT("ConfigExport", "Взятие ШС");
inline constexpr olma::Text kPartialTailOnOff = OLMA_TEXT("ConfigExport", "Частичное Взятие/Снятие ШС");
inline constexpr olma::Text kTailDrop = OLMA_TEXT("ConfigExport", "Сброс сообщений блоков");
inline constexpr olma::Text kAccess = OLMA_TEXT("ConfigExport", "Доступ к ШС");
inline constexpr olma::Text kAccessLoop = OLMA_TEXT("ConfigExport", "ШС %1");

// Alarm loops.
inline constexpr olma::Text kTailType = OLMA_TEXT("ConfigExport", "Тип ШС");
inline constexpr olma::Text kGuardOnTimeout = OLMA_TEXT("ConfigExport", "Номер таймаута на взятие");
inline constexpr olma::Text kGuardOffTimeout = OLMA_TEXT("ConfigExport", "Номер таймаута на снятие");
inline constexpr olma::Text kWithoutAlarm = OLMA_TEXT("ConfigExport", "Без отображения тревог");
inline constexpr olma::Text kAutoReset = OLMA_TEXT("ConfigExport", "Автопересброс");
inline constexpr olma::Text kBizEx = OLMA_TEXT("ConfigExport", "Наличие БИЗ-Ex");
inline constexpr olma::Text kAutoReGuardOn = OLMA_TEXT("ConfigExport", "Автоперевзятие");
inline constexpr olma::Text kReRequest = OLMA_TEXT("ConfigExport", "Переопрос");
inline constexpr olma::Text kFaultCheck = OLMA_TEXT("ConfigExport", "Контроль исправности");
inline constexpr olma::Text kFire1 = OLMA_TEXT("ConfigExport", "Пожар-1");

} // namespace olma::config::exporttexts
