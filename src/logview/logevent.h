#pragma once

#include "common/text.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Event records of the panel's log: the 8-byte record, its decoded form and its display texts.
namespace olma::logview {

// Layout of one log record as the panel stores and sends it.
constexpr int kLogRecordSize = 8;
constexpr int kRecordYear = 0;   // BCD, years after 2000
constexpr int kRecordMonth = 1;  // BCD
constexpr int kRecordDay = 2;    // BCD
constexpr int kRecordHour = 3;   // BCD hour in bits 0-5, event class in bits 6-7
constexpr int kRecordMinute = 4; // BCD
constexpr int kRecordParamA = 5;
constexpr int kRecordParamB = 6;
constexpr int kRecordCode = 7;

constexpr unsigned char kMonthMask = 0x1F;
constexpr unsigned char kDayMask = 0x3F;
constexpr unsigned char kHourMask = 0x3F;
constexpr unsigned char kMinuteMask = 0x7F;
constexpr int kClassShift = 6;

// Event classes: who raised the event.
constexpr int kClassUnknown = 0;
constexpr int kClassBlock = 1;
constexpr int kClassUser = 2;
constexpr int kClassZone = 3;

// The five display texts of an event, in column order.
constexpr int kTextDateTime = 0;
constexpr int kTextSource = 1;
constexpr int kTextEvent = 2;
constexpr int kTextParam1 = 3;
constexpr int kTextParam2 = 4;
constexpr int kTextCount = 5;

// The date and time fields exactly as the record gives them, so that a record with an
// impossible date (the panel's clock was never set, say) still shows what the panel wrote.
struct LogStamp
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// One decoded log record.
struct LogEvent
{
    // 1-based position in the store when the record arrived.
    std::uint32_t number = 0;
    // Invalid when the record's date or time is impossible. The panel's clock has no zone,
    // so the time is held as UTC to keep it clear of daylight-saving gaps.
    QDateTime dateTime;
    std::uint16_t eventClass = 0;
    std::uint16_t eventCode = 0;
    std::uint16_t paramA = 0;
    std::uint16_t paramB = 0;
    LogStamp stamp;
};

// One entry of an event table: a code and its name.
struct EventName
{
    std::int16_t code = -1;
    olma::Text text;
};
using EventTable = std::vector<EventName>;

// The event names of each class and the block types named by class-1 events, in panel order.
const EventTable& blockEvents();
const EventTable& blockTypes();
const EventTable& userEvents();
const EventTable& zoneEvents();

// The event table of a class; null for class 0 and anything unknown.
const EventTable* eventTable(int eventClass);
// The source text of a class ("Блок", "Пользователь", ...).
QString className(int eventClass);

// The first name of `code` in `table`; empty when the table has no such code.
QString eventName(const EventTable& table, int code);
// The code of the first entry named `text`; -1 when there is none.
int eventCode(const EventTable& table, const QString& text);

// Decodes the 8 bytes at `record`; `count` is the number of events already held.
LogEvent decodeRecord(const unsigned char* record, std::uint32_t count);

// Fills `texts` with exactly the five display texts of `event` (date and time, source,
// event, parameter 1, parameter 2); whatever the list held is padded or cut to five.
void describeEvent(const LogEvent& event, QStringList& texts);
QStringList describeEvent(const LogEvent& event);

} // namespace olma::logview
