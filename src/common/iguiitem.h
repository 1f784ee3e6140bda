#pragma once

class QWidget;

namespace olma {

// An item that can offer a page of the main window.
class IGuiItem
{
public:
    virtual ~IGuiItem() = default;
    // A new page widget for this item, or null when it has none.
    virtual QWidget* createWidget(QWidget* parent) = 0;
};

} // namespace olma
