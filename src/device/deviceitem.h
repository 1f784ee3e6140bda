#pragma once

#include "common/iguiitem.h"
#include "device/ideviceguiwidget.h"
#include "device/ideviceitem.h"
#include "device/ideviceitempriv.h"

#include <QObject>
#include <QPointer>
#include <QTime>

#include <vector>

namespace olma::device {

// The status record the main window assembles after every poll: status blocks 0 and 1
// (40 + 44 bytes) with the identify answer over bytes 0..3.
constexpr int kStateRecordSize = 84;
constexpr int kModelCodeOffset = 0;

// Common behaviour of the device-state tree: holds the last record, follows the panel
// model and hands every record down to the children.
class DeviceItem : public olma::IGuiItem, public IDeviceItem, public IDeviceItemPriv
{
public:
    DeviceItem() = default;
    ~DeviceItem() override = default;
    DeviceItem(const DeviceItem&) = delete;
    DeviceItem& operator=(const DeviceItem&) = delete;

    QWidget* createWidget(QWidget* parent) override;

    std::vector<IDeviceItem*> children() const override { return _children; }
    QByteArray name() const override;
    void addChild(IDeviceItem* child) override;
    void setData(const std::vector<unsigned char>& data) override;
    int deviceType() const override { return _deviceType; }
    void setGuiWidget(IDeviceGUIWidget* widget) override;

    void update() override;
    void setDeviceType(const int& type) override;

    // The panel stopped answering at `since`: the record held stays, marked as no longer true,
    // for this item and its children, and the views are refreshed. A later loss keeps the
    // first time; the next record (setData) clears the mark.
    void setStale(const QTime& since);
    // Invalid while the record is the panel's latest answer.
    QTime staleSince() const { return _staleSince; }
    bool isStale() const { return _staleSince.isValid(); }

    // Model index of a panel model code (0x04, 0x08, 0x10); any other code keeps `previous`.
    static int modelIndexFromCode(unsigned char code, int previous);

protected:
    const std::vector<unsigned char>& data() const { return _data; }
    // The attached view, or null when none is attached or its page has been closed.
    IDeviceGUIWidget* guiWidget() const;

private:
    std::vector<unsigned char> _data;
    int _deviceType = 0;
    QTime _staleSince;
    std::vector<IDeviceItem*> _children;
    IDeviceGUIWidget* _guiWidget = nullptr;
    // Pages are deleted by the page stack whenever another page is chosen; a view that is a
    // QObject is watched so that a closed page is never refreshed.
    QPointer<QObject> _guiObject;
    bool _guiWatched = false;
};

} // namespace olma::device
