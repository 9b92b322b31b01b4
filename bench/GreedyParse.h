// The yardstick for the optimal parse: take the longest match at each
// position, else a literal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "packer/Item.h"

// Items for data[0, size): at each position the longest match the match
// finder reports (nearest distance, split as one item can carry it), else a
// literal; stretches of nine or more unmatched bytes go in literal runs.
std::vector<packer::Item> ParseGreedy(const std::uint8_t* data, std::size_t size);
