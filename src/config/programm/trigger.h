#pragma once

#include <QString>
#include <QtGlobal>

// The 2-bit trigger value every relay-program trigger holds, and its text.
namespace olma::config::programm {

enum TriggerValue : quint16
{
    TriggerInactive = 0,  // "Неактивно"
    TriggerActive = 1,    // "Активно"
    TriggerForbidden = 2, // "Запрет активации"
};

constexpr unsigned char kTriggerMask = 0x03;
// The largest value a trigger's two bits can hold; the editors never offer it and it reads as inactive.
constexpr quint16 kTriggerMax = 3;

// What an editor of several items reads for a trigger that differs among them; being the value the
// editors never offer, a page shows it blank, as differing.
constexpr quint16 kTriggerMixed = kTriggerMax;

// 1 "Активно", 2 "Запрет активации", anything else "Неактивно".
QString stateText(quint16 value);

// The trigger held in bits shift+1..shift of a record byte.
constexpr quint16 triggerAt(unsigned char byte, int shift)
{
    return quint16((byte >> shift) & kTriggerMask);
}

// Puts a trigger into bits shift+1..shift and keeps the other six bits; only the low two bits of
// the value fit.
inline void putTrigger(unsigned char* byte, int shift, quint16 value)
{
    const auto mask = static_cast<unsigned char>(kTriggerMask << shift);
    *byte = static_cast<unsigned char>((*byte & ~mask) | ((value & kTriggerMask) << shift));
}

// A trigger of a program's state item set from its editor: the item's field, the item's change
// told, and the bits in the image written when the item has its place in one (`byte` is null
// otherwise).
template <class Item> void storeTrigger(Item* item, quint16& field, quint16 value, unsigned char* byte, int shift)
{
    field = value;
    // The image first: whoever hears of the change may read it there.
    if (byte)
        putTrigger(byte, shift, value);
    emit item->changed(item);
}

} // namespace olma::config::programm
