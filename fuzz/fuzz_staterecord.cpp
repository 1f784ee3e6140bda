// Any bytes as a run of status records, each of any length: the state tree decodes every one
// (a record that is not 84 bytes long must not disturb the last good one), and every section
// builds its page and answers for every field, in range or not.
// Input: records as a length byte followed by that many bytes.

#include "fuzzsupport.h"

#include "device/accessstate.h"
#include "device/commonstate.h"
#include "device/device.h"
#include "device/faultstate.h"
#include "device/releysstates.h"
#include "device/tailsstate.h"
#include "device/zonesstate.h"

using namespace olma::device;

namespace {

void readEverything(const Device& device)
{
    const CommonStateLines lines = commonStateLines(*device.commonState());
    OLMA_FUZZ_CHECK(!lines.type.isEmpty() && !lines.version.isEmpty() && !lines.serialNumber.isEmpty());
    OLMA_FUZZ_CHECK(device.deviceType() >= 0 && device.deviceType() <= 2);

    const FaultState& faults = *device.faultState();
    for (int bit = -1; bit <= 8; ++bit)
        faults.centralBoardFault(bit);
    for (int i = -1; i <= 33; ++i) {
        faults.powerSourceFault(i);
        faults.powerBlockFaults(i);
        faults.outputFault(i);
        for (int type = -1; type <= 6; ++type) {
            const int state = faults.blockState(type, i);
            OLMA_FUZZ_CHECK(state >= -1 && state <= 3);
        }
        OLMA_FUZZ_CHECK(device.tailsState()->tailState(i) >= -1 && device.tailsState()->tailState(i) <= 15);
        OLMA_FUZZ_CHECK(device.zonesState()->zoneState(i) >= -1 && device.zonesState()->zoneState(i) <= 15);
        for (int group = -1; group <= ReleysStates::kGroups; ++group) {
            const int state = device.releysStates()->releyState(group, i);
            OLMA_FUZZ_CHECK(state >= -1 && state <= 3);
        }
    }
    for (int keyboard = -1; keyboard <= AccessState::kKeyboards + 1; ++keyboard)
        device.accessState()->keyboardAccess(keyboard);
    device.accessState()->centralBoardAccess();

    const QString pages[] = {faults.pageHtml(), device.tailsState()->pageHtml(), device.zonesState()->pageHtml(),
                             device.accessState()->pageHtml(), device.releysStates()->pageHtml()};
    for (const QString& page : pages)
        OLMA_FUZZ_CHECK(page.startsWith(QLatin1String("<html>")));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    olma::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Device device;
    readEverything(device);
    olma::fuzz::Input in(data, size);
    while (!in.atEnd()) {
        std::size_t length = 0;
        const std::uint8_t* record = in.take(in.byte(), &length);
        device.setData(std::vector<unsigned char>(record, record + length));
        readEverything(device);
    }
    return 0;
}
