#include "device/commonstate.h"

#include "common/cp1251.h"
#include "common/pagefactory.h"
#include "device/statetexts.h"

namespace olma::device {

namespace {

constexpr int kVersionOffset = 1;
constexpr int kSerialOffset = 2;

// The clock: BCD bytes, each with the mask of its bit width.
constexpr int kSecondsOffset = 4;
constexpr int kMinutesOffset = 5;
constexpr int kHoursOffset = 6;
constexpr int kDayOffset = 7;
constexpr int kMonthOffset = 8;
constexpr int kYearOffset = 9;
constexpr int kSecondsMask = 0x7F;
constexpr int kMinutesMask = 0x7F;
constexpr int kHoursMask = 0x3F;
constexpr int kDayMask = 0x3F;
constexpr int kMonthMask = 0x1F;
constexpr int kYearMask = 0xFF;
constexpr int kCentury = 2000;

int bcd(int byte, int mask)
{
    return ((byte & mask) >> 4) * 10 + (byte & 0x0F);
}

} // namespace

QWidget* CommonState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

QByteArray CommonState::name() const
{
    return cp1251::encode(texts::kCommonTitle);
}

QDateTime CommonState::currentWallClock()
{
    // The panel's clock is a wall clock without a time zone; kept as UTC so that a time
    // inside a daylight-saving gap stays the time the panel shows.
    const QDateTime now = QDateTime::currentDateTime();
    const QTime time = now.time();
    return QDateTime(now.date(), QTime(time.hour(), time.minute(), time.second()), Qt::UTC);
}

void CommonState::decode()
{
    _commonDeviceType = modelIndexFromCode(data()[kModelCodeOffset], _commonDeviceType);
    if (!hasRecord())
        return;

    _version = uint8_t(recordByte(kVersionOffset));
    _serialNumber = uint16_t(recordByte(kSerialOffset) | (recordByte(kSerialOffset + 1) << 8));

    const QTime time(bcd(recordByte(kHoursOffset), kHoursMask), bcd(recordByte(kMinutesOffset), kMinutesMask),
                     bcd(recordByte(kSecondsOffset), kSecondsMask));
    const QDate date(kCentury + bcd(recordByte(kYearOffset), kYearMask), bcd(recordByte(kMonthOffset), kMonthMask),
                     bcd(recordByte(kDayOffset), kDayMask));
    _dateTime = date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

QString modelName(int deviceType)
{
    switch (deviceType) {
    case 1:
        return texts::kModel8;
    case 2:
        return texts::kModel16;
    default:
        return texts::kModel4;
    }
}

CommonStateLines commonStateLines(const CommonState& state)
{
    CommonStateLines lines;
    lines.version = QString::number(state.version());
    lines.type = modelName(state.deviceType());
    lines.serialNumber = QString::number(state.serialNumber());
    const QDateTime clock = state.dateTime();
    if (clock.isValid() && clock.date().year() > kCentury) {
        const QDate d = clock.date();
        const QTime t = clock.time();
        lines.clock = QString::asprintf("%02d:%02d:%02d %02d.%02d.%04d", t.hour(), t.minute(), t.second(), d.day(),
                                        d.month(), d.year());
    }
    return lines;
}

} // namespace olma::device
