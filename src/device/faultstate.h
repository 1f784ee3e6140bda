#pragma once

#include "device/statesection.h"

#include <QString>

namespace olma::device {

// "Неисправности": faults of the central board, the intrinsically safe power sources, the
// power blocks and the controlled outputs, and the state of every addressable block.
class FaultState : public StateSection
{
public:
    // Addressable block types as the panel numbers them in its block states.
    enum BlockType
    {
        Keyboard = 0,        // "Ольма-КВ"
        IndicationBlock = 1, // "БВИ-А"
        RelayBlock = 2,      // "БРВ-А"
        ArmingDevice = 3,    // "УПС-А(Ех)"
        OutputBlock = 4,     // "БКВ-А"
        PowerBlock = 5,      // "БП-А"
    };
    // Fault bits of a power block "БП-А".
    enum PowerBlockFault
    {
        MainSupply = 0x1,
        ReserveSupply = 0x2,
        Channel1 = 0x4,
        Channel2 = 0x8,
    };

    QWidget* createWidget(QWidget* parent) override;
    QByteArray name() const override;

    // Central board fault `bit`: 0 tamper, 1 and 2 "ПШ1" and "ПШ2", 3 main and 4 reserve
    // supply, 5 notification off, 6 sounder, 7 flasher; false before the first record.
    bool centralBoardFault(int bit) const;
    // Intrinsically safe power source `index` (from 0) is faulty.
    bool powerSourceFault(int index) const;
    // Fault bits (PowerBlockFault) of power block `index` 0..3; 0 before the first record.
    int powerBlockFaults(int index) const;
    // Controlled output `index` 0..31 of the "БКВ-А" blocks is faulty.
    bool outputFault(int index) const;
    // State of block `number` (from 0) of `type`, a value of the block table; -1 before the
    // first record, for an unknown type or a number beyond the type's count.
    int blockState(int type, int number) const;
    // Number of blocks of `type` the panel reports; 0 for an unknown type.
    static int blockCount(int type);

    QString pageHtml() const;

private:
    bool bit(int offset, int index) const;
};

} // namespace olma::device
