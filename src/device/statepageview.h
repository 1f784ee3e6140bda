#pragma once

#include <QString>

#include <vector>

class QLabel;
class QTextBrowser;
class QWidget;

namespace olma::device {

// Puts `page` into `browser` unless it is the page shown last (`shown`), so that a panel
// whose state has not changed leaves the reader's place and selection alone. A changed page
// keeps the scroll position too: the relay list is long and changes often.
void showStatePage(QTextBrowser* browser, QString& shown, const QString& page);

class DeviceItem;

// While `item` is stale, `line` says since when the panel is silent and the `content` widgets
// are shown in grey, so that an old state is not taken for the panel's present one; otherwise
// the line is hidden and the content shown as it is.
void showStaleMark(const DeviceItem& item, QLabel* line, const std::vector<QWidget*>& content);

} // namespace olma::device
