#pragma once

#include "config/cipherpassword.h"
#include "config/configitem.h"

namespace olma::config {

// The panel-wide settings: time-outs, re-arming times, sound times, engineer password, clock
// synchronisation and the two user messages (the first 46 bytes of the image).
class Params : public ConfigItem
{
public:
    // A sound time of 255 keeps the sound on until it is silenced.
    static constexpr quint16 kSoundAlwaysOn = 255;
    // The panel shows up to 10 characters of a message; the field holds 16.
    static constexpr int kMessageShown = 10;
    static constexpr int kMessageField = 16;

    Params(unsigned char* image, int deviceType, int reserved);

    // The "Параметры" page.
    QWidget* createWidget(QWidget* parent) override;

    // Arming/disarming time-outs 1 and 2, seconds (one byte each).
    quint16 timer1() const { return _timer1; }
    void setTimer1(quint16 value);
    quint16 timer2() const { return _timer2; }
    void setTimer2(quint16 value);

    // Automatic re-arming of security and 24-hour loops, 0..510 s (nine bits).
    quint32 autoPre() const { return _autoPre; }
    void setAutoPre(quint32 value);
    quint32 autoPreDaily() const { return _autoPreDaily; }
    void setAutoPreDaily(quint32 value);

    // How long keyboards and the central-station output sound, seconds, or kSoundAlwaysOn.
    quint16 kvSoundWorkTime() const { return _kvSoundWorkTime; }
    void setKvSoundWorkTime(quint16 value);
    quint16 ptsSoundWorkTime() const { return _ptsSoundWorkTime; }
    void setPtsSoundWorkTime(quint16 value);

    CipherPassword engineerPassword() const { return _engineerPassword; }
    void setEngineerPassword(const CipherPassword& password);

    // 1: the panel takes date and time from the computer; 0: it keeps its own.
    quint16 timeSync() const { return _timeSync; }
    void setTimeSync(quint16 value);

    // The two user messages. The panel shows space to '?' and the capitals А..Я; reading back
    // drops every other character and reads only the shown part.
    QString message1() const { return _message1; }
    void setMessage1(const QString& text);
    QString message2() const { return _message2; }
    void setMessage2(const QString& text);

    // True for the bytes a panel message can show.
    static bool isMessageByte(unsigned char byte);

    void setDefault() override;
    void loadFromImage() override;
    // One line or row per setting; CSV and HTML leave out the two messages.
    QString exportText(int format) const override;

private:
    void writeNineBits(int offset, quint32 value);
    void writeMessage(int offset, const QString& text);
    QString readMessage(int offset) const;

    quint16 _timer1 = 0;
    quint16 _timer2 = 0;
    quint32 _autoPre = 0;
    quint32 _autoPreDaily = 0;
    quint16 _kvSoundWorkTime = 0;
    quint16 _ptsSoundWorkTime = 0;
    CipherPassword _engineerPassword;
    quint16 _timeSync = 0;
    QString _message1;
    QString _message2;
};

} // namespace olma::config
