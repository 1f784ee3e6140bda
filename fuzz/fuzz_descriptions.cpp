// Any bytes as a description file: parsed, handed to the configuration tree, and every node
// reads its description. A document the tree accepted must survive the program's own save
// and load: the descriptions read back from the saved file are the ones it held.

#include "fuzzsupport.h"

#include "config/configitem.h"
#include "config/configuration.h"
#include "config/descriptiondocument.h"
#include "config/imagemap.h"

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
    static std::vector<unsigned char> image(kImageSize, 0);
    // The 16-loop model: every loop and output of the tree is there to be described.
    static Configuration configuration(image.data(), 2);

    const QByteArray contents(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QDomDocument> document = descriptions::parse(contents);
    configuration.setDescriptionDocument(document ? *document : descriptions::emptyDocument());
    QStringList held;
    collect(&configuration, held);

    // Saved and read back as the configuration files carry it.
    const std::optional<QDomDocument> saved =
        descriptions::parse(descriptions::serialize(configuration.descriptionDocument()));
    OLMA_FUZZ_CHECK(saved.has_value());
    configuration.setDescriptionDocument(*saved);
    QStringList readBack;
    collect(&configuration, readBack);
    OLMA_FUZZ_CHECK(readBack == held);

    // Storing what every node holds changes none of it.
    store(&configuration);
    configuration.setDescriptionDocument(configuration.descriptionDocument());
    QStringList stored;
    collect(&configuration, stored);
    OLMA_FUZZ_CHECK(stored == held);
    return 0;
}
