#include "config/programm/params.h"

#include "common/pagefactory.h"
#include "config/programm/exporttable.h"
#include "config/programm/programmrecord.h"
#include "config/programm/programmtexts.h"

namespace olma::config::programm {
namespace {

constexpr int kTacticLamp = 1;

} // namespace

Params::Params(unsigned char* image, int deviceType, unsigned index) : ConfigItem(image, deviceType, 0), _index(index)
{
    _name = texts::paramsName();
    loadFromImage();
}

void Params::setTimeout(const quint16& timeout)
{
    _timeout = timeout;
    emit changed(this);
    if (_record)
        _record[kRecordDelay] = static_cast<unsigned char>(timeout & 0xFF);
}

void Params::setTactic(const int& tactic)
{
    _tactic = tactic;
    emit changed(this);
    // Only "lamp" sets the bit; any other value is stored as automatic.
    if (_record) {
        const bool lamp = tactic == kTacticLamp;
        _record[kRecordFlags] = static_cast<unsigned char>(lamp ? _record[kRecordFlags] | kFlagTactic
                                                                : _record[kRecordFlags] & ~kFlagTactic);
    }
}

void Params::setInitState(const bool& on)
{
    _initState = on;
    emit changed(this);
    if (_record) {
        _record[kRecordFlags] = static_cast<unsigned char>(on ? _record[kRecordFlags] | kFlagInitState
                                                              : _record[kRecordFlags] & ~kFlagInitState);
    }
}

void Params::setWorkTime(const quint16& seconds)
{
    _workTime = seconds;
    emit changed(this);
    if (_record) {
        _record[kRecordWorkTime] = static_cast<unsigned char>(seconds & 0xFF);
        _record[kRecordWorkTime + 1] = static_cast<unsigned char>(seconds >> 8);
    }
}

void Params::setFireSafety(bool on)
{
    _fireSafety = on;
    emit changedFireSafety(on);
}

void Params::assign(const Params& other)
{
    if (&other == this)
        return;
    setTimeout(other._timeout);
    setTactic(other._tactic);
    setInitState(other._initState);
    setWorkTime(other._workTime);
}

void Params::resetParams()
{
    setTimeout(0);
    setTactic(0);
    setInitState(false);
    setWorkTime(0);
    setFireSafety(false);
    ConfigItem::setDefault();
}

void Params::setDefault()
{
    resetParams();
}

void Params::loadFromImage()
{
    _record = recordOf(_image, _index);
    if (!_record)
        return;
    _timeout = _record[kRecordDelay];
    _initState = _record[kRecordFlags] & kFlagInitState;
    _tactic = (_record[kRecordFlags] & kFlagTactic) ? kTacticLamp : 0;
    _workTime = static_cast<quint16>(_record[kRecordWorkTime] | _record[kRecordWorkTime + 1] << 8);
}

QString Params::exportText(int format) const
{
    // The delay before start is not exported.
    ExportTable table;
    table.heading = _name;
    table.rtfHeading = _name;
    table.labels = QStringList{texts::tacticLabel(), texts::initStateLabel(), texts::workTimeLabel()};
    table.htmlLabels = withSuffix(table.labels, QStringLiteral(":"));
    table.rtfLabels = table.labels;
    table.values =
        QStringList{texts::tacticWord(_tactic), texts::initStateWord(_initState), QString::number(_workTime)};
    table.csvSeparator = QStringLiteral(";");
    return table.render(format);
}

QWidget* Params::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config::programm
