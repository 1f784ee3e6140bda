#pragma once

#include <QStringList>

namespace olma::device {

class Device;

// "Требует внимания" on the common page: every loop, zone, block, power source and output that
// is not in order, one line each, naming the page that shows it. Empty before the first record.
QStringList attentionLines(const Device& device);

} // namespace olma::device
