#include "device/statehtml.h"

namespace olma::device::html {

QString numberedStatePage(const QString& header, const QString& caption, const texts::StateTable& table, int count,
                          const std::function<int(int)>& stateOf)
{
    QString page = kPageBegin + tableBegin(header, texts::kStateHeader);
    for (int i = 0; i < count; ++i) {
        if (const texts::StateText* state = texts::findState(table, stateOf(i)))
            page += stateRow(caption.arg(i + 1), state->colour, state->text) + QLatin1Char('\n');
    }
    return page + kTableEnd + kPageEnd;
}

} // namespace olma::device::html
