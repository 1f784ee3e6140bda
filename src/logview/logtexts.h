#pragma once

#include <QString>

// Titles, captions and messages of the event log's commands, kept together so that the
// window, the viewer and any other front end say exactly the same things.
namespace olma::logview::texts {

inline const QString kPageTitle = QStringLiteral("Журнал событий");

// Reading the log from the panel.
inline const QString kReadTitle = QStringLiteral("Считывание журнала событий");
inline const QString kReadFailed = QStringLiteral("Невозможно считать журнал событий!");
inline const QString kReadCancelled = QStringLiteral("Считывание журнала событий отменено.");
// Under the filter of a log that a failed or cancelled read left short, and in the read's message.
inline QString partialLog(int events)
{
    // Russian counts: 1, 21, 31 событие; 2-4, 22-24 события; 0, 5-20, 25-30 событий.
    const int lastTwo = events % 100;
    const int last = events % 10;
    const char16_t* noun = u"событий";
    if (last == 1 && lastTwo != 11)
        noun = u"событие";
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        noun = u"события";
    return QStringLiteral("Журнал считан не полностью: получено %1 %2").arg(events).arg(QString::fromUtf16(noun));
}

// Binary log files.
inline const QString kBinaryFilter = QStringLiteral("Двоичный (*.bin)");
inline const QString kStartDir = QStringLiteral(".");
inline const QString kOpenCaption = QStringLiteral("Открыть файл журнала");
inline const QString kOpenErrorTitle = QStringLiteral("Ошибка чтения файла журнала");
inline const QString kFileNotFound = QStringLiteral("Файл журнала: \"%1\" не наден!");
inline const QString kFileTooLarge =
    QStringLiteral("Файл журнала: \"%1\" слишком велик (%2 байт, допустимо не более 16 МиБ)!");
inline const QString kSaveCaption = QStringLiteral("Файл журнала");
inline const QString kSaveTitle = QStringLiteral("Запись журнала в файл");
inline const QString kSaveFailed = QStringLiteral("Запись журнала в файл %1 не выполнена!");
inline const QString kSaveDone = QStringLiteral("Журнал успешно записан в файл: %1!");

// Export.
inline const QString kExportCaption = QStringLiteral("Имя файла для экспорта");
inline const QString kExportFilter =
    QStringLiteral("Текст (*.txt *.text *.log);;Word (*.rtf *.rtx);;Html (*.htm *.html);;Excel (*.csv)");
inline const QString kExportTitle = QStringLiteral("Экспорт журнала в файл");
inline const QString kExportUnsupported = QStringLiteral("Данный тип файлов не поддерживается!");
inline const QString kExportFailed = QStringLiteral("Записи журнала не экспортированы!");
inline const QString kExportDone = QStringLiteral("Журнал успешно экспортирован!");
inline const QString kExportMenuEntry = QStringLiteral("Экспортировать журнал");

// The viewer's additions: the count line, search, quick filters, the legend and printing.
inline const QString kShownCount = QStringLiteral("Показано %1 из %2 событий");
inline const QString kPartialCount = QStringLiteral("журнал прочитан не полностью: %1 событий");
inline const QString kSearchPlaceholder = QStringLiteral("Поиск по всем столбцам");
inline const QString kQuickFire = QStringLiteral("Пожар");
inline const QString kQuickAlarms = QStringLiteral("Тревоги");
inline const QString kQuickFaults = QStringLiteral("Неисправности");
inline const QString kQuickUsers = QStringLiteral("Действия пользователей");
inline const QString kQuickDay = QStringLiteral("За сутки");
inline const QString kQuickWeek = QStringLiteral("За неделю");
inline const QString kPrint = QStringLiteral("Печать…");
inline const QString kSavePdf = QStringLiteral("Сохранить как PDF…");
inline const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
inline const QString kPdfTitle = QStringLiteral("Сохранение журнала в PDF");
inline const QString kPdfFailed = QStringLiteral("Журнал не сохранён в файл %1!");
inline const QString kHtmlColours = QStringLiteral("Цвета важности в HTML");
inline const QString kPanelSource = QStringLiteral("прибор № %1");
inline const QString kPrintTitle = QStringLiteral("Журнал событий прибора ППКОП Ольма-Ех");
inline const QString kPrintSource = QStringLiteral("Источник: %1");
inline const QString kPrintReadTime = QStringLiteral("Считан: %1");
inline const QString kPrintFilters = QStringLiteral("Фильтры: %1");
inline const QString kPrintNoFilters = QStringLiteral("нет");

} // namespace olma::logview::texts
