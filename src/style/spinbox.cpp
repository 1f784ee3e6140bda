#include "style/spinbox.h"

#include <QWheelEvent>

namespace olma::style {

SpinBox::SpinBox(QWidget* parent) : QSpinBox(parent)
{
    // A wheel turn must not give it the focus, or the next turn would change the value.
    setFocusPolicy(Qt::StrongFocus);
}

void SpinBox::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        // Left to the parent: the page around it scrolls.
        event->ignore();
        return;
    }
    QSpinBox::wheelEvent(event);
}

} // namespace olma::style
