#pragma once

#include "common/devicetype.h"
#include "config/imagemap.h"

// The 52-byte record of one relay-activation program and the slot table that gives every program
// index its kind of output.
namespace olma::config::programm {

// Offsets within a program record.
constexpr int kRecordFlags = 0;    // bit 0 initial state, bit 1 tactic; bits 2..7 belong to the panel
constexpr int kRecordDelay = 1;    // delay before start, seconds
constexpr int kRecordWorkTime = 2; // two bytes, little-endian; 0 = not limited
constexpr int kRecordTails = 4;    // two bytes per loop slot
constexpr int kRecordPanel = 36;   // two bytes of panel events
constexpr int kRecordIp = 38;      // two bytes of ИП faults
constexpr int kRecordBkv = 40;     // one byte per БКВ-А block
constexpr int kRecordBp = 48;      // one byte per БП-А block

constexpr unsigned char kFlagInitState = 0x01;
constexpr unsigned char kFlagTactic = 0x02;

constexpr int kTailBytes = 2;
constexpr int kBkvBlocks = 8;
constexpr int kBkvOutputs = 4;
constexpr int kBpBlocks = 4;

static_assert(kRecordTails + kTailSlots * kTailBytes == kRecordPanel, "16 loop slots");
static_assert(kRecordBkv + kBkvBlocks == kRecordBp, "one byte per БКВ-А block");
static_assert(kRecordBp + kBpBlocks == kProgrammRecordSize, "the power blocks end the record");

// The first byte of program `index`'s record, or null without an image or outside the 114 slots.
inline unsigned char* recordOf(unsigned char* image, unsigned index)
{
    if (!image || index >= unsigned(kProgrammCount))
        return nullptr;
    return image + kProgrammsOffset + kProgrammRecordSize * int(index);
}

// What a program slot drives; the index alone decides it.
enum Kind
{
    KindBuiltInRelay = 1,     // 0..7
    KindSound = 2,            // 8
    KindLight = 3,            // 9
    KindControlledOutput = 4, // ИП, 10..17
    KindBrv = 5,              // БРВ-А relays, 18..49
    KindBkv = 6,              // БКВ-А outputs, 50..81
    KindBvi = 7,              // БВИ-А outputs, 82..113
};

constexpr unsigned kFirstSound = 8;
constexpr unsigned kFirstLight = 9;
constexpr unsigned kFirstIp = 10;
constexpr unsigned kFirstBrv = 18;
constexpr unsigned kFirstBkv = 50;
constexpr unsigned kFirstBvi = 82;

// Outputs per block in the titles: БРВ-А 8 relays, БКВ-А 4 outputs, БВИ-А 8 outputs.
constexpr unsigned kBrvBlockSize = 8;
constexpr unsigned kBkvBlockSize = kBkvOutputs;
constexpr unsigned kBviBlockSize = 8;

constexpr int kindOf(unsigned index)
{
    return index < kFirstSound   ? KindBuiltInRelay
           : index < kFirstLight ? KindSound
           : index < kFirstIp    ? KindLight
           : index < kFirstBrv   ? KindControlledOutput
           : index < kFirstBkv   ? KindBrv
           : index < kFirstBvi   ? KindBkv
                                 : KindBvi;
}

// The number of the output within its kind (0-based); the index itself for the relays and notifiers.
constexpr unsigned numberInKind(unsigned index)
{
    switch (kindOf(index)) {
    case KindControlledOutput:
        return index - kFirstIp;
    case KindBrv:
        return index - kFirstBrv;
    case KindBkv:
        return index - kFirstBkv;
    case KindBvi:
        return index - kFirstBvi;
    default:
        return index;
    }
}

// How many ИП programs a model has: one for each of its ИП outputs.
constexpr unsigned ipProgrammCount(int deviceType)
{
    return unsigned(olma::ipOutputCount(deviceType));
}

// Whether the slot has a program on this model: only ИП programs beyond the model's outputs are missing.
constexpr bool programmExists(unsigned index, int deviceType)
{
    return index < unsigned(kProgrammCount) &&
           (kindOf(index) != KindControlledOutput || numberInKind(index) < ipProgrammCount(deviceType));
}

} // namespace olma::config::programm
