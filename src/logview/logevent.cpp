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
        table.push_back({code, QString::fromUtf8(text)});
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
        texts[kTextParam1] = QStringLiteral("Блок: %1").arg(type);
        texts[kTextParam2] = QStringLiteral("Адрес: %1").arg(number(event.paramB));
    }
    if (blockEventNamesOutput(event.eventCode))
        texts[kTextParam2] = QStringLiteral("Выход: %1").arg(number(event.paramB));
}

void describeUserEvent(const LogEvent& event, QStringList& texts)
{
    const QString user = QStringLiteral("Пользователь: %1").arg(number(event.paramA));
    const QString admin = QStringLiteral("Администратор: %1");
    switch (event.eventCode) {
    case 1:
    case 2:
    case 3:
    case 7:
    case 8:
    case 9:
        texts[kTextParam1] = user;
        texts[kTextParam2] = QStringLiteral("Зона: %1").arg(number(event.paramB));
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
        texts[kTextParam1] = QStringLiteral("Конфигурация №: %1").arg(number(event.paramA));
        break;
    case 26:
        texts[kTextParam1] = QStringLiteral("Версия №: %1").arg(number(event.paramA));
        break;
    default:
        break;
    }
}

} // namespace

const EventTable& blockEvents()
{
    static const EventTable table = makeTable({
        {1, "Включение ППКОП"},
        {2, "Отключение ППКОП"},
        {3, "Неисправность ОП"},
        {4, "Восстановление ОП"},
        {5, "Неисправность РП"},
        {6, "Восстановление РП"},
        {7, "Авария"},
        {8, "Подключение"},
        {9, "Неисправность цепи светового оповещателя"},
        {10, "Неисправность цепи звукового оповещателя"},
        {11, "Восстановление цепи светового оповещателя"},
        {12, "Восстановление цепи звукового оповещателя"},
        {13, "Вскрытие"},
        {14, "Закрытие"},
        {15, "Неисправность"},
        {16, "Восстановление"},
        {17, "Сброс даты времени"},
        {18, "Синхронизация с ПК"},
        {19, "Короткое замыкание"},
        {20, "Обрыв"},
        {21, "Короткое замыкание Выхода 1"},
        {22, "Короткое замыкание Выхода 2"},
        {23, "Восстановление Выхода 1"},
        {24, "Восстановление Выхода 2"},
    });
    return table;
}

const EventTable& blockTypes()
{
    // Codes 6, 9 and 10 name no block.
    static const EventTable table = makeTable({
        {0, "ПЦ"},
        {1, "КВ"},
        {2, "БРВ-А"},
        {3, "БВИ-А"},
        {4, "ПШ"},
        {5, "БП-А"},
        {7, "ИП"},
        {8, "УПС-А(Ех)"},
        {11, "БКВ-А"},
    });
    return table;
}

const EventTable& userEvents()
{
    static const EventTable table = makeTable({
        {1, "Взятие"},
        {2, "Снятие"},
        {3, "Перевзятие"},
        {4, "Полное взятие"},
        {5, "Полное снятие"},
        {6, "Полное перевзятие"},
        {7, "Сброс неисправности"},
        {8, "Отключение"},
        {9, "Включение"},
        {10, "Создание"},
        {11, "Удаление"},
        {12, "Удаление ключей всех пользователей"},
        {13, "Изменение прав пользователя"},
        {14, "Изменение кода пользователя"},
        {15, "Смена кода пользователя"},
        {16, "Загрузка типовой конфигурации"},
        {17, "БИЗ-Ех включен"},
        {18, "Извещение \"ПОЖАР-1\" включено"},
        {19, "Переопрос пожарных ШС включен"},
        {20, "Автоперевзятие охранных ШС Включено"},
        {21, "Отключение оповещения"},
        {22, "Включение оповещения"},
        {23, "Создание ключа пользователя"},
        {24, "Удаление ключа пользователя"},
        {25, "Установка даты/времени"},
        {26, "Обновление версии ПО"},
        {27, "Изменение кода инженера"},
        {28, "Изменение конфигурации"},
        {29, "Удаленное конфигурирование"},
        {30, "Тестовая конфигурация"},
    });
    return table;
}

const EventTable& zoneEvents()
{
    static const EventTable table = makeTable({
        {1, "Тревога"},
        {2, "ПОЖАР-1"},
        {3, "ПОЖАР-2"},
        {4, "Тихая тревога"},
        {5, "Короткое замыкание"},
        {6, "Обрыв"},
        {7, "Авария"},
        {8, "Восстановление"},
        {9, "Переопрос"},
        {10, "Автоперевзятие"},
        {11, "Неисправность"},
        {12, "Срабатывание по порогу-1"},
        {13, "Срабатывание по порогу-2"},
        {14, "Неисправность питания"},
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
        return QStringLiteral("Блок");
    case kClassUser:
        return QStringLiteral("Пользователь");
    case kClassZone:
        return QStringLiteral("Зона");
    default:
        return QStringLiteral("Неизвестно");
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
        if (entry.text == text)
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
        texts[kTextParam1] = QStringLiteral("Зона: %1").arg(number(event.paramB));
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
