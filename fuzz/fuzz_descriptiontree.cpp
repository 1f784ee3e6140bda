// Any bytes as a description file handed to the configuration tree: one node's subtree (a
// section, or one loop, user, block group or relay program) takes the document and every node
// of it reads its description. A document the subtree accepted must survive the program's own
// save and load: the descriptions read back from the saved file are the ones it held, and
// storing what every node holds changes none of them. Every node looks through the whole
// document, so the subtree is chosen by the first two bytes (a whole section on one input in
// 32, the whole 16-loop tree on one in 1024) and inputs are kept short (scripts/fuzz).

#include "configtrees.h"
#include "fuzzsupport.h"

#include "config/configitem.h"
#include "config/descriptiondocument.h"

using namespace olma::config;

namespace {

void collect(const IConfigItem* item, QStringList& out)
{
    out << item->description();
    for (const IConfigItem* child : item->children())
        collect(child, out);
}

// Every node writes its description back into the document it holds.
void store(IConfigItem* item)
{
    if (auto* node = dynamic_cast<IConfigItemPriv*>(item))
        node->storeDescription();
    for (IConfigItem* child : item->children())
        store(child);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    olma::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    olma::fuzz::Input in(data, size);
    const unsigned pick = in.word();
    // The 16-loop model: every loop and output of the tree is there to be described.
    olma::fuzz::ConfigTree& tree = olma::fuzz::configTree(2);
    IConfigItem* node = olma::fuzz::sampled(data, size, 1024, 2)
                            ? tree.configuration
                            : olma::fuzz::pickNode(*tree.configuration, pick, olma::fuzz::sampled(data, size, 32, 1));
    auto* subtree = dynamic_cast<ConfigItem*>(node);
    if (!subtree)
        return 0;

    std::size_t taken = 0;
    const std::uint8_t* at = in.take(in.remaining(), &taken);
    const QByteArray contents(reinterpret_cast<const char*>(at), qsizetype(taken));
    const std::optional<QDomDocument> document = descriptions::parse(contents);
    subtree->setDescriptionDocument(document ? *document : descriptions::emptyDocument());
    QStringList held;
    collect(subtree, held);

    // Saved and read back as the configuration files carry it.
    const std::optional<QDomDocument> saved =
        descriptions::parse(descriptions::serialize(subtree->descriptionDocument()));
    OLMA_FUZZ_CHECK(saved.has_value());
    subtree->setDescriptionDocument(*saved);
    QStringList readBack;
    collect(subtree, readBack);
    OLMA_FUZZ_CHECK(readBack == held);

    // Storing what every node holds changes none of it.
    store(subtree);
    subtree->setDescriptionDocument(subtree->descriptionDocument());
    QStringList stored;
    collect(subtree, stored);
    OLMA_FUZZ_CHECK(stored == held);
    return 0;
}
