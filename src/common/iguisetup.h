#pragma once

#include <QList>
#include <QString>

namespace olma {

class IGuiItem;

// One page button of the main window's left panel.
struct GuiEntry
{
    QString title;
    // The button's picture (a resource or file path); empty for a button with text only.
    QString icon;
    IGuiItem* item = nullptr;
};

// A model that offers pages to the main window (device state, configuration, event log).
class IGuiSetup
{
public:
    virtual ~IGuiSetup() = default;
    // The pages, in display order.
    virtual QList<GuiEntry> guiItems() = 0;
    // Whether the page buttons start enabled.
    virtual bool guiEnabled() const = 0;
    virtual void setGuiEnabled(bool enabled) = 0;
};

} // namespace olma
