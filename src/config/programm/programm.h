#pragma once

#include "config/configitem.h"
#include "config/programm/programmcommon.h"

#include <QObject>

#include <memory>

namespace olma::config {

// The relay-activation program of one relay or output: how the output is switched (parameters) and
// which loop, panel, ИП, БКВ-А and БП-А events switch it, in a 52-byte record of the image.
class Programm : public QObject, public ProgrammCommon, public ConfigItem
{
    Q_OBJECT
    Q_DISABLE_COPY(Programm)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    // Program slot `index` (0..113); its kind of output follows from the index.
    Programm(unsigned char* image, int deviceType, unsigned index);
    ~Programm() override;

    unsigned index() const { return _index; }
    // 1..7: built-in relay, sound notifier, light notifier, ИП, БРВ-А, БКВ-А, БВИ-А.
    int kind() const { return _kind; }
    // The number of the output within its kind, from 0.
    unsigned number() const;
    // The title of the program in lists and exports.
    QString title() const;

    programm::Params* params() const { return _params.get(); }
    programm::TailStates* tailStates() const { return _tailStates.get(); }
    programm::PCState* pcState() const { return _pcState.get(); }
    programm::KVOState* kvoState() const { return _kvoState.get(); }
    programm::BKVStates* bkvStates() const { return _bkvStates.get(); }
    programm::BPStates* bpStates() const { return _bpStates.get(); }
    programm::Description* descriptionItem() const { return _descriptionItem.get(); }

    // The program's 52 bytes in the image; null without one.
    unsigned char* record() const;
    // The groups read their values again from the record (after it was written directly).
    void reloadRecord();

    // Everything of `other` but its index, kind and fire-safety flag, description included.
    void assign(const Programm& other);

    void assignParams(const programm::Params& params) override;
    void assignTailStates(const programm::TailStates& states) override;
    void assignPCState(const programm::PCState& state) override;
    void assignKVOState(const programm::KVOState& state) override;
    void assignBKVStates(const programm::BKVStates& states) override;
    void assignBPStates(const programm::BPStates& states) override;
    void assignDescription(const programm::Description& description) override;
    void setCurrentTab(int tab) override { _currentTab = tab; }
    int currentTab() const override { return _currentTab; }

    // The tabbed editor of the program.
    QWidget* createWidget(QWidget* parent) override;

    // The text of the program's description item.
    QString description() const override;

signals:
    void changed(Programm* programm);

public slots:
    // A program whose parameters carry the fire-safety flag is switched by nothing else.
    void changeParamsSignalHandler(programm::Params* params);
    void changeParamsFireSafetyHandler(bool on);

private:
    void resetTriggers();

    unsigned _index = 0;
    int _kind = 0;
    int _currentTab = 0;
    std::unique_ptr<programm::Params> _params;
    std::unique_ptr<programm::TailStates> _tailStates;
    std::unique_ptr<programm::PCState> _pcState;
    std::unique_ptr<programm::KVOState> _kvoState;
    std::unique_ptr<programm::BKVStates> _bkvStates;
    std::unique_ptr<programm::BPStates> _bpStates;
    std::unique_ptr<programm::Description> _descriptionItem;
};

} // namespace olma::config
