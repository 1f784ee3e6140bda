#include "config/blockgroup.h"

#include "common/pagefactory.h"
#include "config/configtexts.h"
#include "config/descriptiondocument.h"
#include "config/exportmarkup.h"
#include "config/exporttexts.h"
#include "config/imagemap.h"

#include <array>

namespace olma::config {
namespace {

struct KindLayout
{
    int maskOffset; // image offset of the 16-bit mask, -1 for none
    int count;      // block addresses
};

// The section holds six little-endian masks: keyboards, relay blocks, indication blocks,
// arming devices, controlled-output blocks, power blocks. Indexed by kind.
constexpr std::array<KindLayout, 7> kKinds = {{
    {kContentOffset + 0, 4},  // keyboards
    {kContentOffset + 4, 4},  // indication blocks
    {kContentOffset + 2, 4},  // relay blocks
    {kContentOffset + 6, 16}, // arming devices
    {kContentOffset + 8, 8},  // controlled-output blocks
    {kContentOffset + 10, 4}, // power blocks
    {-1, 0},                  // controlled outputs of the panel itself
}};

constexpr bool validKind(int kind)
{
    return kind >= 0 && kind < int(kKinds.size());
}

} // namespace

BlockGroup::BlockGroup(unsigned char* image, int deviceType, int kind)
    : ConfigItem(image, deviceType, 0), _kind(validKind(kind) ? kind : PowerOutputs)
{
    loadFromImage();
}

QWidget* BlockGroup::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

int BlockGroup::maskOffset(int kind)
{
    return validKind(kind) ? kKinds[size_t(kind)].maskOffset : -1;
}

int BlockGroup::blockCount(int kind)
{
    return validKind(kind) ? kKinds[size_t(kind)].count : 0;
}

bool BlockGroup::isConnected(int index) const
{
    return index >= 0 && index < _count && _connected[size_t(index)];
}

void BlockGroup::setConnected(int index, bool on)
{
    if (index < 0 || index >= _count)
        return;
    _connected[size_t(index)] = on;
    if (!_mask)
        return;
    unsigned char& byte = _mask[index < 8 ? 0 : 1];
    const auto bit = static_cast<unsigned char>(1u << (index & 7));
    byte = static_cast<unsigned char>(on ? byte | bit : byte & ~bit);
}

QString BlockGroup::blockDescription(int index) const
{
    return index >= 0 && index < _count ? _blockDescriptions.at(index) : QString();
}

void BlockGroup::setBlockDescription(const int& index, const QString& text)
{
    if (index < 0 || index >= _count)
        return;
    _blockDescriptions[index] = text;
    descriptions::write(ensureDocument(), _xmlTag, index, text);
}

void BlockGroup::setDefault()
{
    // Only the bits of existing addresses; the panel may use the others.
    for (int i = 0; i < _count; ++i)
        setConnected(i, false);
    ConfigItem::setDefault();
}

void BlockGroup::loadFromImage()
{
    _name = texts::blockKindName(_kind);
    _description = texts::blockKindFullName(_kind);
    _xmlTag = texts::blockKindXmlTag(_kind);
    _count = blockCount(_kind);
    _connected.resize(size_t(_count), false);
    while (_blockDescriptions.size() < _count)
        _blockDescriptions.append(QString());
    while (_blockDescriptions.size() > _count)
        _blockDescriptions.removeLast();

    const int offset = maskOffset(_kind);
    _mask = _image && offset >= 0 ? _image + offset : nullptr;
    if (!_mask)
        return;
    const unsigned mask = unsigned(_mask[0]) | unsigned(_mask[1]) << 8;
    for (int i = 0; i < _count; ++i)
        _connected[size_t(i)] = (mask >> i) & 1u;
}

QString BlockGroup::exportText(int format) const
{
    namespace t = exporttexts;
    // Blocks are numbered from 1 after the group's name ("БРВ-А-3"); descriptions stay out.
    const auto block = [this](int i) { return QStringLiteral("%1-%2").arg(_name).arg(i + 1); };
    const auto state = [this](int i) { return exportmarkup::word(isConnected(i), t::kBlockOn, t::kBlockOff); };

    QString text;
    switch (format) {
    case ExportText:
        text += _name + QStringLiteral(":\r\n");
        for (int i = 0; i < _count; ++i)
            text += block(i) + QStringLiteral(": ") + state(i) + QStringLiteral("\r\n");
        break;
    case ExportCsv:
        text += _name + QStringLiteral("\r\n");
        for (int i = 0; i < _count; ++i)
            text += block(i) + QStringLiteral("; ") + state(i) + QStringLiteral("\r\n");
        break;
    case ExportHtml:
        text += QStringLiteral("<br><b>") + _name + QStringLiteral("</b>\r\n<table width=85%>\r\n");
        // The rows follow each other on one line.
        for (int i = 0; i < _count; ++i)
            text += QStringLiteral("<tr><td width=70%>") + block(i) + QStringLiteral("</td><td width=30%>") + state(i) +
                    QStringLiteral("</td></tr>");
        text += QStringLiteral("</table>\r\n");
        break;
    case ExportRtf:
        text += exportmarkup::rtfTitle(_name);
        exportmarkup::appendRtfRow(text, t::kBlockColumn, t::kStateColumn);
        for (int i = 0; i < _count; ++i)
            exportmarkup::appendRtfRow(text, block(i), state(i));
        break;
    default:
        break;
    }
    return text;
}

void BlockGroup::setDescriptionDocument(const QDomDocument& document)
{
    _document = document;
    for (IConfigItem* child : children())
        child->setDescriptionDocument(document);
    for (int i = 0; i < _count; ++i)
        _blockDescriptions[i] = descriptions::read(_document, _xmlTag, i).value_or(QString());
}

void BlockGroup::storeDescription()
{
    QDomDocument& document = ensureDocument();
    for (int i = 0; i < _count; ++i) {
        if (!_blockDescriptions.at(i).isEmpty() || descriptions::read(document, _xmlTag, i))
            descriptions::write(document, _xmlTag, i, _blockDescriptions.at(i));
    }
}

} // namespace olma::config
