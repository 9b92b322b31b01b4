// The cheapest sequence of items for a file under the payload format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "packer/Item.h"

namespace packer {

// Items that reproduce data[0, size) with the fewest token-stream bytes:
// a shortest path over positions, where every literal, literal run and copy
// the match finder offers is an edge weighted by its cost in eighths.
std::vector<Item> ParseOptimal(const std::uint8_t* data, std::size_t size);

}  // namespace packer
