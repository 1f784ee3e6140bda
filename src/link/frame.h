#pragma once

#include <cstddef>

// The wire format spoken with the panel: fixed 64-byte frames in both directions, no marker,
// no checksum. A reply is recognised only by counting 64 bytes after a request.
namespace olma::link {

constexpr int kFrameSize = 64;

// Request and reply header.
constexpr int kCommandByte = 0;
constexpr int kGroupByte = 1;  // or the high byte of a log block number
constexpr int kIndexByte = 2;  // or the low byte of a log block number
constexpr int kLengthByte = 3; // payload length; in a reply used only by the log block
constexpr int kPayloadOffset = 4;
constexpr int kMaxPayload = kFrameSize - kPayloadOffset;

// Reply byte 0 of an error reply; its byte 4 is the error code.
constexpr unsigned char kErrorMarker = 0xFF;
constexpr int kErrorCodeByte = kPayloadOffset;

enum Command : unsigned char
{
    kCmdIdentify = 0,
    kCmdState = 1,
    kCmdReadLog = 2,
    kCmdReadConfig = 3,
    kCmdWriteConfig = 4,
    kCmdFirmwareData = 5,
    kCmdFirmwareEnd = 6,
    kCmdRestart = 7,
};

// State request: phase 0 carries the computer's clock and brings record bytes 0..39,
// phase 1 brings record bytes 40..83.
constexpr int kStateRecordSize = 84;
constexpr int kStatePhase0Size = 40;
constexpr int kStatePhase1Size = 44;
constexpr int kClockBytes = 6;

// Identify answer: reply bytes 4..7, little-endian; byte 4 is the model code, byte 5 the
// firmware version, bytes 6..7 the serial number.
constexpr int kIdentifySize = 4;

// Event log: blocks of up to 7 records of 8 bytes; block numbers 0..584.
constexpr int kLogRecordSize = 8;
constexpr int kLogRecordsPerBlock = 7;
constexpr unsigned kLogBlockCount = 585;
constexpr int kLogMaxRecords = kLogRecordsPerBlock * int(kLogBlockCount);

// Firmware travels in 64-byte chunks of which the first 63 bytes fill request bytes 1..63.
constexpr int kFirmwareChunk = 64;
constexpr int kFirmwareDataPerRequest = 63;

// A reply must be complete within this time from its request.
constexpr int kReplyTimeoutMs = 1000;

// One frame on a 115200 baud 8N1 line: 64 bytes of 10 bits, 5.556 ms.
constexpr int kFrameTimeUs = 5556;
// After the last reply of a read the line is watched this long (four frame times) before the
// port closes: a reply that goes on past its 64th byte, or one more reply, shows the replies
// were not paired with their requests.
constexpr int kSettleMs = (4 * kFrameTimeUs + 999) / 1000;

// Packed BCD of a two-digit number.
constexpr unsigned char toBcd(int value)
{
    return static_cast<unsigned char>(((value / 10) % 10) << 4 | (value % 10));
}

} // namespace olma::link
