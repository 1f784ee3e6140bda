#include "config/programm/pcstate.h"

#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programmtexts.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {
namespace {

// First byte: case opening, ОП fault, РП fault, ЗО fault from the low bits up.
constexpr int kFirst = 0;
constexpr int kCorpseOpenShift = 0;
constexpr int kOpFaultShift = 2;
constexpr int kRpFaultShift = 4;
constexpr int kZoFaultShift = 6;
// Second byte: СО fault, notification off, external block opening, external block failure.
constexpr int kSecond = 1;
constexpr int kSoFaultShift = 0;
constexpr int kNoticeOffShift = 2;
constexpr int kExtBlockOpeningShift = 4;
constexpr int kExtBlockAccidentShift = 6;

} // namespace

PCState::PCState(unsigned char* image, int deviceType, unsigned programm)
    : ConfigItem(image, deviceType, 0), _programm(programm)
{
    _name = texts::pcStateName();
    loadFromImage();
}

void PCState::store(quint16& field, quint16 value, int byte, int shift)
{
    storeTrigger(this, field, value, _bytes ? _bytes + byte : nullptr, shift);
}

void PCState::setZoFault(const quint16& value)
{
    store(_zoFault, value, kFirst, kZoFaultShift);
}

void PCState::setSoFault(const quint16& value)
{
    store(_soFault, value, kSecond, kSoFaultShift);
}

void PCState::setNoticeOff(const quint16& value)
{
    store(_noticeOff, value, kSecond, kNoticeOffShift);
}

void PCState::setRpFault(const quint16& value)
{
    store(_rpFault, value, kFirst, kRpFaultShift);
}

void PCState::setOpFault(const quint16& value)
{
    store(_opFault, value, kFirst, kOpFaultShift);
}

void PCState::setCorpseOpen(const quint16& value)
{
    store(_corpseOpen, value, kFirst, kCorpseOpenShift);
}

void PCState::setExtBlockAccident(const quint16& value)
{
    store(_extBlockAccident, value, kSecond, kExtBlockAccidentShift);
}

void PCState::setExtBlockOpening(const quint16& value)
{
    store(_extBlockOpening, value, kSecond, kExtBlockOpeningShift);
}

void PCState::assign(const PCState& other)
{
    if (&other == this)
        return;
    setZoFault(other._zoFault);
    setSoFault(other._soFault);
    setNoticeOff(other._noticeOff);
    setRpFault(other._rpFault);
    setOpFault(other._opFault);
    setCorpseOpen(other._corpseOpen);
    setExtBlockAccident(other._extBlockAccident);
    setExtBlockOpening(other._extBlockOpening);
}

void PCState::resetStates()
{
    setZoFault(TriggerInactive);
    setSoFault(TriggerInactive);
    setNoticeOff(TriggerInactive);
    setRpFault(TriggerInactive);
    setOpFault(TriggerInactive);
    setCorpseOpen(TriggerInactive);
    setExtBlockAccident(TriggerInactive);
    setExtBlockOpening(TriggerInactive);
}

void PCState::setDefault()
{
    resetStates();
    ConfigItem::setDefault();
}

void PCState::loadFromImage()
{
    unsigned char* record = recordOf(_image, _programm);
    _bytes = record ? record + kRecordPanel : nullptr;
    if (!_bytes)
        return;
    const unsigned char first = _bytes[kFirst];
    const unsigned char second = _bytes[kSecond];
    _zoFault = triggerAt(first, kZoFaultShift);
    _rpFault = triggerAt(first, kRpFaultShift);
    _opFault = triggerAt(first, kOpFaultShift);
    _corpseOpen = triggerAt(first, kCorpseOpenShift);
    _soFault = triggerAt(second, kSoFaultShift);
    _noticeOff = triggerAt(second, kNoticeOffShift);
    _extBlockOpening = triggerAt(second, kExtBlockOpeningShift);
    _extBlockAccident = triggerAt(second, kExtBlockAccidentShift);
}

QString PCState::exportText(int format) const
{
    ExportTable table;
    table.heading = _name;
    table.rtfHeading = _name;
    table.labels = texts::panelTriggerLabels();
    table.htmlLabels = withSuffix(table.labels, QStringLiteral(":"));
    table.rtfLabels = table.labels;
    for (quint16 value :
         {_corpseOpen, _opFault, _rpFault, _zoFault, _soFault, _noticeOff, _extBlockOpening, _extBlockAccident})
        table.values << stateText(value);
    // This table's opening tag is not followed by a line break.
    table.htmlTableStart = QStringLiteral("<table width=85%>");
    return table.render(format);
}

QWidget* PCState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
