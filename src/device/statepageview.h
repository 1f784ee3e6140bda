#pragma once

#include <QString>

class QTextBrowser;

namespace olma::device {

// Puts `page` into `browser` unless it is the page shown last (`shown`), so that a panel
// whose state has not changed leaves the reader's place and selection alone. A changed page
// keeps the scroll position too: the relay list is long and changes often.
void showStatePage(QTextBrowser* browser, QString& shown, const QString& page);

} // namespace olma::device
