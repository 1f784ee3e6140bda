// Any bytes as a configuration file: the file is read the way start-up reads the default
// configuration and the way the "open a file" command reads one; whatever it is, the image
// changes only when the file was accepted. Then the bytes, repeated to fill a whole image,
// are decoded by every node and the configuration is exported. The last byte of the input
// chooses the panel model and the export format (a whole export takes long enough that one
// format per input keeps the fuzzer going; over a run every format meets every kind of image).

#include "fuzzsupport.h"

#include "common/cp1251.h"
#include "config/configuration.h"
#include "config/iconfigitem.h"
#include "config/imagemap.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <cstring>

using namespace olma::config;

namespace {

void writeFile(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QSaveFile file(path);
    OLMA_FUZZ_CHECK(file.open(QIODevice::WriteOnly));
    OLMA_FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    OLMA_FUZZ_CHECK(file.commit());
}

// Every node of the tree answers for its name and description.
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
    static QTemporaryDir folder;
    OLMA_FUZZ_CHECK(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("input.bin"));
    writeFile(path, data, size);
    const int choice = size > 0 ? data[size - 1] : 0;
    const int deviceType = choice % 3;
    const int format = choice / 3 % 4;

    // One tree for all inputs, set back to the factory configuration of the model each time.
    static std::vector<unsigned char> image(kImageSize, 0);
    static Configuration configuration(image.data(), 0);
    static const std::vector<unsigned char> defaults = image;
    std::copy(defaults.begin(), defaults.end(), image.begin());
    configuration.setDeviceType(deviceType);
    configuration.setImage(image.data());
    configuration.resetDescriptions();

    // Start-up: a file of at least a whole image is taken from its start; anything shorter changes nothing.
    const bool loaded = configuration.loadFromFile(path);
    OLMA_FUZZ_CHECK(loaded == (size >= std::size_t(kImageSize)));
    OLMA_FUZZ_CHECK(loaded ? std::memcmp(image.data(), data, kImageSize) == 0 : image == defaults);

    // The command: exactly 10098 or 10066 bytes, or nothing changes.
    const std::vector<unsigned char> before = image;
    const FileReadResult result = configuration.readFromFile(path, (deviceType + 1) % 3);
    const bool accepted = size == std::size_t(kImageSize) || size == std::size_t(kShortImageSize);
    OLMA_FUZZ_CHECK((result == FileReadResult::Loaded) == accepted);
    if (!accepted)
        OLMA_FUZZ_CHECK(image == before);
    else if (size == std::size_t(kShortImageSize))
        OLMA_FUZZ_CHECK(
            std::all_of(image.begin() + kShortImageSize, image.end(), [](unsigned char b) { return b == 0; }));

    // The bytes, repeated, as a whole image.
    if (size > 0) {
        std::vector<unsigned char> whole(kImageSize);
        for (std::size_t i = 0; i < whole.size(); ++i)
            whole[i] = data[i % size];
        writeFile(path, whole.data(), whole.size());
        OLMA_FUZZ_CHECK(configuration.loadFromFile(path));
        OLMA_FUZZ_CHECK(image == whole);
    }
    OLMA_FUZZ_CHECK(visit(&configuration) > 1);
    OLMA_FUZZ_CHECK(!olma::cp1251::encode(configuration.exportText(format)).isEmpty());
    // Decoding only reads: the image is as it was loaded.
    if (size > 0)
        OLMA_FUZZ_CHECK(std::memcmp(image.data(), data, std::min(size, std::size_t(kImageSize))) == 0);
    return 0;
}
