#pragma once

#include "config/configuration.h"
#include "config/iconfigitem.h"
#include "config/imagemap.h"
#include "config/programm/programms.h"
#include "fuzzsupport.h"

#include <vector>

// What the configuration targets share: one tree per panel model over an image of its own,
// built once (building a tree costs more than anything an input does), and the choice of the
// one node an input decodes.
namespace olma::fuzz {

struct ConfigTree
{
    std::vector<unsigned char> image = std::vector<unsigned char>(olma::config::kImageSize, 0);
    olma::config::Configuration* configuration = nullptr;
};

inline ConfigTree& configTree(int deviceType)
{
    static ConfigTree trees[3];
    ConfigTree& tree = trees[deviceType % 3];
    if (!tree.configuration)
        tree.configuration = new olma::config::Configuration(tree.image.data(), deviceType % 3);
    return tree;
}

inline olma::config::IConfigItemPriv* priv(olma::config::IConfigItem* item)
{
    return dynamic_cast<olma::config::IConfigItemPriv*>(item);
}

// The node `pick` names: with `whole`, its section (never the relay programs, whose decoding
// rebuilds every program; a whole section of up to 255 users costs as much as many single
// nodes), otherwise one child of it. Sections may rebuild their children when they decode, so
// the children are looked up afresh for every input.
inline olma::config::IConfigItem* pickNode(olma::config::Configuration& configuration, unsigned pick, bool whole)
{
    const QList<olma::config::IConfigItem*> sections = configuration.children();
    olma::config::IConfigItem* section = sections[qsizetype(pick % sections.size())];
    const QList<olma::config::IConfigItem*> children = section->children();
    if (whole || children.isEmpty())
        return dynamic_cast<olma::config::Programms*>(section) == nullptr ? section : nullptr;
    return children[qsizetype(pick / 32 % children.size())];
}

} // namespace olma::fuzz
