#include "config/content.h"

#include "common/pagefactory.h"
#include "config/configtexts.h"
#include "config/exportmarkup.h"

namespace olma::config {
namespace {

// The order of the page and the export.
constexpr std::array<int, Content::kGroupCount> kListOrder = {
    BlockGroup::Keyboards,     BlockGroup::RelayBlocks,  BlockGroup::IndicationBlocks,
    BlockGroup::ArmingDevices, BlockGroup::OutputBlocks, BlockGroup::PowerBlocks,
};

} // namespace

Content::Content(unsigned char* image, int deviceType, int reserved) : ConfigItem(image, deviceType, reserved)
{
    _name = texts::contentName();
    for (size_t i = 0; i < kListOrder.size(); ++i) {
        _groups[i] = std::make_unique<BlockGroup>(image, deviceType, kListOrder[i]);
        addChild(_groups[i].get());
    }
}

QWidget* Content::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

Content::~Content() = default;

BlockGroup* Content::group(int kind) const
{
    for (const auto& g : _groups) {
        if (g->kind() == kind)
            return g.get();
    }
    return nullptr;
}

std::array<BlockGroup*, Content::kGroupCount> Content::groups() const
{
    std::array<BlockGroup*, kGroupCount> result{};
    for (size_t i = 0; i < _groups.size(); ++i)
        result[i] = _groups[i].get();
    return result;
}

QString Content::exportText(int format) const
{
    return exportChildren(format, exportmarkup::sectionHeading(_name, format));
}

} // namespace olma::config
