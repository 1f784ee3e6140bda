#pragma once

#include "link/iprotocolcallback.h"

class QTextStream;

namespace olma::cli {

// A transfer's progress as a bar redrawn in place on a terminal's line; never cancels.
class TerminalProgress : public IProtocolCallback
{
public:
    explicit TerminalProgress(QTextStream& stream) : _stream(stream) {}
    ~TerminalProgress() override;

    bool progress(unsigned done, unsigned total, bool finished) override;

private:
    QTextStream& _stream;
    int _shownPercent = -1;
    bool _lineOpen = false;
};

} // namespace olma::cli
