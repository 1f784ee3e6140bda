#include "device/statesection.h"

namespace olma::device {

void StateSection::update()
{
    if (!data().empty()) {
        if (data().size() == size_t(kStateRecordSize))
            _record = data();
        decode();
    }
    if (IDeviceGUIWidget* view = guiWidget())
        view->update();
}

int StateSection::recordByte(int offset) const
{
    if (_record.empty() || offset < 0 || offset >= kStateRecordSize)
        return -1;
    return _record[size_t(offset)];
}

int StateSection::packedField(int offset, int index, int bits, int count) const
{
    if (index < 0 || index >= count)
        return -1;
    const int perByte = 8 / bits;
    const int byte = recordByte(offset + index / perByte);
    if (byte < 0)
        return -1;
    const int mask = (1 << bits) - 1;
    return (byte >> ((index % perByte) * bits)) & mask;
}

} // namespace olma::device
