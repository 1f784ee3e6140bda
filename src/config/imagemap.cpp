#include "config/imagemap.h"

namespace olma::config {

std::vector<BlockRecord> blockTable()
{
    std::vector<BlockRecord> table;
    table.reserve(2 + kUserCount + 1 + kProgrammCount);
    table.push_back({kParamsOffset, kParamsGroup, 0, kParamsSize});
    table.push_back({kContentOffset, kContentGroup, 0, kContentSize});
    for (int i = 0; i < kUserCount; ++i)
        table.push_back({kUsersOffset + kUserRecordSize * i, kUsersGroup, i, kUserRecordSize});
    table.push_back({kTailsOffset, kTailsGroup, 0, kTailsSize});
    for (int i = 0; i < kProgrammCount; ++i)
        table.push_back({kProgrammsOffset + kProgrammRecordSize * i, kProgrammsGroup, i, kProgrammRecordSize});
    return table;
}

} // namespace olma::config
