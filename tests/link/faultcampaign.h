#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

// A fault campaign on the link: panel operations against the virtual panel, each under a fault
// schedule drawn at random from a seed, and for every run the checks a field engineer relies
// on: the operation ends within the reply time-out, the port is closed and released, the error
// code is the one the fault calls for, a failed configuration read changes nothing, what an
// operation returns is the panel's own data (bytes of no request on the line end it with a
// serial failure, never with a shifted image or log), and nothing crashes or hangs. A safe write
// ends with the new image verified and the panel restarted, or unrestarted with a backup that,
// written back once the fault is gone, returns the old image byte for byte.
namespace olma::campaign {

enum class Operation
{
    ReadConfig,
    WriteConfig,
    ReadLog,
    Firmware,
    Poll,      // state, then identify, as the window's once-a-second poll
    SafeWrite, // the backup read, the changed blocks written and read back, the restart
    Count
};

enum class Fault
{
    None,
    Silence,    // nothing answered from one request on
    ErrorReply, // one request answered with an error reply of any code
    SlowReply,  // one reply split, its rest coming after the time-out
    Garbage,    // noise on the line before or after one reply
    Vanish,     // the port disappears at one request, part of its reply out
    Unplugged,  // the port is gone before the operation starts
    LateReply,  // a state request before the operation is answered after its time-out
    LongReply,  // one reply runs on past its 64th byte
    // The panel behind a device server, reached over TCP:
    Refused,      // the address takes no connection
    Reset,        // the connection is reset in the middle of one reply
    SilentAccept, // the connection is taken, and nothing passes
    SlowLink,     // every reply late and in pieces, within the time-out
    Count
};

QString operationName(Operation operation);
QString faultName(Fault fault);

// One run: what the panel holds, which operation runs, what goes wrong and where.
struct Schedule
{
    int number = 0;
    Operation operation = Operation::Poll;
    Fault fault = Fault::None;

    // The panel.
    unsigned char modelCode = 0x10;
    QByteArray image;
    QByteArray state;
    QByteArray log;
    // The operation.
    unsigned logFirst = 0;
    unsigned logCount = 0xFFFFFFFFu;
    QByteArray firmware;
    QByteArray newImage; // SafeWrite: the image with a few blocks changed
    int replies = 0;     // requests awaiting a reply when nothing goes wrong

    // The fault: the request it hits (1 = the first the panel receives) and its details.
    int request = 0;
    int code = 0;         // error reply code; for Unplugged the code the operation before left
    QByteArray garbage;   // Garbage
    bool before = false;  // Garbage: before the reply, not after
    int cutAt = 0;        // SlowReply: bytes of the reply that come in time
    int lateMs = 0;       // SlowReply: when the rest comes
    int vanishAfter = 0;  // Vanish: bytes of the reply on the line before the port goes
    int lateReplyMs = 0;  // LateReply: how long after its request the state reply comes
    int runOn = 0;        // LongReply: bytes past the 64th
    bool echo = true;     // the panel repeats command, group and index in reply bytes 0..2
    bool network = false; // the panel is reached over TCP through a device server
    int slowMs = 0;       // SlowLink: the latency of every reply

    // Replies in pieces on the side: (request, cut points, gap in ms).
    struct Cut
    {
        int request = 0;
        std::vector<int> at;
        int gapMs = 0;
    };
    std::vector<Cut> cuts;

    QString describe() const;
};

struct Settings
{
    quint64 seed = 0x0A15E2026ull;
    int runs = 30;
    int only = -1; // replay this schedule alone
    // Allowance over the reply time-out and after the last reply, for a computer whose every
    // core is busy: short of one whole time-out, so an operation that waits one too many is
    // still caught, and far above any pause a loaded computer puts between two events.
    int marginMs = 900;
    bool verbose = false;

    // OLMA_CAMPAIGN_SEED, OLMA_CAMPAIGN_RUNS, OLMA_CAMPAIGN_ONLY, OLMA_CAMPAIGN_MARGIN_MS,
    // OLMA_CAMPAIGN_VERBOSE over the defaults.
    static Settings fromEnvironment(int defaultRuns);
    // How to run one schedule again.
    QString replayHint(int number) const;
};

struct Tally
{
    int run = 0;
    int survived = 0;
    // "operation / fault" -> (run, survived)
    std::map<QString, std::pair<int, int>> byKind;
    QStringList failures;
};

// Draws schedule `number` of the seed: the same schedule for the same seed and number.
Schedule drawSchedule(quint64 seed, int number);

// Runs one schedule against a fresh virtual panel in this thread; the problems found, none
// when the link and the program behaved.
QStringList runSchedule(const Schedule& schedule, const Settings& settings);

// Runs the campaign the settings ask for, printing a line per failure (and per schedule when
// verbose) through `print`. A schedule that hangs or crashes stops the process with the way to
// replay it.
Tally runCampaign(const Settings& settings, const std::function<void(const QString&)>& print);

} // namespace olma::campaign
