#include "packer/MatchFinder.h"

#include <algorithm>

#include "update/PayloadFormat.h"

namespace packer {

namespace {

constexpr std::int32_t kNone = -1;
constexpr int kTripleHashBits = 16;
// Tree nodes live in a ring; it is larger than the farthest distance so that
// a node within reach is never overwritten.
constexpr std::int32_t kRingSize = 2 * PayloadFormat::kMaxDistance;
// Nodes visited per search: deep enough that the parse sees nearly every
// useful distance, shallow enough for the packing speed we want.
constexpr int kSearchDepth = 96;

std::uint32_t TripleHash(const std::uint8_t* p) {
    const std::uint32_t triple = static_cast<std::uint32_t>(p[0]) << 16 | p[1] << 8 | p[2];
    return (triple * 2654435761u) >> (32 - kTripleHashBits);
}

}  // namespace

MatchFinder::MatchFinder(const std::uint8_t* data, std::size_t size)
    : data_(data),
      size_(static_cast<std::int32_t>(size)),
      pairHead_(1 << 16, kNone),
      tripleHead_(1 << kTripleHashBits, kNone),
      tree_(2 * kRingSize, kNone) {}

const std::vector<Match>& MatchFinder::FindMatches() {
    Insert(true);
    return matches_;
}

void MatchFinder::Skip() { Insert(false); }

// Inserts the current position as the new root of its tree, splitting the old
// tree around it (smaller suffixes to the left, larger to the right); the
// nodes met on the way are the candidates, newest first.
void MatchFinder::Insert(bool report) {
    matches_.clear();
    const std::int32_t pos = pos_++;
    const std::int32_t available = size_ - pos;
    const std::uint8_t* const cur = data_ + pos;
    if (available < 2) return;

    const std::uint32_t pair = static_cast<std::uint32_t>(cur[0]) << 8 | cur[1];
    const std::int32_t pairMatch = pairHead_[pair];
    pairHead_[pair] = pos;
    if (available < 3) {
        if (report && pairMatch != kNone && pos - pairMatch <= PayloadFormat::kShortCopyMaxDistance)
            matches_.push_back({2, pos - pairMatch});
        return;
    }

    const std::int32_t lengthLimit = std::min<std::int32_t>(kLengthLimit, available);
    const std::uint32_t hash = TripleHash(cur);
    std::int32_t candidate = tripleHead_[hash];
    tripleHead_[hash] = pos;

    std::int32_t* const node = &tree_[2 * (pos % kRingSize)];
    std::int32_t* left = node;       // where the next smaller suffix hangs
    std::int32_t* right = node + 1;  // where the next larger suffix hangs
    int leftLength = 0;
    int rightLength = 0;
    int bestLength = 2;
    for (int depth = kSearchDepth;; --depth) {
        const std::int32_t distance = pos - candidate;
        if (candidate == kNone || distance > PayloadFormat::kMaxDistance || depth == 0) {
            *left = *right = kNone;
            break;
        }
        std::int32_t* const children = &tree_[2 * (candidate % kRingSize)];
        const std::uint8_t* const earlier = cur - distance;
        int length = std::min(leftLength, rightLength);
        while (length < lengthLimit && earlier[length] == cur[length]) ++length;
        if (length > bestLength) {
            bestLength = length;
            if (report) matches_.push_back({length, distance});
            if (length == lengthLimit) {
                *left = children[0];
                *right = children[1];
                break;
            }
        }
        if (earlier[length] < cur[length]) {
            *left = candidate;
            left = children + 1;
            candidate = *left;
            leftLength = length;
        } else {
            *right = candidate;
            right = children;
            candidate = *right;
            rightLength = length;
        }
    }

    // A nearer two-byte match serves as a short copy of length 2.
    const std::int32_t pairDistance = pos - pairMatch;
    if (report && pairMatch != kNone && pairDistance <= PayloadFormat::kShortCopyMaxDistance &&
        (matches_.empty() || pairDistance < matches_.front().distance))
        matches_.insert(matches_.begin(), {2, pairDistance});
}

}  // namespace packer
