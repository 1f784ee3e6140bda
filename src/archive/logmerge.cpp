#include "archive/logmerge.h"

#include <algorithm>
#include <cstring>

namespace olma::archive {

namespace {

// Fewest shared records that place a read: one shared record is too easily a coincidence.
constexpr qsizetype kMinOverlap = 4;

// The record's date and time as one number that grows with time: year, month, day, hour and
// minute bytes (BCD keeps the order of the numbers), class bits masked off.
quint64 clockKey(Record record)
{
    unsigned char b[kRecordSize];
    std::memcpy(b, &record, kRecordSize);
    return quint64(b[0]) << 32 | quint64(b[1] & 0x1F) << 24 | quint64(b[2] & 0x3F) << 16 | quint64(b[3] & 0x3F) << 8 |
           quint64(b[4] & 0x7F);
}

struct Fit
{
    bool found = false;
    qsizetype offset = 0;  // where the read's oldest record falls in the tail (negative: before it)
    qsizetype overlap = 0; // records shared
};

// The fit of `read` (oldest first) on `tail` sharing the most records; among equals, the one
// nearest the newest end. Every record of the shared stretch must agree.
Fit bestFit(const std::vector<Record>& tail, bool tailIsWhole, const std::vector<Record>& read)
{
    Fit best;
    const auto t = qsizetype(tail.size());
    const auto c = qsizetype(read.size());
    if (t == 0 || c == 0)
        return best;
    const qsizetype minOverlap = std::min({kMinOverlap, t, c});
    const qsizetype lowest = tailIsWhole ? -(c - 1) : 0;
    // From the newest end backwards; a fit sharing no more than the best so far is not compared.
    for (qsizetype d = t - 1; d >= lowest; --d) {
        const qsizetype from = std::max<qsizetype>(0, -d);
        const qsizetype overlap = std::min(c, t - d) - from;
        if (overlap < minOverlap)
            continue;
        if (best.found && overlap <= best.overlap)
            continue;
        if (std::equal(read.begin() + from, read.begin() + from + overlap, tail.begin() + d + from))
            best = {true, d, overlap};
    }
    return best;
}

} // namespace

std::vector<Record> recordsFromBytes(const QByteArray& bytes)
{
    std::vector<Record> records(std::size_t(bytes.size() / kRecordSize));
    if (!records.empty())
        std::memcpy(records.data(), bytes.constData(), records.size() * kRecordSize);
    return records;
}

QByteArray bytesFromRecords(const std::vector<Record>& records)
{
    QByteArray bytes(qsizetype(records.size()) * kRecordSize, Qt::Uninitialized);
    if (!records.empty())
        std::memcpy(bytes.data(), records.data(), records.size() * kRecordSize);
    return bytes;
}

std::vector<Record> chronological(const std::vector<Record>& read, LogOrder order)
{
    if (order == LogOrder::OldestFirst)
        return read;
    return {read.rbegin(), read.rend()};
}

std::optional<LogOrder> orderByClock(const std::vector<Record>& read)
{
    qsizetype forward = 0;
    qsizetype back = 0;
    for (std::size_t i = 1; i < read.size(); ++i) {
        const quint64 a = clockKey(read[i - 1]);
        const quint64 b = clockKey(read[i]);
        forward += a < b;
        back += a > b;
    }
    if (forward == back)
        return std::nullopt;
    return forward > back ? LogOrder::OldestFirst : LogOrder::NewestFirst;
}

MergePlan planMerge(const std::vector<Record>& tail, bool tailIsWhole, const std::vector<Record>& read, bool complete,
                    std::optional<LogOrder> known)
{
    MergePlan plan;
    const std::vector<Record> newestFirst = chronological(read, LogOrder::NewestFirst);
    const Fit fitNewest = bestFit(tail, tailIsWhole, newestFirst);
    const Fit fitOldest = bestFit(tail, tailIsWhole, read);

    // The order that shares more with the history wins; when neither tells, the panel's known
    // order, then the records' clock.
    if (fitNewest.overlap != fitOldest.overlap)
        plan.order = fitNewest.overlap > fitOldest.overlap ? LogOrder::NewestFirst : LogOrder::OldestFirst;
    else if (known)
        plan.order = *known;
    else
        plan.order = orderByClock(read).value_or(LogOrder::NewestFirst);

    const std::vector<Record>& ordered = plan.order == LogOrder::NewestFirst ? newestFirst : read;
    const Fit& fit = plan.order == LogOrder::NewestFirst ? fitNewest : fitOldest;
    const auto t = qsizetype(tail.size());
    const auto c = qsizetype(ordered.size());
    if (fit.found) {
        plan.overlapped = true;
        if (fit.offset < 0)
            plan.prepend.assign(ordered.begin(), ordered.begin() + std::min(c, -fit.offset));
        if (fit.offset + c > t)
            plan.append.assign(ordered.begin() + std::max<qsizetype>(0, t - fit.offset), ordered.end());
        return plan;
    }
    // Nothing shared: the first read of the panel, or a log cleared or run past since the last
    // one. Only a complete read is known to end at the newest record.
    if (tail.empty() || complete) {
        plan.overlapped = tail.empty();
        plan.append = ordered;
    }
    return plan;
}

} // namespace olma::archive
