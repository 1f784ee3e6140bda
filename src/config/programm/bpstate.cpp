#include "config/programm/bpstate.h"

#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programmtexts.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {
namespace {

constexpr int kCh1Shift = 0;
constexpr int kCh2Shift = 2;
constexpr int kRpShift = 4;
constexpr int kOpShift = 6;

} // namespace

BPState::BPState(unsigned char* image, int deviceType, unsigned programm, unsigned block)
    : ConfigItem(image, deviceType, 0), _programm(programm), _block(block)
{
    _name = texts::bpStateName();
    loadFromImage();
}

void BPState::store(quint16& field, quint16 value, int shift)
{
    storeTrigger(this, field, value, _byte, shift);
}

void BPState::setOp(const quint16& value)
{
    store(_op, value, kOpShift);
}

void BPState::setRp(const quint16& value)
{
    store(_rp, value, kRpShift);
}

void BPState::setCh2(const quint16& value)
{
    store(_ch2, value, kCh2Shift);
}

void BPState::setCh1(const quint16& value)
{
    store(_ch1, value, kCh1Shift);
}

void BPState::assign(const BPState& other)
{
    if (&other == this)
        return;
    setOp(other._op);
    setRp(other._rp);
    setCh2(other._ch2);
    setCh1(other._ch1);
}

void BPState::resetStates()
{
    setOp(TriggerInactive);
    setRp(TriggerInactive);
    setCh2(TriggerInactive);
    setCh1(TriggerInactive);
}

void BPState::setDefault()
{
    resetStates();
    ConfigItem::setDefault();
}

void BPState::loadFromImage()
{
    unsigned char* record = recordOf(_image, _programm);
    _byte = record && _block < unsigned(kBpBlocks) ? record + kRecordBp + int(_block) : nullptr;
    if (!_byte)
        return;
    _op = triggerAt(*_byte, kOpShift);
    _rp = triggerAt(*_byte, kRpShift);
    _ch2 = triggerAt(*_byte, kCh2Shift);
    _ch1 = triggerAt(*_byte, kCh1Shift);
}

QString BPState::exportText(int format) const
{
    const QString number = QString::number(_block + 1);
    ExportTable table;
    table.heading = _name + QStringLiteral(" ") + number;
    table.csvHeadingEnd = QStringLiteral(";");
    table.rtfHeading = _name + QStringLiteral(" - ") + number;
    table.labels = texts::bpTriggerLabels();
    table.htmlLabels = withSuffix(table.labels, QStringLiteral(":"));
    table.rtfLabels = table.labels;
    for (quint16 value : {_op, _rp, _ch1, _ch2})
        table.values << stateText(value);
    return table.render(format);
}

QWidget* BPState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
