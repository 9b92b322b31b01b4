// Matches that reach past what the match finder reports.
#pragma once

#include <cstddef>
#include <cstdint>

#include "packer/Item.h"

namespace packer {

// The copy item for a match at `distance` from `pos` that is known to run at
// least MatchFinder::kLengthLimit bytes: the longest single far copy it fills
// (4096, 1024 or 256 bytes). The rest of the match is found again at the
// position after it.
Item LongCopy(const std::uint8_t* data, std::size_t size, std::size_t pos, int distance);

}  // namespace packer
