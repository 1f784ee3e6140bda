#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace olma::vpanel {

// Which requests a fault applies to: a command code, a request number (1 = the first request
// the panel received), both, or, with neither, every request.
struct RequestMatch
{
    int command = -1;
    int request = -1;

    bool matches(int number, int commandCode) const
    {
        return (command < 0 || command == commandCode) && (request < 0 || request == number);
    }
};

// The ways the panel can misbehave, switched on by name.
struct Faults
{
    struct ErrorReply
    {
        RequestMatch match;
        int code = 0;
    };
    struct Patch
    {
        RequestMatch match;
        int byte = 0;
        int value = 0;
    };
    // Bytes that are no part of any reply, put on the line just before or just after one.
    struct Garbage
    {
        RequestMatch match;
        QByteArray bytes;
        bool before = false;
    };
    // A reply (with its garbage) written in pieces that end at the given byte counts.
    struct Cut
    {
        RequestMatch match;
        std::vector<int> at;
        int gapMs = 0;
    };

    // A reply held back this long after its request, on top of the latency.
    struct Late
    {
        RequestMatch match;
        int ms = 0;
    };
    // A reply that goes on past its 64th byte: this many more bytes follow it at once.
    struct Long
    {
        RequestMatch match;
        int bytes = 0;
    };

    // A configuration block the panel keeps wrongly: every write of it is acknowledged, but
    // byte `byte` of what it stores is inverted.
    struct Corrupt
    {
        int group = 0;
        int index = 0;
        int byte = 0;
    };

    std::vector<ErrorReply> errors; // answer with an error reply instead of serving the request
    std::vector<Patch> patches;     // change one byte of a reply
    std::vector<Garbage> garbage;   // extra bytes around a reply
    std::vector<Cut> cuts;          // a reply in pieces of chosen lengths; before `pieces`
    std::vector<Late> late;         // single replies that come late
    std::vector<Long> longReplies;  // replies longer than a frame
    std::vector<Corrupt> corrupt;   // configuration blocks stored wrongly
    int silentFrom = 0;             // from this request number on nothing is answered; 0: never
    int pieces = 1;                 // each reply written in this many pieces...
    int gapMs = 0;                  // ...with this pause between them
    int latencyMs = 0;              // pause between a whole request and its reply
    bool wireSpeed = false;         // every frame takes 5.556 ms on the line, both ways
    int vanishAt = 0;               // at this request number the port disappears; 0: never
    int vanishAfter = 0;            // ...once this many bytes of its reply are on the line

    // Switches on a fault given by name and arguments:
    //   error:code=N[,command=C][,request=R]   patch:byte=I,value=V[,command=C][,request=R]
    //   silent[:from=R]   split:pieces=N[,gap=MS]   latency:ms=MS   wire-speed
    //   garbage-before:bytes=N[,seed=S][,command=C][,request=R]   garbage-after:(the same)
    //   cut:at=N[,gap=MS][,command=C][,request=R]   vanish[:request=R][,after=B]
    //   late:ms=MS[,command=C][,request=R]   long:bytes=N[,command=C][,request=R]
    //   corrupt:group=G,index=I[,byte=B]
    // Numbers are decimal or 0x-hex. `nextRequest` is the number the next request will get
    // (where `silent` starts by default). False with a message for a fault that makes no sense.
    bool add(const QString& fault, int nextRequest, QString* error);

    // The usage text of add(), for the command line.
    static QString help();
};

} // namespace olma::vpanel
