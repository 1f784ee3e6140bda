// Any bytes as a run of status records, each of any length: the state tree decodes every one
// (a record that is not 84 bytes long must not disturb the last good one), every section
// answers for every field, in range or not, after every record, and one of the five pages
// (chosen by a hash of the input) is built from what the last one left: a page costs far more
// than decoding a record, the relay page most.
// Input: records as a length byte followed by that many bytes, the first eight of them (enough
// to follow a good record with bad ones and back).

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

void readFields(const Device& device)
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
}

QString page(const Device& device, unsigned which)
{
    switch (which % 5) {
    case 0:
        return device.faultState()->pageHtml();
    case 1:
        return device.tailsState()->pageHtml();
    case 2:
        return device.zonesState()->pageHtml();
    case 3:
        return device.accessState()->pageHtml();
    default:
        return device.releysStates()->pageHtml();
    }
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
    // A device that has had no record is the same for every input.
    static const bool fresh = [&] {
        readFields(device);
        for (unsigned which = 0; which < 5; ++which)
            OLMA_FUZZ_CHECK(page(device, which).startsWith(QLatin1String("<html>")));
        return true;
    }();
    (void)fresh;
    olma::fuzz::Input in(data, size);
    for (int records = 0; records < 8 && !in.atEnd(); ++records) {
        std::size_t length = 0;
        const std::uint8_t* record = in.take(in.byte(), &length);
        device.setData(std::vector<unsigned char>(record, record + length));
        readFields(device);
    }
    OLMA_FUZZ_CHECK(page(device, olma::fuzz::hashOf(data, size)).startsWith(QLatin1String("<html>")));
    return 0;
}
