// Any bytes, repeated to fill a whole image, as a configuration the panel holds: one node of the
// tree (a section, or one loop, user, block group or relay program) decodes its fields from it
// and answers for its name, its description and those of its subtree; decoding only reads, so
// the image is as it was filled. The last byte chooses the panel model, the two before it the
// node; one input in 32 decodes a whole section and one in 16384 the whole tree. How files become images (sizes, the
// older layout, what a refused file leaves behind) is fuzz_files'.

#include "configtrees.h"
#include "fuzzsupport.h"

#include <cstring>

using namespace olma::config;

namespace {

// Every node of the subtree answers for its name and description.
int visit(const IConfigItem* item)
{
    item->name();
    item->description();
    int count = 1;
    for (const IConfigItem* child : item->children())
        count += visit(child);
    return count;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    olma::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const unsigned choice = data[size - 1];
    const unsigned pick = unsigned(data[size - 3]) << 8 | data[size - 2];
    olma::fuzz::ConfigTree& tree = olma::fuzz::configTree(int(choice % 3));
    for (std::size_t i = 0; i < tree.image.size(); ++i)
        tree.image[i] = data[i % size];

    IConfigItem* node = olma::fuzz::pickNode(*tree.configuration, pick, olma::fuzz::sampled(data, size, 32, 1));
    if (olma::fuzz::sampled(data, size, 16384, 2))
        node = tree.configuration;
    if (!node)
        return 0;
    olma::fuzz::priv(node)->loadFromImage();
    OLMA_FUZZ_CHECK(visit(node) >= 1);
    for (std::size_t i = 0; i < tree.image.size(); ++i)
        OLMA_FUZZ_CHECK(tree.image[i] == data[i % size]);
    return 0;
}
