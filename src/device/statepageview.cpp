#include "device/statepageview.h"

#include "device/deviceitem.h"
#include "device/statetexts.h"

#include <QGraphicsColorizeEffect>
#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

namespace olma::device {

namespace {
// Black on pure red or green is hard to read at a glance; the page keeps its colours and
// only the text on them turns white. Cells get a little air and never wrap a state in two.
const QString kStateStyle = QStringLiteral("td[bgcolor=\"red\"], td[bgcolor=\"green\"] { color: white; }\n"
                                           "td { padding-left: 4px; padding-right: 4px; white-space: nowrap; }\n");

// A stale page loses its colours and its black: every pixel is made grey and lifted towards
// white, red and green cells alike, so nothing on it looks like a live alarm or a live all-clear.
const QColor kStaleTint(128, 128, 128);
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

void showStaleMark(const DeviceItem& item, QLabel* line, const std::vector<QWidget*>& content)
{
    const bool stale = item.isStale();
    if (stale)
        line->setText(texts::kStaleLine.arg(item.staleSince().toString(texts::kStaleTimeFormat)));
    line->setVisible(stale);
    for (QWidget* widget : content) {
        if (!stale) {
            widget->setGraphicsEffect(nullptr);
        } else if (!widget->graphicsEffect()) {
            auto* grey = new QGraphicsColorizeEffect(widget);
            grey->setColor(kStaleTint);
            grey->setStrength(1.0);
            widget->setGraphicsEffect(grey);
        }
    }
}

} // namespace olma::device
