#pragma once

#include <cstdint>

// One transfer block of the configuration image: where it lies and how the panel addresses it.
// Only the low byte of group, index and size goes on the wire; a size never exceeds 60.
struct BlockRecord
{
    std::int32_t offset = 0;
    std::int32_t group = 0;
    std::int32_t index = 0;
    std::int32_t size = 0;
};
