#pragma once

#include <QString>

// Every text of the configuration export: the command's dialog and messages, the document
// frames, the labels and the value words of the sections. Kept together so that the window and
// the command-line tool write and say exactly the same things.
namespace olma::config::exporttexts {

// The export command.
inline const QString kTitle = QStringLiteral("Экспорт конфигурации");
inline const QString kCaption = QStringLiteral("Имя файла для экспорта");
inline const QString kStartDir = QStringLiteral(".");
inline const QString kFilter =
    QStringLiteral("Текст(*.txt *.text *.log);;Word (*.rtf *.rtx);;Html(*.htm *.html);;Excel(*.csv)");
inline const QString kUnsupported = QStringLiteral("Выбранный тип файлов не поддерживается!");
inline const QString kFailed = QStringLiteral("Невозможно экспортировать конфигурацию!");
inline const QString kDone = QStringLiteral("Конфигурация успешно экспортированна в файл!");

// Section names in the document frames.
inline const QString kParamsSection = QStringLiteral("Параметры");
inline const QString kContentSection = QStringLiteral("Состав");
inline const QString kUsersSection = QStringLiteral("Пользователи");
inline const QString kTailsSection = QStringLiteral("Шлейфы сигнализации");
inline const QString kProgrammsSection = QStringLiteral("Активация реле");
inline const QString kHtmlTitle = QStringLiteral("Конфигурация прибора ППКОП Ольма-Ех");

// Value words.
inline const QString kFlagOn = QStringLiteral("Включено");
inline const QString kFlagOff = QStringLiteral("Выключено");
inline const QString kRightOn = QStringLiteral("Разрешено");
inline const QString kRightOff = QStringLiteral("Запрещено");
inline const QString kAccessOn = QStringLiteral("Разрешен");
inline const QString kAccessOff = QStringLiteral("Запрещен");
inline const QString kBlockOn = QStringLiteral("Включен");
inline const QString kBlockOff = QStringLiteral("Выключен");
inline const QString kSyncOn = QStringLiteral("копировать дату и время с ПК");
inline const QString kSyncOff = QStringLiteral("не менять дату и время");
inline const QString kSyncOnRtf = QStringLiteral("Копировать дату и время с ПК");
inline const QString kSyncOffRtf = QStringLiteral("Не менять дату и время");

// General parameters.
inline const QString kTimer1 = QStringLiteral("Время тайм-аута 1 на взятие-снятие");
inline const QString kTimer2 = QStringLiteral("Время тайм-аута 2 на взятие-снятие");
inline const QString kAutoPre = QStringLiteral("Время на автоперевзятие охранного ШС");
inline const QString kAutoPreDaily = QStringLiteral("Время на автоперевзятие круглосуточного ШС");
inline const QString kKvSound = QStringLiteral("Время работы звуковой индикации клавиатур");
inline const QString kPtsSound = QStringLiteral("Время работы звуковой индикации ПЦ");
inline const QString kEngineerPassword = QStringLiteral("Пароль инженера");
inline const QString kMessage1 = QStringLiteral("Сообщение пользователя 1");
inline const QString kMessage2 = QStringLiteral("Сообщение пользователя 2");
inline const QString kTimeSync = QStringLiteral("Синхронизация с ПК");
// The CSV header keeps the spelling the panel's engineers have always seen.
inline const QString kCsvParamsHeader = QStringLiteral("Парметр;Значение\r\n");
inline const QString kParamColumn = QStringLiteral("Параметр");
inline const QString kValueColumn = QStringLiteral("Значение");
inline const QString kNoPassword = QStringLiteral("Пароль не задан");

// Connected blocks.
inline const QString kBlockColumn = QStringLiteral("Блок");
inline const QString kStateColumn = QStringLiteral("Состояние");

// Users.
inline const QString kPassword = QStringLiteral("Пароль");
inline const QString kKey = QStringLiteral("Идентификатор ключа iButton");
inline const QString kNoKey = QStringLiteral("Ключ iButton не задан");
inline const QString kTailOff = QStringLiteral("Снятие ШС");
inline const QString kTailOn = QStringLiteral("Взятие ШС");
inline const QString kPartialTailOnOff = QStringLiteral("Частичное Взятие/Снятие ШС");
inline const QString kTailDrop = QStringLiteral("Сброс сообщений блоков");
inline const QString kAccess = QStringLiteral("Доступ к ШС");
inline const QString kAccessLoop = QStringLiteral("ШС %1");

// Alarm loops.
inline const QString kTailType = QStringLiteral("Тип ШС");
inline const QString kGuardOnTimeout = QStringLiteral("Номер таймаута на взятие");
inline const QString kGuardOffTimeout = QStringLiteral("Номер таймаута на снятие");
inline const QString kWithoutAlarm = QStringLiteral("Без отображения тревог");
inline const QString kAutoReset = QStringLiteral("Автопересброс");
inline const QString kBizEx = QStringLiteral("Наличие БИЗ-Ex");
inline const QString kAutoReGuardOn = QStringLiteral("Автоперевзятие");
inline const QString kReRequest = QStringLiteral("Переопрос");
inline const QString kFaultCheck = QStringLiteral("Контроль исправности");
inline const QString kFire1 = QStringLiteral("Пожар-1");

} // namespace olma::config::exporttexts
