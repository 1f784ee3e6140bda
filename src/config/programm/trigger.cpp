#include "config/programm/trigger.h"

#include "config/programm/programmtexts.h"

namespace olma::config::programm {

QString stateText(quint16 value)
{
    switch (value) {
    case TriggerActive:
        return texts::active();
    case TriggerForbidden:
        return texts::forbidden();
    }
    return texts::inactive();
}

} // namespace olma::config::programm
