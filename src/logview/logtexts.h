#pragma once

#include "common/text.h"

#include <QString>

// Titles, captions and messages of the event log's commands, kept together so that the
// window, the viewer and any other front end say exactly the same things.
namespace olma::logview::texts {

inline constexpr olma::Text kPageTitle = OLMA_TEXT("Log", "Журнал событий");

// Reading the log from the panel.
inline constexpr olma::Text kReadTitle = OLMA_TEXT("Log", "Считывание журнала событий");
inline constexpr olma::Text kReadFailed = OLMA_TEXT("Log", "Невозможно считать журнал событий!");
inline constexpr olma::Text kReadCancelled = OLMA_TEXT("Log", "Считывание журнала событий отменено.");
// Under the filter of a log that a failed or cancelled read left short, and in the read's message.
inline QString partialLog(int events)
{
    constexpr olma::Text kOne = OLMA_TEXT("Log", "событие");
    constexpr olma::Text kFew = OLMA_TEXT("Log", "события");
    constexpr olma::Text kMany = OLMA_TEXT("Log", "событий");
    olma::Text noun = kMany;
    if (kMany.toString() != kMany.source()) {
        // A translation: counted as in English, one event and any other number of events.
        noun = events == 1 ? kOne : kMany;
    } else {
        // Russian counts: 1, 21, 31 событие; 2-4, 22-24 события; 0, 5-20, 25-30 событий.
        const int lastTwo = events % 100;
        const int last = events % 10;
        if (last == 1 && lastTwo != 11)
            noun = kOne;
        else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
            noun = kFew;
    }
    return OLMA_TEXT("Log", "Журнал считан не полностью: получено %1 %2").arg(events).arg(noun.toString());
}

// Binary log files.
inline constexpr olma::Text kBinaryFilter = OLMA_TEXT("Log", "Двоичный (*.bin)");
inline const QString kStartDir = QStringLiteral(".");
inline constexpr olma::Text kOpenCaption = OLMA_TEXT("Log", "Открыть файл журнала");
inline constexpr olma::Text kOpenErrorTitle = OLMA_TEXT("Log", "Ошибка чтения файла журнала");
inline constexpr olma::Text kFileNotFound = OLMA_TEXT("Log", "Файл журнала: \"%1\" не наден!");
inline constexpr olma::Text kFileTooLarge =
    OLMA_TEXT("Log", "Файл журнала: \"%1\" слишком велик (%2 байт, допустимо не более 16 МиБ)!");
inline constexpr olma::Text kSaveCaption = OLMA_TEXT("Log", "Файл журнала");
inline constexpr olma::Text kSaveTitle = OLMA_TEXT("Log", "Запись журнала в файл");
inline constexpr olma::Text kSaveFailed = OLMA_TEXT("Log", "Запись журнала в файл %1 не выполнена!");
inline constexpr olma::Text kSaveDone = OLMA_TEXT("Log", "Журнал успешно записан в файл: %1!");

// Export.
inline constexpr olma::Text kExportCaption = OLMA_TEXT("Log", "Имя файла для экспорта");
inline constexpr olma::Text kExportFilter =
    OLMA_TEXT("Log", "Текст (*.txt *.text *.log);;Word (*.rtf *.rtx);;Html (*.htm *.html);;Excel (*.csv)");
inline constexpr olma::Text kExportTitle = OLMA_TEXT("Log", "Экспорт журнала в файл");
inline constexpr olma::Text kExportUnsupported = OLMA_TEXT("Log", "Данный тип файлов не поддерживается!");
inline constexpr olma::Text kExportFailed = OLMA_TEXT("Log", "Записи журнала не экспортированы!");
inline constexpr olma::Text kExportDone = OLMA_TEXT("Log", "Журнал успешно экспортирован!");
inline constexpr olma::Text kExportMenuEntry = OLMA_TEXT("Log", "Экспортировать журнал");

// The viewer's additions: the count line, search, quick filters, the legend and printing.
inline constexpr olma::Text kShownCount = OLMA_TEXT("Log", "Показано %1 из %2 событий");
inline constexpr olma::Text kPartialCount = OLMA_TEXT("Log", "журнал прочитан не полностью: %1 событий");
inline constexpr olma::Text kSearchPlaceholder = OLMA_TEXT("Log", "Поиск по всем столбцам");
inline constexpr olma::Text kQuickFire = OLMA_TEXT("Log", "Пожар");
inline constexpr olma::Text kQuickAlarms = OLMA_TEXT("Log", "Тревоги");
inline constexpr olma::Text kQuickFaults = OLMA_TEXT("Log", "Неисправности");
inline constexpr olma::Text kQuickUsers = OLMA_TEXT("Log", "Действия пользователей");
inline constexpr olma::Text kQuickDay = OLMA_TEXT("Log", "За сутки");
inline constexpr olma::Text kQuickWeek = OLMA_TEXT("Log", "За неделю");
inline constexpr olma::Text kPrint = OLMA_TEXT("Log", "Печать…");
inline constexpr olma::Text kSavePdf = OLMA_TEXT("Log", "Сохранить как PDF…");
inline const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
inline constexpr olma::Text kPdfTitle = OLMA_TEXT("Log", "Сохранение журнала в PDF");
inline constexpr olma::Text kPdfFailed = OLMA_TEXT("Log", "Журнал не сохранён в файл %1!");
inline constexpr olma::Text kHtmlColours = OLMA_TEXT("Log", "Цвета важности в HTML");
inline constexpr olma::Text kPanelSource = OLMA_TEXT("Log", "прибор № %1");
inline constexpr olma::Text kPrintTitle = OLMA_TEXT("Log", "Журнал событий прибора ППКОП Ольма-Ех");
inline constexpr olma::Text kPrintSource = OLMA_TEXT("Log", "Источник: %1");
inline constexpr olma::Text kPrintReadTime = OLMA_TEXT("Log", "Считан: %1");
inline constexpr olma::Text kPrintFilters = OLMA_TEXT("Log", "Фильтры: %1");
inline constexpr olma::Text kPrintNoFilters = OLMA_TEXT("Log", "нет");

} // namespace olma::logview::texts
