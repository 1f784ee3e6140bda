#pragma once

namespace olma::config {

namespace programm {
class Params;
class TailStates;
class PCState;
class KVOState;
class BKVStates;
class BPStates;
class Description;
} // namespace programm

// What the program editor changes, for one program or several selected at once: each group of a
// program is taken over whole from another program's (or the editor's own) group.
class ProgrammCommon
{
public:
    virtual ~ProgrammCommon() = default;

    virtual void assignParams(const programm::Params& params) = 0;
    virtual void assignTailStates(const programm::TailStates& states) = 0;
    virtual void assignPCState(const programm::PCState& state) = 0;
    virtual void assignKVOState(const programm::KVOState& state) = 0;
    virtual void assignBKVStates(const programm::BKVStates& states) = 0;
    virtual void assignBPStates(const programm::BPStates& states) = 0;
    virtual void assignDescription(const programm::Description& description) = 0;
    // The editor tab shown last, so that the editor opens on it again.
    virtual void setCurrentTab(int tab) = 0;
    virtual int currentTab() const = 0;
};

} // namespace olma::config
