// Lays items out as a payload: header, flag bytes and item bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "packer/Item.h"

namespace packer {

// The payload for data[0, size) carried by `items`, whose lengths add up to
// size. A flag byte opens each group of up to eight items; the bits of a short
// last group that govern no item stay zero, and no flag byte follows a full
// last group.
std::vector<std::uint8_t> WritePayload(const std::uint8_t* data, std::size_t size, const std::vector<Item>& items);

}  // namespace packer
