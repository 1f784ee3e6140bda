#include "config/programm/kvostate.h"

#include "common/devicetype.h"
#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programmtexts.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {
namespace {

// Outputs 1..4 in the first byte, 5..8 in the second, two bits each from the low bits up.
constexpr int kOutputsPerByte = 4;
constexpr int kBitsPerOutput = 2;

} // namespace

KVOState::KVOState(unsigned char* image, int deviceType, unsigned programm)
    : ConfigItem(image, deviceType, 0), _programm(programm)
{
    _name = texts::kvoStateName();
    loadFromImage();
}

void KVOState::setState(int output, const quint16& value)
{
    if (output < 0 || output >= _count || value > kTriggerMax)
        return;
    _states[size_t(output)] = value;
    if (_bytes) {
        putTrigger(_bytes + output / kOutputsPerByte, kBitsPerOutput * (output % kOutputsPerByte), value);
    }
    emit changed(this);
}

quint16 KVOState::state(int output) const
{
    return output >= 0 && output < _count ? _states[size_t(output)] : quint16(TriggerInactive);
}

void KVOState::assign(const KVOState& other)
{
    if (&other == this)
        return;
    for (int i = 0; i < other._count; ++i)
        setState(i, other.state(i));
}

void KVOState::resetStates()
{
    for (int i = 0; i < _count; ++i)
        setState(i, TriggerInactive);
}

void KVOState::setDefault()
{
    resetStates();
    ConfigItem::setDefault();
}

void KVOState::loadFromImage()
{
    _count = olma::ipOutputCount(_deviceType);
    _states.assign(size_t(_count), TriggerInactive);
    unsigned char* record = recordOf(_image, _programm);
    _bytes = record ? record + kRecordIp : nullptr;
    if (!_bytes)
        return;
    for (int i = 0; i < _count; ++i)
        _states[size_t(i)] = triggerAt(_bytes[i / kOutputsPerByte], kBitsPerOutput * (i % kOutputsPerByte));
}

QString KVOState::exportText(int format) const
{
    ExportTable table;
    table.heading = _name;
    table.csvHeadingEnd = QStringLiteral(";");
    table.rtfHeading = _name;
    for (int i = 0; i < _count; ++i) {
        const QString number = QString::number(i + 1);
        table.labels << _name + QStringLiteral(" ") + number;
        table.htmlLabels << _name + QStringLiteral(" ") + number + QStringLiteral(":");
        // The line break stays inside the RTF cell.
        table.rtfLabels << _name + QStringLiteral(" - ") + number + QStringLiteral("\r\n");
        table.values << stateText(_states[size_t(i)]);
    }
    return table.render(format);
}

QWidget* KVOState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
