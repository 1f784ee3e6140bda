#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>
#include <vector>

// Fitting a fresh read of the panel's event log onto the history kept in the archive.
//
// Log records carry no identifiers and identical records repeat (two alarms of one loop in the
// same minute), so a read is placed by the longest run of records it shares with the stored
// history, and only what lies beyond that run is new. The panel's ring is read in one of two
// orders: newest record first (the panel adds at the start of what it lists, the usual case) or
// oldest first (it adds at the end); the archive keeps the history oldest first either way.
namespace olma::archive {

// The 8 bytes of one log record, packed as they lie in memory; compared, never decoded.
using Record = quint64;

constexpr int kRecordSize = 8;

// Which end of a read holds the newest record. The values are kept in the archive.
enum class LogOrder
{
    NewestFirst = 0,
    OldestFirst = 1,
};

// Whole records of a log read or file; a trailing part of a record is dropped.
std::vector<Record> recordsFromBytes(const QByteArray& bytes);
QByteArray bytesFromRecords(const std::vector<Record>& records);

// The read's records oldest first.
std::vector<Record> chronological(const std::vector<Record>& read, LogOrder order);

// Which order the records' own clock suggests: the one in which more neighbours run forward in
// time; nullopt when the clock cannot tell (too few records, or as many steps back as forward).
std::optional<LogOrder> orderByClock(const std::vector<Record>& read);

// What a read adds to the history.
struct MergePlan
{
    LogOrder order = LogOrder::NewestFirst;
    // The read shares a run of records with the history (or the history was empty).
    bool overlapped = false;
    // Records older than everything stored (oldest first), and records newer (oldest first).
    std::vector<Record> prepend;
    std::vector<Record> append;
};

// Places `read` (in the order the panel gave it) against `tail`, the newest stored records,
// oldest first. `tailIsWhole`: the tail is the whole history, so records older than its start
// may still be added before it. `complete`: the read reached the end of the panel's log; a
// partial read that shares nothing with the history adds nothing, since where it belongs is
// unknown. `known`: the order earlier reads of this panel showed, if any.
MergePlan planMerge(const std::vector<Record>& tail, bool tailIsWhole, const std::vector<Record>& read, bool complete,
                    std::optional<LogOrder> known);

// How many newest stored records a merge needs to see: twice the panel's ring, so that a read
// that overlaps anything the panel still holds finds it.
constexpr int kMergeTailRecords = 2 * 4095;

} // namespace olma::archive
