#include "app/actionactivation.h"

#include <QAction>

namespace olma::app {

ActionActivation::ActionActivation(const QString& actionName, QObject* parent) : QObject(parent)
{
    setObjectName(actionName);
}

void ActionActivation::relay(QAction* action)
{
    if (action)
        connect(action, &QAction::triggered, this, &ActionActivation::activated);
}

} // namespace olma::app
