#include "device/statepageview.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

namespace olma::device {

namespace {
// Black on pure red or green is hard to read at a glance; the page keeps its colours and
// only the text on them turns white. Cells get a little air and never wrap a state in two.
const QString kStateStyle = QStringLiteral("td[bgcolor=\"red\"], td[bgcolor=\"green\"] { color: white; }\n"
                                           "td { padding-left: 4px; padding-right: 4px; white-space: nowrap; }\n");
} // namespace

void showStatePage(QTextBrowser* browser, QString& shown, const QString& page)
{
    if (page == shown)
        return;
    shown = page;
    QScrollBar* vertical = browser->verticalScrollBar();
    QScrollBar* horizontal = browser->horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    if (browser->document()->defaultStyleSheet() != kStateStyle)
        browser->document()->setDefaultStyleSheet(kStateStyle);
    browser->setHtml(page);
    vertical->setValue(top);
    horizontal->setValue(left);
}

} // namespace olma::device
