#pragma once

#include "device/deviceitem.h"

#include <vector>

namespace olma::device {

// One section of the status record: keeps the last complete record, decodes its own bytes
// and refreshes its page.
class StateSection : public DeviceItem
{
public:
    void update() override;

protected:
    // Decodes the held record; called only when a record has arrived.
    virtual void decode() {}

    bool hasRecord() const { return !_record.empty(); }
    // Byte of the last complete record, or -1 before the first one.
    int recordByte(int offset) const;
    // `bits` bits of `count`-sized fields packed low-first from `offset`: field `index`, or -1
    // before the first record or outside the fields.
    int packedField(int offset, int index, int bits, int count) const;

private:
    // Only a complete record replaces the last one; a short one would shift every field.
    std::vector<unsigned char> _record;
};

} // namespace olma::device
