#pragma once

#include "device/statesection.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

#include <cstdint>

namespace olma::device {

// "Общие сведения": model, firmware version, serial number and the panel's clock.
class CommonState : public StateSection
{
public:
    QWidget* createWidget(QWidget* parent) override;
    QByteArray name() const override;

    // The model index read from this section's record (0 until a known model code arrives).
    int deviceType() const override { return _commonDeviceType; }
    uint8_t version() const { return _version; }
    uint16_t serialNumber() const { return _serialNumber; }
    // The panel's clock; invalid when the panel sent an impossible date or time.
    QDateTime dateTime() const { return _dateTime; }

    // What the other sections find not in order (set by the device that owns them all).
    void setAttentionSource(std::function<QStringList()> source) { _attention = std::move(source); }
    QStringList attention() const { return _attention ? _attention() : QStringList(); }
    // A record has arrived, so an empty attention list means all is well.
    bool recordArrived() const { return hasRecord(); }

protected:
    void decode() override;

private:
    int _commonDeviceType = 0;
    uint8_t _version = 1;
    uint16_t _serialNumber = 1;
    QDateTime _dateTime = currentWallClock();
    std::function<QStringList()> _attention;

    static QDateTime currentWallClock();
};

// The four values of the common page as the user reads them.
struct CommonStateLines
{
    QString version;
    QString type;
    QString serialNumber;
    // Empty when the panel's clock cannot be shown (invalid, or not past the year 2000);
    // the page then keeps what it showed before.
    QString clock;
};

CommonStateLines commonStateLines(const CommonState& state);

// "Ольма-4Ех", "Ольма-8Ех" or "Ольма-16Ех"; an unknown index reads as the 4-loop model.
QString modelName(int deviceType);

} // namespace olma::device
