#include "device/tailsstate.h"

#include "common/cp1251.h"
#include "common/devicetype.h"
#include "common/pagefactory.h"
#include "common/text.h"
#include "device/statehtml.h"
#include "device/statetexts.h"

namespace olma::device {

namespace {
constexpr int kTailsOffset = 18;
constexpr int kTailBits = 4;
constexpr int kMaxTails = 16;
} // namespace

QWidget* TailsState::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

QByteArray TailsState::name() const
{
    return cp1251::encode(texts::kTailsTitle);
}

int TailsState::tailState(int index) const
{
    return packedField(kTailsOffset, index, kTailBits, kMaxTails);
}

QString TailsState::pageHtml() const
{
    return html::numberedStatePage(OLMA_TEXT("PanelState", "Шлейф сигнализации"), OLMA_TEXT("PanelState", "ШС %1: "),
                                   texts::kTailStates, loopCount(deviceType()), [this](int i) { return tailState(i); });
}

} // namespace olma::device
