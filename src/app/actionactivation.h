#pragma once

#include <QObject>

class QAction;

namespace olma::app {

// Carries an action's activated() signal, which QAction no longer has. It bears the action's
// object name, so the window's on_<action>_activated() slots are connected by name as before;
// the action's triggered() is relayed to it.
class ActionActivation : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ActionActivation)

public:
    ActionActivation(const QString& actionName, QObject* parent);

    // Relays the action's triggered() from now on.
    void relay(QAction* action);

signals:
    void activated();
};

} // namespace olma::app
