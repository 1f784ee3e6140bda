// Any bytes, repeated to fill a whole image, as a configuration exported: one node of the tree
// (a section, or one loop, user, block group or relay program) decodes its fields and renders
// itself in one of the four formats, encoded to Windows-1251 as the file gets it. The last byte
// chooses the panel model and the format, the two before it the node. One input in 256 exports a
// whole section; one in 16384 decodes the whole tree and exports the whole document, frame
// included, to a file through the writer that replaces a file only when every byte is on disk;
// the file holds exactly the document.

#include "configtrees.h"
#include "fuzzsupport.h"

#include "common/cp1251.h"
#include "config/configexport.h"

#include <QFile>
#include <QTemporaryDir>

using namespace olma::config;

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
    const int format = int(choice / 3 % 4);
    olma::fuzz::ConfigTree& tree = olma::fuzz::configTree(int(choice % 3));
    for (std::size_t i = 0; i < tree.image.size(); ++i)
        tree.image[i] = data[i % size];

    if (olma::fuzz::sampled(data, size, 16384, 2)) {
        tree.configuration->loadFromImage();
        static QTemporaryDir folder;
        static const char* suffixes[] = {"txt", "rtf", "html", "csv"};
        const QString path = folder.filePath(QStringLiteral("export.") + QLatin1String(suffixes[format]));
        QString reason;
        OLMA_FUZZ_CHECK(exportConfiguration(*tree.configuration, path, &reason) == ExportResult::Exported);
        QFile file(path);
        OLMA_FUZZ_CHECK(file.open(QIODevice::ReadOnly));
        OLMA_FUZZ_CHECK(file.readAll() == olma::cp1251::encode(tree.configuration->exportText(format)));
        return 0;
    }

    IConfigItem* node = olma::fuzz::pickNode(*tree.configuration, pick, olma::fuzz::sampled(data, size, 256, 1));
    if (!node)
        return 0;
    olma::fuzz::priv(node)->loadFromImage();
    olma::cp1251::encode(olma::fuzz::priv(node)->exportText(format));
    // Decoding and exporting only read: the image is as it was filled.
    for (std::size_t i = 0; i < tree.image.size(); ++i)
        OLMA_FUZZ_CHECK(tree.image[i] == data[i % size]);
    return 0;
}
