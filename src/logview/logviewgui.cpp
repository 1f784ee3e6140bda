#include "app/pages.h"

#include "common/dialogs.h"
#include "common/pagefactory.h"
#include "logview/logevents.h"
#include "logview/logtexts.h"
#include "logview/logview.h"
#include "logview/logviewwidget.h"
#include "logview/progressdialoglog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>

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

QString askExportFileName(QWidget* parent, LogEvents* store)
{
    // A test answers the name; the colours stay as they were chosen.
    if (olma::dialogs::hook())
        return olma::dialogs::getSaveFileName(parent, texts::kExportCaption, texts::kStartDir, texts::kExportFilter);
    QFileDialog dialog(parent, texts::kExportCaption, texts::kStartDir, texts::kExportFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The platform's own dialog takes no extra controls.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* colours = new QCheckBox(texts::kHtmlColours, &dialog);
    colours->setObjectName(QStringLiteral("_htmlColoursCheckBox"));
    colours->setChecked(store->htmlSeverityColours());
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(colours, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    store->setHtmlSeverityColours(colours->isChecked());
    return dialog.selectedFiles().constFirst();
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
