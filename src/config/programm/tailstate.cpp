#include "config/programm/tailstate.h"

#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programmtexts.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {
namespace {

// Where each trigger sits in the loop's two bytes. Bits 7..6 of the second byte belong to no trigger.
constexpr int kFirstByte = 0;
constexpr int kSecondByte = 1;
constexpr int kTakeOffShift = 0; // first byte
constexpr int kAlarmShift = 2;
constexpr int kFire1Shift = 4;
constexpr int kFaultShift = 6;
constexpr int kBrokenShift = 0; // second byte
constexpr int kGuardOnShift = 2;
constexpr int kGuardOffShift = 4;

} // namespace

TailState::TailState(unsigned char* image, int deviceType, unsigned programm, unsigned loop)
    : ConfigItem(image, deviceType, 0), _programm(programm), _loop(loop)
{
    _name = texts::tailStateName();
    loadFromImage();
}

void TailState::store(quint16& field, quint16 value, int byte, int shift)
{
    storeTrigger(this, field, value, _bytes ? _bytes + byte : nullptr, shift);
}

void TailState::setGuardOffDelay(const quint16& value)
{
    store(_guardOffDelay, value, kSecondByte, kGuardOffShift);
}

void TailState::setGuardOnDelay(const quint16& value)
{
    store(_guardOnDelay, value, kSecondByte, kGuardOnShift);
}

void TailState::setBroken(const quint16& value)
{
    store(_broken, value, kSecondByte, kBrokenShift);
}

void TailState::setFault(const quint16& value)
{
    store(_fault, value, kFirstByte, kFaultShift);
}

void TailState::setFire1(const quint16& value)
{
    store(_fire1, value, kFirstByte, kFire1Shift);
}

void TailState::setAlarm(const quint16& value)
{
    store(_alarm, value, kFirstByte, kAlarmShift);
}

void TailState::setTakeOff(const quint16& value)
{
    store(_takeOff, value, kFirstByte, kTakeOffShift);
}

void TailState::assign(const TailState& other)
{
    if (&other == this)
        return;
    setGuardOffDelay(other._guardOffDelay);
    setGuardOnDelay(other._guardOnDelay);
    setBroken(other._broken);
    setFault(other._fault);
    setFire1(other._fire1);
    setAlarm(other._alarm);
    setTakeOff(other._takeOff);
}

void TailState::resetStates()
{
    setGuardOffDelay(TriggerInactive);
    setGuardOnDelay(TriggerInactive);
    setBroken(TriggerInactive);
    setFault(TriggerInactive);
    setFire1(TriggerInactive);
    setAlarm(TriggerInactive);
    setTakeOff(TriggerInactive);
}

void TailState::setDefault()
{
    resetStates();
    ConfigItem::setDefault();
}

void TailState::loadFromImage()
{
    unsigned char* record = recordOf(_image, _programm);
    _bytes = record && _loop < unsigned(kTailSlots) ? record + kRecordTails + kTailBytes * int(_loop) : nullptr;
    if (!_bytes)
        return;
    const unsigned char first = _bytes[kFirstByte];
    const unsigned char second = _bytes[kSecondByte];
    _guardOffDelay = triggerAt(second, kGuardOffShift);
    _guardOnDelay = triggerAt(second, kGuardOnShift);
    _broken = triggerAt(second, kBrokenShift);
    _fault = triggerAt(first, kFaultShift);
    _fire1 = triggerAt(first, kFire1Shift);
    _alarm = triggerAt(first, kAlarmShift);
    _takeOff = triggerAt(first, kTakeOffShift);
}

QString TailState::exportText(int format) const
{
    const QString heading = _name + QStringLiteral(" ") + QString::number(_loop + 1);
    ExportTable table;
    table.heading = heading;
    table.csvHeadingEnd = QStringLiteral(";");
    table.rtfHeading = heading;
    table.labels = texts::tailTriggerLabels();
    table.htmlLabels = texts::tailTriggerHtmlLabels();
    table.rtfLabels = table.labels;
    for (quint16 value : {_guardOffDelay, _guardOnDelay, _broken, _fault, _fire1, _alarm, _takeOff})
        table.values << stateText(value);
    return table.render(format);
}

QWidget* TailState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
