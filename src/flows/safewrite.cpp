#include "flows/safewrite.h"

#include "config/imagemap.h"
#include "flows/windowtexts.h"
#include "link/iprotocolcallback.h"
#include "link/protocolimpl.h"

#include <algorithm>

namespace olma::app {

namespace {

// Passes progress on and remembers whether the user stopped the transfer: the engine ends a
// cancelled operation without calling it a failure.
class CancelWatch : public IProtocolCallback
{
public:
    explicit CancelWatch(IProtocolCallback* inner) : _inner(inner) {}
    bool progress(unsigned done, unsigned total, bool finished) override
    {
        if (_inner && !_inner->progress(done, total, finished))
            _cancelled = true;
        return !_cancelled;
    }
    bool cancelled() const { return _cancelled; }

private:
    IProtocolCallback* _inner;
    bool _cancelled = false;
};

bool sameBlock(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, const BlockRecord& block)
{
    const auto first = std::size_t(block.offset);
    const auto last = first + std::size_t(block.size);
    if (last > a.size() || last > b.size())
        return false;
    return std::equal(a.begin() + std::ptrdiff_t(first), a.begin() + std::ptrdiff_t(last),
                      b.begin() + std::ptrdiff_t(first));
}

} // namespace

std::vector<BlockRecord> changedBlocks(const std::vector<unsigned char>& from, const std::vector<unsigned char>& to,
                                       const std::vector<BlockRecord>& table, bool all)
{
    std::vector<BlockRecord> changed;
    for (const BlockRecord& block : table) {
        if (all || !sameBlock(from, to, block))
            changed.push_back(block);
    }
    return changed;
}

bool readPanelImage(ProtocolImpl& engine, std::vector<unsigned char>& image, IProtocolCallback* callback)
{
    image.assign(olma::config::kImageSize, 0);
    CancelWatch watch(callback);
    return engine.readConfig(image.data(), olma::config::blockTable(), &watch) && !watch.cancelled();
}

SafeWriteResult writeChanged(ProtocolImpl& engine, const std::vector<unsigned char>& panelImage,
                             const std::vector<unsigned char>& image, bool allBlocks, IProtocolCallback* callback)
{
    SafeWriteResult result;
    result.stored = panelImage;
    result.written = changedBlocks(panelImage, image, olma::config::blockTable(), allBlocks);
    if (result.written.empty()) {
        result.outcome = SafeWriteResult::Outcome::AlreadyEqual;
        return result;
    }

    CancelWatch watch(callback);
    // The read-back right after checks every written block byte for byte and watches the line
    // after its own last reply, so the write does not wait for a quiet line after its last
    // acknowledgement; a late byte of it is thrown away when the port opens for the read-back.
    const int settle = engine.settleTime();
    engine.setSettleTime(0);
    const bool sent = engine.writeConfig(image.data(), result.written, &watch);
    engine.setSettleTime(settle);
    if (!sent || watch.cancelled()) {
        result.cancelled = watch.cancelled();
        result.errorCode = engine.errorCode();
        return result;
    }
    // What the panel kept, block by block, over what it held before.
    std::vector<unsigned char> readBack = panelImage;
    readBack.resize(std::max(readBack.size(), image.size()));
    if (!engine.readConfig(readBack.data(), result.written, &watch) || watch.cancelled()) {
        result.cancelled = watch.cancelled();
        result.errorCode = engine.errorCode();
        // Every block was acknowledged; what the panel holds is the new image, unconfirmed.
        result.stored = image;
        return result;
    }
    result.stored = readBack;
    for (const BlockRecord& block : result.written) {
        if (!sameBlock(readBack, image, block))
            result.mismatched.push_back(block);
    }
    if (!result.mismatched.empty()) {
        result.outcome = SafeWriteResult::Outcome::Mismatch;
        return result;
    }
    result.outcome = SafeWriteResult::Outcome::Verified;
    // The panel takes the new configuration when it starts again.
    result.restartSent = engine.restart();
    if (!result.restartSent)
        result.errorCode = engine.errorCode();
    return result;
}

QString verifiedText()
{
    return texts::kWriteConfVerified;
}

QString alreadyEqualText()
{
    return texts::kWriteConfAlreadyEqual;
}

QString mismatchText(const QStringList& fields)
{
    QString text = texts::kWriteConfMismatch;
    if (!fields.isEmpty())
        text += QStringLiteral("\n") + fields.join(QLatin1Char('\n'));
    return text;
}

} // namespace olma::app
