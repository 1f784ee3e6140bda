#pragma once

#include "config/configitem.h"
#include "config/imagemap.h"
#include "config/programm/programm.h"
#include "config/programm/programmcommon.h"

#include <QList>
#include <QObject>

#include <array>
#include <memory>
#include <vector>

namespace olma::config {

namespace programm {
class MultiParams;
}

// Several selected programs edited as one. The editor works on the object's own groups, kept in a
// record of the object's own that starts as the first program's, with every trigger that differs
// among the programs set to kTriggerMixed (shown blank). Whatever the engineer changes there, one
// trigger or one parameter, is copied into every selected program; every other bit of each
// program stays as it was.
class MultiProgramm : public QObject, public ProgrammCommon, public ConfigItem
{
    Q_OBJECT
    Q_DISABLE_COPY(MultiProgramm)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    // The programs are not owned; `deviceType` decides how many loops and ИП outputs the groups have.
    MultiProgramm(const QList<Programm*>& programms, int deviceType);
    ~MultiProgramm() override;

    const QList<Programm*>& programms() const { return _programms; }

    // The tabbed editor of the selected programs, without a description.
    QWidget* createWidget(QWidget* parent) override;

    programm::Params* params() const;
    programm::TailStates* tailStates() const { return _tailStates.get(); }
    programm::PCState* pcState() const { return _pcState.get(); }
    programm::KVOState* kvoState() const { return _kvoState.get(); }
    programm::BKVStates* bkvStates() const { return _bkvStates.get(); }
    programm::BPStates* bpStates() const { return _bpStates.get(); }

    // Each reaches every selected program, in selection order.
    void assignParams(const programm::Params& params) override;
    void assignTailStates(const programm::TailStates& states) override;
    void assignPCState(const programm::PCState& state) override;
    void assignKVOState(const programm::KVOState& state) override;
    void assignBKVStates(const programm::BKVStates& states) override;
    void assignBPStates(const programm::BPStates& states) override;
    void assignDescription(const programm::Description& description) override;
    void setCurrentTab(int tab) override { _currentTab = tab; }
    int currentTab() const override { return _currentTab; }

signals:
    // Once for every selected program that took over a group.
    void changed(Programm* programm);

public slots:
    void changeParamsSignalHandler(programm::Params* params);
    void changeTailStatesSignalHandler(programm::TailStates* states);
    void changeBlockStatesSignalHandler(programm::PCState* state);
    void changeIPStatesSignalHandler(programm::KVOState* state);
    void changeBKVStatesSignalHandler(programm::BKVStates* states);
    void changeBPStatesSignalHandler(programm::BPStates* states);
    // "Сбросить все": every group of the editor back to its defaults, and so every selected program.
    void resetDefault(bool on);

private:
    // Copies the triggers changed in the own record since the last time into every program.
    void spreadTriggers();
    // Copies the bits `mask` of byte `byte` of the own record into every program.
    void spreadBits(const std::array<unsigned char, kProgrammRecordSize>& mask);
    unsigned char* ownRecord();

    template <typename Item> void forEachProgramm(void (ProgrammCommon::*assign)(const Item&), const Item* item);

    QList<Programm*> _programms;
    int _currentTab = 0;
    // A whole image, so that the own groups find their record where a program's would be.
    std::vector<unsigned char> _ownImage;
    // The bits of a record that hold triggers.
    std::array<unsigned char, kProgrammRecordSize> _triggerBits{};
    // The own record's triggers as last copied into the programs.
    std::array<unsigned char, kProgrammRecordSize> _spread{};
    // Inside "Сбросить все": the changes are copied once at its end.
    int _batch = 0;
    std::unique_ptr<programm::MultiParams> _params;
    std::unique_ptr<programm::TailStates> _tailStates;
    std::unique_ptr<programm::PCState> _pcState;
    std::unique_ptr<programm::KVOState> _kvoState;
    std::unique_ptr<programm::BKVStates> _bkvStates;
    std::unique_ptr<programm::BPStates> _bpStates;
};

} // namespace olma::config
