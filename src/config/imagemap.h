#pragma once

#include "common/blockrecord.h"

#include <vector>

// Where each section lies in the 10098-byte configuration image, and how the image is cut
// into transfer blocks. The same map serves all three panel models.
namespace olma::config {

constexpr int kImageSize = 10098;
// Files of an older layout: 32 bytes shorter, without the two user messages.
constexpr int kShortImageSize = 10066;

constexpr int kParamsGroup = 0;
constexpr int kParamsOffset = 0;
constexpr int kParamsSize = 46;

constexpr int kContentGroup = 1;
constexpr int kContentOffset = 46;
constexpr int kContentSize = 12;

constexpr int kUsersGroup = 2;
constexpr int kUsersOffset = 58;
constexpr int kUserRecordSize = 16;
constexpr int kUserCount = 255;

constexpr int kTailsGroup = 3;
constexpr int kTailsOffset = 4138;
constexpr int kTailsSize = 32;
constexpr int kTailSlots = 16;

constexpr int kProgrammsGroup = 4;
constexpr int kProgrammsOffset = 4170;
constexpr int kProgrammRecordSize = 52;
constexpr int kProgrammCount = 114;

static_assert(kProgrammsOffset + kProgrammCount * kProgrammRecordSize == kImageSize, "sections fill the image");

// The 372 transfer blocks in panel order: group 0; group 1; users 0..254; group 3; programs 0..113.
std::vector<BlockRecord> blockTable();

} // namespace olma::config
