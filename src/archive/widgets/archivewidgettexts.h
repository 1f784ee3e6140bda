#pragma once

#include <QString>
#include <QStringList>

// What the archive's windows say, in one place.
namespace olma::archive::widgettexts {

// The menu.
inline const QString kMenu = QStringLiteral("Архив");
inline const QString kPanelsAction = QStringLiteral("Приборы…");
inline const QString kSettingsAction = QStringLiteral("Архив…");

// The settings dialog.
inline const QString kSettingsTitle = QStringLiteral("Архив");
inline const QString kEnabled = QStringLiteral("Вести архив приборов");
inline const QString kAutomatic =
    QStringLiteral("Архивировать автоматически (чтение, запись, журнал, сохранение в файл)");
inline const QString kUrl = QStringLiteral("Адрес архива:");
inline const QString kUrlPlaceholder = QStringLiteral("по умолчанию: %1");
inline const QString kUrlHint =
    QStringLiteral("sqlite:///путь/файл.sqlite или postgresql://пользователь@узел:порт/база. "
                   "Пароль не сохраняется: он берется из ~/.pgpass или спрашивается.");
inline const QString kSslMode = QStringLiteral("Шифрование (sslmode):");
inline const QString kOverridden =
    QStringLiteral("В этом запуске архив задан в командной строке; изменения вступят в силу при следующем запуске.");

// The panel list.
inline const QString kPanelsTitle = QStringLiteral("Приборы в архиве");
inline const QString kSearch = QStringLiteral("Поиск: серийный номер, название, объект, примечания");
inline const QStringList kPanelColumns = {QStringLiteral("Серийный номер"), QStringLiteral("Модель"),
                                          QStringLiteral("Название"),       QStringLiteral("Объект"),
                                          QStringLiteral("Примечания"),     QStringLiteral("Последняя связь"),
                                          QStringLiteral("Снимков"),        QStringLiteral("Событий")};
inline const QStringList kSnapshotColumns = {QStringLiteral("№"),        QStringLiteral("Время"),
                                             QStringLiteral("Что"),      QStringLiteral("Файл"),
                                             QStringLiteral("Оператор"), QStringLiteral("Компьютер")};
inline const QString kSnapshotsOf = QStringLiteral("Конфигурации прибора %1");
inline const QString kOpen = QStringLiteral("Открыть");
inline const QString kSave = QStringLiteral("Сохранить в файл…");
inline const QString kCompare = QStringLiteral("Сравнить…");
inline const QString kHistory = QStringLiteral("Журнал событий");
inline const QString kClose = QStringLiteral("Закрыть");
inline const QString kTimeFormat = QStringLiteral("dd.MM.yyyy HH:mm:ss");
inline const QString kSaveTitle = QStringLiteral("Сохранить конфигурацию из архива");
inline const QString kSaveFailed = QStringLiteral("Конфигурация не сохранена в файл %1.");
inline const QString kSaveDone = QStringLiteral("Конфигурация сохранена в файл %1.");
inline const QString kNoHistory = QStringLiteral("В архиве нет событий прибора %1.");

// The comparison.
inline const QString kCompareTitle = QStringLiteral("Сравнение конфигураций");
inline const QString kSnapshotSide = QStringLiteral("снимок %1 от %2 (%3)");
inline const QString kCurrentSide = QStringLiteral("текущая конфигурация");
inline const QString kComparing = QStringLiteral("Было: %1\nСтало: %2");
inline const QString kDifferentModels =
    QStringLiteral("Конфигурации разных моделей приборов не сравниваются: %1 и %2.");

// Automatic archiving that failed; the command's own result stands.
inline const QString kTroubleTitle = QStringLiteral("Архив");
inline const QString kTrouble = QStringLiteral("Архив: %1");
inline const QString kTroubleMessage =
    QStringLiteral("Не удалось сохранить в архив: %1\nКоманда выполнена; архив будет недоступен до устранения ошибки.");
inline const QString kPasswordTitle = QStringLiteral("Пароль архива");
inline const QString kPasswordPrompt = QStringLiteral("Пароль для архива %1:");

} // namespace olma::archive::widgettexts
