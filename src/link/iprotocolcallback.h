#pragma once

// Progress of a panel operation, reported by the protocol engine as reply bytes arrive.
class IProtocolCallback
{
public:
    virtual ~IProtocolCallback() = default;
    // done and total count bytes of the transfer; returning false cancels the operation.
    virtual bool progress(unsigned done, unsigned total, bool finished) = 0;
};

// Progress plus the event-log records of a log read.
class IProtocolLogCallback : public IProtocolCallback
{
public:
    // One 8-byte record of log block `block`; the pointer is valid only during the call.
    virtual void logRecord(unsigned block, const unsigned char* record) = 0;
};
