#pragma once

#include "config/configitem.h"
#include "config/programm/paramscommon.h"

#include <QObject>

namespace olma::config::programm {

// "Параметры" of a program: tactic, initial state, delay before start and work time in the first
// four bytes of its record, and the fire-safety flag, which only the program keeps in memory.
class Params : public QObject, public ConfigItem, public ParamsCommon
{
    Q_OBJECT
    Q_DISABLE_COPY(Params)

public:
    // The tree's children, not the QObject ones.
    using ConfigItem::children;

    // The parameters of program `index` (0..113); without an image they live in memory only.
    Params(unsigned char* image, int deviceType, unsigned index);

    unsigned index() const { return _index; }

    quint16 timeout() const override { return _timeout; }
    void setTimeout(const quint16& timeout) override;
    int tactic() const override { return _tactic; }
    void setTactic(const int& tactic) override;
    bool initState() const override { return _initState; }
    void setInitState(const bool& on) override;
    quint16 workTime() const override { return _workTime; }
    void setWorkTime(const quint16& seconds) override;

    // The program drives an intrinsically safe power source ("Искробезопасный источник питания").
    // Not stored in the record, not copied by assignment, not saved.
    bool fireSafety() const { return _fireSafety; }
    void setFireSafety(bool on);

    // Copies the four record fields from `other` through the setters; the fire-safety flag stays.
    void assign(const Params& other);

    // Automatic, off, no delay, work not limited, no fire safety.
    void resetParams();

    void setDefault() override;
    void loadFromImage() override;
    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

signals:
    void changed(programm::Params* params);
    void changedFireSafety(bool on);

private:
    unsigned _index = 0;
    quint16 _timeout = 0;
    int _tactic = 0;
    bool _initState = false;
    quint16 _workTime = 0;
    bool _fireSafety = false;
    unsigned char* _record = nullptr;
};

} // namespace olma::config::programm
