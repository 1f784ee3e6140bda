#pragma once

#include "config/cipherpassword.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace olma::config {

// An iButton key as a user record holds it: a first byte and six further bytes.
struct IButtonKey
{
    static constexpr int kRestSize = 6;

    unsigned char first = 0;
    std::array<unsigned char, kRestSize> rest{};

    // A key the panel ignores: first byte 0 or the six further bytes all zero.
    bool isEmpty() const
    {
        if (first == 0)
            return true;
        for (unsigned char b : rest) {
            if (b != 0)
                return false;
        }
        return true;
    }

    // A key that holds no identifier: an empty one, or one never set. The list greys users by it;
    // the export keeps to isEmpty().
    bool isUnset() const { return isEmpty() || *this == neverSet(); }

    // The value of a key that was never set (all seven bytes FF); it does not count as empty.
    static IButtonKey neverSet()
    {
        IButtonKey key;
        key.first = 0xFF;
        key.rest.fill(0xFF);
        return key;
    }

    bool operator==(const IButtonKey& other) const { return first == other.first && rest == other.rest; }
    bool operator!=(const IButtonKey& other) const { return !(*this == other); }
};

// What the user page edits, for one user or for several selected at once.
class UserCommon
{
public:
    virtual ~UserCommon() = default;

    virtual CipherPassword password() const = 0;
    virtual void setPassword(const CipherPassword& password) = 0;
    virtual IButtonKey key() const = 0;
    virtual void setKey(const IButtonKey& key) = 0;
    // Bit j: the user may act on loop j + 1.
    virtual quint16 accessMask() const = 0;
    virtual void setAccessMask(const quint16& mask) = 0;
    // Loop `loop` (0-based) allowed or not; the other bits of the mask stay.
    virtual void setAccess(int loop, bool on)
    {
        const auto bit = static_cast<quint16>(1u << loop);
        setAccessMask(static_cast<quint16>(on ? accessMask() | bit : accessMask() & ~bit));
    }
    // "Взятие ШС"
    virtual bool tailOn() const = 0;
    virtual void setTailOn(bool on) = 0;
    // "Снятие ШС"
    virtual bool tailOff() const = 0;
    virtual void setTailOff(bool on) = 0;
    // "Частичное Взятие/Снятие ШС"
    virtual bool partialTailOnOff() const = 0;
    virtual void setPartialTailOnOff(bool on) = 0;
    // "Сброс сообщений блоков"
    virtual bool tailDrop() const = 0;
    virtual void setTailDrop(bool on) = 0;
    virtual void setDescription(const QString& text) = 0;
    // Loops of the configuration's model: 4, 8 or 16.
    virtual int loopCount() const = 0;
};

} // namespace olma::config
