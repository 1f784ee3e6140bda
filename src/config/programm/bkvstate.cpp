#include "config/programm/bkvstate.h"

#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmtexts.h"
#include "config/programm/trigger.h"

namespace olma::config::programm {
namespace {

// Output i in bits 2i+1..2i.
constexpr int kBitsPerOutput = 2;

} // namespace

BKVState::BKVState(unsigned char* image, int deviceType, unsigned programm, unsigned block)
    : ConfigItem(image, deviceType, 0), _programm(programm), _block(block)
{
    _name = texts::bkvStateName();
    loadFromImage();
}

void BKVState::setState(int output, const quint16& value)
{
    if (output < 0 || output >= kBkvOutputs || value > kTriggerMax)
        return;
    _states[size_t(output)] = value;
    if (_byte)
        putTrigger(_byte, kBitsPerOutput * output, value);
    emit changed(this);
}

quint16 BKVState::state(int output) const
{
    return output >= 0 && output < kBkvOutputs ? _states[size_t(output)] : quint16(TriggerInactive);
}

void BKVState::assign(const BKVState& other)
{
    if (&other == this)
        return;
    for (int i = 0; i < kBkvOutputs; ++i)
        setState(i, other._states[size_t(i)]);
}

void BKVState::resetStates()
{
    for (int i = 0; i < kBkvOutputs; ++i)
        setState(i, TriggerInactive);
}

void BKVState::setDefault()
{
    resetStates();
    ConfigItem::setDefault();
}

void BKVState::loadFromImage()
{
    unsigned char* record = recordOf(_image, _programm);
    _byte = record && _block < unsigned(kBkvBlocks) ? record + kRecordBkv + int(_block) : nullptr;
    if (!_byte)
        return;
    for (int i = 0; i < kBkvOutputs; ++i)
        _states[size_t(i)] = triggerAt(*_byte, kBitsPerOutput * i);
}

QString BKVState::exportText(int format) const
{
    const QString heading = _name + QStringLiteral(" - ") + QString::number(_block + 1);
    ExportTable table;
    table.heading = heading;
    table.csvHeadingEnd = QStringLiteral(";");
    table.rtfHeading = heading;
    for (int i = 0; i < kBkvOutputs; ++i) {
        table.labels << texts::bkvOutputLabel(i + 1);
        table.values << stateText(_states[size_t(i)]);
    }
    table.htmlLabels = withSuffix(table.labels, QStringLiteral(":"));
    table.rtfLabels = table.labels;
    return table.render(format);
}

QWidget* BKVState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
