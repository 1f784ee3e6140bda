#include "app/pages.h"

#include "common/dialogs.h"
#include "common/pagefactory.h"
#include "logview/logevents.h"
#include "logview/logview.h"
#include "logview/logviewwidget.h"
#include "logview/progressdialoglog.h"

namespace olma::logview {

void showOutcome(QWidget* parent, const LogOutcome& outcome)
{
    switch (outcome.message) {
    case LogOutcome::Message::None:
        break;
    case LogOutcome::Message::Information:
        olma::dialogs::information(parent, outcome.title, outcome.text);
        break;
    case LogOutcome::Message::Warning:
        olma::dialogs::warning(parent, outcome.title, outcome.text);
        break;
    case LogOutcome::Message::Critical:
        olma::dialogs::critical(parent, outcome.title, outcome.text);
        break;
    }
}

void LogView::beginDeviceRead(ProgressDialogLog* dialog)
{
    clearContent();
    // The engine reports records synchronously inside its nested event loop.
    connect(dialog, &ProgressDialogLog::messageBlockReady, this, &LogView::messageBlockAdd, Qt::DirectConnection);
}

} // namespace olma::logview

namespace olma::gui {

void registerLogPages()
{
    using olma::logview::LogEvents;
    pages::registerFactory(typeid(LogEvents), [](void* model, QWidget* parent) -> QWidget* {
        // One viewer per store: it attaches itself in its constructor and detaches when destroyed.
        auto* events = static_cast<LogEvents*>(model);
        if (!events->logViewWidget())
            return new olma::logview::LogViewWidget(events, parent);
        return dynamic_cast<QWidget*>(events->logViewWidget());
    });
}

} // namespace olma::gui
