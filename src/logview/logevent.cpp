#include "logview/logevent.h"

namespace olma::logview {
namespace {

int bcd(unsigned char byte, unsigned char mask)
{
    const unsigned char v = byte & mask;
    return (v >> 4) * 10 + (v & 0x0F);
}

EventTable makeTable(std::initializer_list<std::pair<std::int16_t, const char*>> entries)
{
    EventTable table;
    table.reserve(entries.size());
    for (const auto& [code, text] : entries)
        table.push_back({code, olma::Text("LogEvents", text)});
    return table;
}

// Block events whose parameters name a block (type in A, address in B).
bool blockEventNamesBlock(int code)
{
    return (code >= 3 && code <= 8) || (code >= 13 && code <= 16) || code >= 19;
}

// Block events whose parameter B is an output number rather than an address.
bool blockEventNamesOutput(int code)
{
    return code == 15 || code == 16 || code == 19 || code == 20;
}

QString number(int value)
{
    return QString::number(value);
}

void describeBlockEvent(const LogEvent& event, QStringList& texts)
{
    if (!blockEventNamesBlock(event.eventCode))
        return;
    const QString type = eventName(blockTypes(), event.paramA);
    if (!type.isEmpty()) {
        texts[kTextParam1] = OLMA_TEXT("LogEvents", "Блок: %1").arg(type);
        texts[kTextParam2] = OLMA_TEXT("LogEvents", "Адрес: %1").arg(number(event.paramB));
    }
    if (blockEventNamesOutput(event.eventCode))
        texts[kTextParam2] = OLMA_TEXT("LogEvents", "Выход: %1").arg(number(event.paramB));
}

void describeUserEvent(const LogEvent& event, QStringList& texts)
{
    const QString user = OLMA_TEXT("LogEvents", "Пользователь: %1").arg(number(event.paramA));
    const QString admin = OLMA_TEXT("LogEvents", "Администратор: %1");
    switch (event.eventCode) {
    case 1:
    case 2:
    case 3:
    case 7:
    case 8:
    case 9:
        texts[kTextParam1] = user;
        texts[kTextParam2] = OLMA_TEXT("LogEvents", "Зона: %1").arg(number(event.paramB));
        break;
    case 4:
    case 5:
    case 6:
    case 15:
    case 21:
        texts[kTextParam1] = user;
        break;
    case 10:
    case 11:
    case 13:
    case 14:
    case 23:
    case 24:
        texts[kTextParam1] = user;
        texts[kTextParam2] = admin.arg(number(event.paramB));
        break;
    case 12:
    case 25:
    case 27:
    case 28:
        texts[kTextParam1] = admin.arg(number(event.paramA));
        break;
    case 16:
        texts[kTextParam1] = OLMA_TEXT("LogEvents", "Конфигурация №: %1").arg(number(event.paramA));
        break;
    case 26:
        texts[kTextParam1] = OLMA_TEXT("LogEvents", "Версия №: %1").arg(number(event.paramA));
        break;
    default:
        break;
    }
}

} // namespace

const EventTable& blockEvents()
{
    static const EventTable table = makeTable({
        {1, QT_TRANSLATE_NOOP("LogEvents", "Включение ППКОП")},
        {2, QT_TRANSLATE_NOOP("LogEvents", "Отключение ППКОП")},
        {3, QT_TRANSLATE_NOOP("LogEvents", "Неисправность ОП")},
        {4, QT_TRANSLATE_NOOP("LogEvents", "Восстановление ОП")},
        {5, QT_TRANSLATE_NOOP("LogEvents", "Неисправность РП")},
        {6, QT_TRANSLATE_NOOP("LogEvents", "Восстановление РП")},
        {7, QT_TRANSLATE_NOOP("LogEvents", "Авария")},
        {8, QT_TRANSLATE_NOOP("LogEvents", "Подключение")},
        {9, QT_TRANSLATE_NOOP("LogEvents", "Неисправность цепи светового оповещателя")},
        {10, QT_TRANSLATE_NOOP("LogEvents", "Неисправность цепи звукового оповещателя")},
        {11, QT_TRANSLATE_NOOP("LogEvents", "Восстановление цепи светового оповещателя")},
        {12, QT_TRANSLATE_NOOP("LogEvents", "Восстановление цепи звукового оповещателя")},
        {13, QT_TRANSLATE_NOOP("LogEvents", "Вскрытие")},
        {14, QT_TRANSLATE_NOOP("LogEvents", "Закрытие")},
        {15, QT_TRANSLATE_NOOP("LogEvents", "Неисправность")},
        {16, QT_TRANSLATE_NOOP("LogEvents", "Восстановление")},
        {17, QT_TRANSLATE_NOOP("LogEvents", "Сброс даты времени")},
        {18, QT_TRANSLATE_NOOP("LogEvents", "Синхронизация с ПК")},
        {19, QT_TRANSLATE_NOOP("LogEvents", "Короткое замыкание")},
        {20, QT_TRANSLATE_NOOP("LogEvents", "Обрыв")},
        {21, QT_TRANSLATE_NOOP("LogEvents", "Короткое замыкание Выхода 1")},
        {22, QT_TRANSLATE_NOOP("LogEvents", "Короткое замыкание Выхода 2")},
        {23, QT_TRANSLATE_NOOP("LogEvents", "Восстановление Выхода 1")},
        {24, QT_TRANSLATE_NOOP("LogEvents", "Восстановление Выхода 2")},
    });
    return table;
}

const EventTable& blockTypes()
{
    // Codes 6, 9 and 10 name no block.
    static const EventTable table = makeTable({
        {0, QT_TRANSLATE_NOOP("LogEvents", "ПЦ")},
        {1, QT_TRANSLATE_NOOP("LogEvents", "КВ")},
        {2, QT_TRANSLATE_NOOP("LogEvents", "БРВ-А")},
        {3, QT_TRANSLATE_NOOP("LogEvents", "БВИ-А")},
        {4, QT_TRANSLATE_NOOP("LogEvents", "ПШ")},
        {5, QT_TRANSLATE_NOOP("LogEvents", "БП-А")},
        {7, QT_TRANSLATE_NOOP("LogEvents", "ИП")},
        {8, QT_TRANSLATE_NOOP("LogEvents", "УПС-А(Ех)")},
        {11, QT_TRANSLATE_NOOP("LogEvents", "БКВ-А")},
    });
    return table;
}

const EventTable& userEvents()
{
    static const EventTable table = makeTable({
        {1, QT_TRANSLATE_NOOP("LogEvents", "Взятие")},
        {2, QT_TRANSLATE_NOOP("LogEvents", "Снятие")},
        {3, QT_TRANSLATE_NOOP("LogEvents", "Перевзятие")},
        {4, QT_TRANSLATE_NOOP("LogEvents", "Полное взятие")},
        {5, QT_TRANSLATE_NOOP("LogEvents", "Полное снятие")},
        {6, QT_TRANSLATE_NOOP("LogEvents", "Полное перевзятие")},
        {7, QT_TRANSLATE_NOOP("LogEvents", "Сброс неисправности")},
        {8, QT_TRANSLATE_NOOP("LogEvents", "Отключение")},
        {9, QT_TRANSLATE_NOOP("LogEvents", "Включение")},
        {10, QT_TRANSLATE_NOOP("LogEvents", "Создание")},
        {11, QT_TRANSLATE_NOOP("LogEvents", "Удаление")},
        {12, QT_TRANSLATE_NOOP("LogEvents", "Удаление ключей всех пользователей")},
        {13, QT_TRANSLATE_NOOP("LogEvents", "Изменение прав пользователя")},
        {14, QT_TRANSLATE_NOOP("LogEvents", "Изменение кода пользователя")},
        {15, QT_TRANSLATE_NOOP("LogEvents", "Смена кода пользователя")},
        {16, QT_TRANSLATE_NOOP("LogEvents", "Загрузка типовой конфигурации")},
        {17, QT_TRANSLATE_NOOP("LogEvents", "БИЗ-Ех включен")},
        {18, QT_TRANSLATE_NOOP("LogEvents", "Извещение \"ПОЖАР-1\" включено")},
        {19, QT_TRANSLATE_NOOP("LogEvents", "Переопрос пожарных ШС включен")},
        {20, QT_TRANSLATE_NOOP("LogEvents", "Автоперевзятие охранных ШС Включено")},
        {21, QT_TRANSLATE_NOOP("LogEvents", "Отключение оповещения")},
        {22, QT_TRANSLATE_NOOP("LogEvents", "Включение оповещения")},
        {23, QT_TRANSLATE_NOOP("LogEvents", "Создание ключа пользователя")},
        {24, QT_TRANSLATE_NOOP("LogEvents", "Удаление ключа пользователя")},
        {25, QT_TRANSLATE_NOOP("LogEvents", "Установка даты/времени")},
        {26, QT_TRANSLATE_NOOP("LogEvents", "Обновление версии ПО")},
        {27, QT_TRANSLATE_NOOP("LogEvents", "Изменение кода инженера")},
        {28, QT_TRANSLATE_NOOP("LogEvents", "Изменение конфигурации")},
        {29, QT_TRANSLATE_NOOP("LogEvents", "Удаленное конфигурирование")},
        {30, QT_TRANSLATE_NOOP("LogEvents", "Тестовая конфигурация")},
    });
    return table;
}

const EventTable& zoneEvents()
{
    static const EventTable table = makeTable({
        {1, QT_TRANSLATE_NOOP("LogEvents", "Тревога")},
        {2, QT_TRANSLATE_NOOP("LogEvents", "ПОЖАР-1")},
        {3, QT_TRANSLATE_NOOP("LogEvents", "ПОЖАР-2")},
        {4, QT_TRANSLATE_NOOP("LogEvents", "Тихая тревога")},
        {5, QT_TRANSLATE_NOOP("LogEvents", "Короткое замыкание")},
        {6, QT_TRANSLATE_NOOP("LogEvents", "Обрыв")},
        {7, QT_TRANSLATE_NOOP("LogEvents", "Авария")},
        {8, QT_TRANSLATE_NOOP("LogEvents", "Восстановление")},
        {9, QT_TRANSLATE_NOOP("LogEvents", "Переопрос")},
        {10, QT_TRANSLATE_NOOP("LogEvents", "Автоперевзятие")},
        {11, QT_TRANSLATE_NOOP("LogEvents", "Неисправность")},
        {12, QT_TRANSLATE_NOOP("LogEvents", "Срабатывание по порогу-1")},
        {13, QT_TRANSLATE_NOOP("LogEvents", "Срабатывание по порогу-2")},
        {14, QT_TRANSLATE_NOOP("LogEvents", "Неисправность питания")},
    });
    return table;
}

const EventTable* eventTable(int eventClass)
{
    switch (eventClass) {
    case kClassBlock:
        return &blockEvents();
    case kClassUser:
        return &userEvents();
    case kClassZone:
        return &zoneEvents();
    default:
        return nullptr;
    }
}

QString className(int eventClass)
{
    switch (eventClass) {
    case kClassBlock:
        return OLMA_TEXT("LogEvents", "Блок");
    case kClassUser:
        return OLMA_TEXT("LogEvents", "Пользователь");
    case kClassZone:
        return OLMA_TEXT("LogEvents", "Зона");
    default:
        return OLMA_TEXT("LogEvents", "Неизвестно");
    }
}

QString eventName(const EventTable& table, int code)
{
    for (const EventName& entry : table) {
        if (entry.code == code)
            return entry.text;
    }
    return QString();
}

int eventCode(const EventTable& table, const QString& text)
{
    for (const EventName& entry : table) {
        if (entry.text.toString() == text)
            return entry.code;
    }
    return -1;
}

LogEvent decodeRecord(const unsigned char* record, std::uint32_t count)
{
    LogEvent event;
    event.number = count + 1;
    event.stamp.year = 2000 + bcd(record[kRecordYear], 0xFF);
    event.stamp.month = bcd(record[kRecordMonth], kMonthMask);
    event.stamp.day = bcd(record[kRecordDay], kDayMask);
    event.stamp.hour = bcd(record[kRecordHour], kHourMask);
    event.stamp.minute = bcd(record[kRecordMinute], kMinuteMask);

    const QDate date(event.stamp.year, event.stamp.month, event.stamp.day);
    const QTime time(event.stamp.hour, event.stamp.minute, 0);
    if (date.isValid() && time.isValid())
        event.dateTime = QDateTime(date, time, Qt::UTC);

    event.eventClass = std::uint16_t(record[kRecordHour] >> kClassShift);
    event.eventCode = record[kRecordCode];
    event.paramA = record[kRecordParamA];
    event.paramB = record[kRecordParamB];
    return event;
}

void describeEvent(const LogEvent& event, QStringList& texts)
{
    texts.clear();
    texts.reserve(kTextCount);
    for (int i = 0; i < kTextCount; ++i)
        texts.append(QString());

    const LogStamp& s = event.stamp;
    texts[kTextDateTime] = QStringLiteral("%1:%2 %3.%4.%5")
                               .arg(s.hour, 2, 10, QLatin1Char('0'))
                               .arg(s.minute, 2, 10, QLatin1Char('0'))
                               .arg(s.day, 2, 10, QLatin1Char('0'))
                               .arg(s.month, 2, 10, QLatin1Char('0'))
                               .arg(s.year, 4, 10, QLatin1Char('0'));
    texts[kTextSource] = className(event.eventClass);

    const EventTable* table = eventTable(event.eventClass);
    if (!table)
        return;
    switch (event.eventClass) {
    case kClassBlock:
        describeBlockEvent(event, texts);
        break;
    case kClassUser:
        describeUserEvent(event, texts);
        break;
    case kClassZone:
        texts[kTextParam1] = OLMA_TEXT("LogEvents", "Зона: %1").arg(number(event.paramB));
        break;
    }
    texts[kTextEvent] = eventName(*table, event.eventCode);
}

QStringList describeEvent(const LogEvent& event)
{
    QStringList texts;
    describeEvent(event, texts);
    return texts;
}

} // namespace olma::logview
