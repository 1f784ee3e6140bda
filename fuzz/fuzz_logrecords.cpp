// Any bytes as a log: the store decodes the whole 8-byte records, every event gets its five
// texts, the viewer's filter and sort run over them, and the four documents are rendered.
// The trailing part of a record, which the store keeps but does not decode, chooses the
// filter and the sort keys.

#include "fuzzsupport.h"

#include "common/cp1251.h"
#include "logview/logevents.h"
#include "logview/logexport.h"
#include "logview/logfilter.h"

#include <QFile>

#include <algorithm>

using namespace olma::logview;

namespace {

QString readTemplate(const QString& path)
{
    QFile file(path);
    OLMA_FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return olma::cp1251::decode(file.readAll());
}

LogFilter filterFrom(olma::fuzz::Input& in)
{
    const unsigned flags = in.byte();
    LogFilter filter;
    filter.byDate = flags & 0x01;
    filter.from = QDateTime(QDate(2000 + in.byte() % 100, 1 + in.byte() % 12, 1), QTime(0, 0), Qt::UTC);
    filter.to = filter.from.addDays(in.byte() * 4);
    filter.byEvent = flags & 0x02;
    filter.eventClass = in.byte() % 5;
    filter.eventCode = int(in.byte()) - 1;
    filter.byUser = flags & 0x04;
    filter.user = int(in.byte()) - 1;
    filter.byTail = flags & 0x08;
    filter.tail = int(in.byte()) - 1;
    filter.byBlock = flags & 0x10;
    filter.blockType = int(in.byte()) - 1;
    filter.blockAddress = int(in.byte()) - 1;
    return filter;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    olma::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString documentTemplate = readTemplate(rtfDocumentTemplatePath());
    static const QString rowTemplate = readTemplate(rtfRowTemplatePath());

    LogEvents store;
    store.append(data, size);
    const std::vector<LogEvent>& events = store.events();
    OLMA_FUZZ_CHECK(events.size() == size / kLogRecordSize);
    OLMA_FUZZ_CHECK(store.rawLog().size() == size);

    for (const LogEvent& event : events) {
        const QStringList texts = describeEvent(event);
        OLMA_FUZZ_CHECK(texts.size() == kTextCount);
        // Every text must survive the trip to a Windows-1251 document.
        for (const QString& text : texts)
            OLMA_FUZZ_CHECK(olma::cp1251::decode(olma::cp1251::encode(text)) == text);
    }

    const std::size_t tail = size % kLogRecordSize;
    olma::fuzz::Input choices(data + size - tail, tail);
    const LogFilter filter = filterFrom(choices);
    std::vector<LogEvent> shown;
    std::copy_if(events.begin(), events.end(), std::back_inserter(shown),
                 [&](const LogEvent& event) { return filter.accepts(event); });
    std::vector<int> keys;
    for (unsigned k = choices.byte() % 6; k > 0; --k)
        keys.push_back(int(choices.byte() % 7) - 1);
    // std::sort runs off its range when the comparison is not a strict weak order.
    std::sort(shown.begin(), shown.end(),
              [&](const LogEvent& l, const LogEvent& r) { return logEventLess(l, r, keys); });

    const QString documents[] = {renderText(shown), renderCsv(shown), renderHtml(shown),
                                 renderRtf(shown, documentTemplate, rowTemplate)};
    for (const QString& document : documents)
        OLMA_FUZZ_CHECK(!olma::cp1251::encode(document).isEmpty());
    return 0;
}
