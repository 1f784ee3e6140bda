#pragma once

#include "config/programm/params.h"

#include <QList>

#include <functional>

namespace olma::config {
class Programm;
}

namespace olma::config::programm {

// The parameters of several selected programs on one page. The object keeps the values shown in a
// record of its own; each setter changes that one field there and in every selected program, and
// leaves the programs' other fields as each had them.
class MultiParams : public Params
{
public:
    enum class Field
    {
        Timeout,
        Tactic,
        InitState,
        WorkTime,
    };

    // `record` is the editor's own record (slot 0 of `image`); `spread(byte, mask)` copies those
    // bits of it into every selected program.
    MultiParams(unsigned char* image, int deviceType, const QList<Programm*>& programms,
                std::function<void(int byte, unsigned char mask)> spread);

    void setTimeout(const quint16& timeout) override;
    void setTactic(const int& tactic) override;
    void setInitState(const bool& on) override;
    void setWorkTime(const quint16& seconds) override;

    // Whether the selected programs held different values of the field when the page opened, and
    // the engineer has not set it since.
    bool differs(Field field) const;

private:
    void settle(Field field, int byte, unsigned char mask);

    std::function<void(int, unsigned char)> _spread;
    unsigned _differing = 0;
};

} // namespace olma::config::programm
