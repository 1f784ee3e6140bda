// Any bytes as a description file, at the level of the document: parsed (a document nested
// deeper than any description file is refused before the document model is built), and when
// accepted, every description it holds for the ids the input names reads back the same after
// the program's own save and load; a description written into it reads back as written.
// The tree's side (every node reading its description) is fuzz_descriptiontree's.

#include "fuzzsupport.h"

#include "config/descriptiondocument.h"

#include <QStringList>

using namespace olma::config;

namespace {

const QStringList kTags = {QStringLiteral("tail"), QStringLiteral("user"), QStringLiteral("programm"),
                           QStringLiteral("keyboard"), QStringLiteral("description")};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    olma::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks the node asked about; the rest is the file.
    olma::fuzz::Input in(data, size);
    const unsigned pick = in.byte();
    const QString tag = kTags[pick % kTags.size()];
    const int id = int(pick / kTags.size()) - 2;
    std::size_t taken = 0;
    const std::uint8_t* at = in.take(in.remaining(), &taken);
    const QByteArray contents(reinterpret_cast<const char*>(at), qsizetype(taken));

    std::optional<QDomDocument> document = descriptions::parse(contents);
    if (!document)
        return 0;
    const std::optional<QString> held = descriptions::read(*document, tag, id);

    // Saved and read back as the configuration files carry it.
    const std::optional<QDomDocument> saved = descriptions::parse(descriptions::serialize(*document));
    OLMA_FUZZ_CHECK(saved.has_value());
    OLMA_FUZZ_CHECK(descriptions::read(*saved, tag, id) == held);

    // Written, then read back, then saved and read again.
    const QString text = held.value_or(QString()) + QStringLiteral(" <&\"Склад\"> ");
    descriptions::write(*document, tag, id, text);
    OLMA_FUZZ_CHECK(descriptions::read(*document, tag, id) == text);
    const std::optional<QDomDocument> again = descriptions::parse(descriptions::serialize(*document));
    OLMA_FUZZ_CHECK(again.has_value());
    OLMA_FUZZ_CHECK(descriptions::read(*again, tag, id) == text);
    return 0;
}
