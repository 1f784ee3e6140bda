#pragma once

#include "device/statesection.h"

#include <QString>

namespace olma::device {

// "Доступ к прибору": who is logged in at the central board and at each keyboard "Ольма-КВ".
class AccessState : public StateSection
{
public:
    static constexpr int kKeyboards = 4;

    QWidget* createWidget(QWidget* parent) override;
    QByteArray name() const override;

    // Access level: 0 nobody, 1..K an administrator, above K a user (K = 8 on the 8- and
    // 16-loop panels, 2 on the 4-loop one); -1 before the first record.
    int centralBoardAccess() const;
    // Access level at keyboard `keyboard` 1..4; -1 before the first record or for another number.
    int keyboardAccess(int keyboard) const;

    QString pageHtml() const;

protected:
    void decode() override;

private:
    // The model read from this section's record; it decides who counts as an administrator.
    int _accessDeviceType = 0;
};

} // namespace olma::device
