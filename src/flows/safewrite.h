#pragma once

#include "common/blockrecord.h"

#include <QStringList>

#include <vector>

class IProtocolCallback;
class ProtocolImpl;

// A write that cannot silently leave a panel wrong: the panel's configuration is read first (the
// backup), only the blocks that differ are sent, each of them is read back, and the panel is
// restarted only when every one came back as it was sent. Both programs go through here.
namespace olma::app {

// The blocks of `table` whose bytes differ between two whole images, in table order; every
// block with `all`.
std::vector<BlockRecord> changedBlocks(const std::vector<unsigned char>& from, const std::vector<unsigned char>& to,
                                       const std::vector<BlockRecord>& table, bool all = false);

// Reads the panel's whole configuration into `image` (sized to a whole image). False when the
// read failed or was cancelled.
bool readPanelImage(ProtocolImpl& engine, std::vector<unsigned char>& image, IProtocolCallback* callback);

struct SafeWriteResult
{
    enum class Outcome
    {
        Verified,     // every block written and read back as sent; the panel was restarted
        AlreadyEqual, // nothing to write
        WriteFailed,  // the write or the read-back failed or was cancelled; no restart
        Mismatch,     // a block came back other than it was sent; no restart
    };
    Outcome outcome = Outcome::WriteFailed;
    bool cancelled = false;
    int errorCode = 0; // the engine's, after a failure
    std::vector<BlockRecord> written;
    std::vector<BlockRecord> mismatched;
    // What the panel holds as far as it is known: the backup with the blocks read back over it.
    std::vector<unsigned char> stored;
    bool restartSent = false;

    bool ok() const { return outcome == Outcome::Verified || outcome == Outcome::AlreadyEqual; }
};

// Writes the blocks of `image` that differ from `panelImage` (what the panel was read to hold),
// or all of them with `allBlocks`, reads them back and compares, and restarts the panel when
// all are equal. `callback` sees the progress of the write and of the read-back in turn; its
// refusal cancels.
SafeWriteResult writeChanged(ProtocolImpl& engine, const std::vector<unsigned char>& panelImage,
                             const std::vector<unsigned char>& image, bool allBlocks, IProtocolCallback* callback);

// The messages.
QString verifiedText();
QString alreadyEqualText();
// The blocks read back wrongly, with the differing fields (one a line) when known.
QString mismatchText(const QStringList& fields);

} // namespace olma::app
