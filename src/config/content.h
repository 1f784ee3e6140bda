#pragma once

#include "config/blockgroup.h"
#include "config/configitem.h"

#include <array>
#include <memory>

namespace olma::config {

// "Состав": which addressable blocks are connected, one group per kind, listed as keyboards,
// relay blocks, indication blocks, arming devices, controlled-output blocks, power blocks.
class Content : public ConfigItem
{
public:
    static constexpr int kGroupCount = 6;

    Content(unsigned char* image, int deviceType, int reserved);

    // The "Состав" page.
    QWidget* createWidget(QWidget* parent) override;
    ~Content() override;

    // The group of a kind (BlockGroup::Kind), or null for a kind without one.
    BlockGroup* group(int kind) const;
    // The groups in list order.
    std::array<BlockGroup*, kGroupCount> groups() const;

    // The section heading, then the groups.
    QString exportText(int format) const override;

private:
    std::array<std::unique_ptr<BlockGroup>, kGroupCount> _groups;
};

} // namespace olma::config
