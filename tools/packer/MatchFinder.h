// Finds, position by position, the earlier occurrences that a copy can reach.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace packer {

struct Match {
    int length;
    int distance;
};

// A binary-tree match finder over the last kMaxDistance positions (the
// farthest a copy reaches), plus a table of two-byte pairs for the short
// copies of length 2 that the tree, keyed on three bytes, cannot see.
class MatchFinder {
public:
    // Matches are reported up to this length; a longer one shows as exactly
    // this long, and the caller extends it at its distance.
    static constexpr int kLengthLimit = 256;

    MatchFinder(const std::uint8_t* data, std::size_t size);

    // The matches at the current position, lengths and distances both rising:
    // each is the nearest found for the lengths above the one before it. Then
    // moves to the next position.
    const std::vector<Match>& FindMatches();

    // Moves to the next position, recording the current one for later searches.
    void Skip();

private:
    void Insert(bool report);

    const std::uint8_t* data_;
    std::int32_t size_;
    std::int32_t pos_ = 0;
    std::vector<std::int32_t> pairHead_;
    std::vector<std::int32_t> tripleHead_;
    std::vector<std::int32_t> tree_;
    std::vector<Match> matches_;
};

}  // namespace packer
