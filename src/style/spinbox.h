#pragma once

#include <QSpinBox>

namespace olma::style {

// A spin box that turns with the mouse wheel only while it has the keyboard focus: scrolling
// a long page over it scrolls the page instead of changing a time-out by accident.
class SpinBox : public QSpinBox
{
    Q_OBJECT
    Q_DISABLE_COPY(SpinBox)

public:
    explicit SpinBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace olma::style
