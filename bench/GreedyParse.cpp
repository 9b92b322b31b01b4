#include "GreedyParse.h"

#include <algorithm>

#include "packer/LongCopy.h"
#include "packer/MatchFinder.h"
#include "update/PayloadFormat.h"

using packer::Item;

namespace {

void PutLiterals(std::vector<Item>& items, std::size_t count) {
    while (count >= PayloadFormat::kMinLiteralRun) {
        const std::size_t run = std::min<std::size_t>(count, PayloadFormat::kMaxLiteralRun);
        items.push_back({static_cast<std::uint16_t>(run), 0});
        count -= run;
    }
    for (; count > 0; --count) items.push_back({1, 0});
}

}  // namespace

std::vector<Item> ParseGreedy(const std::uint8_t* data, std::size_t size) {
    std::vector<Item> items;
    packer::MatchFinder finder(data, size);
    std::size_t unmatchedFrom = 0;
    for (std::size_t pos = 0; pos < size;) {
        const std::vector<packer::Match>& matches = finder.FindMatches();
        if (matches.empty()) {
            ++pos;
            continue;
        }
        const packer::Match& longest = matches.back();
        const Item copy = longest.length == packer::MatchFinder::kLengthLimit
                              ? packer::LongCopy(data, size, pos, longest.distance)
                              : Item{static_cast<std::uint16_t>(longest.length), static_cast<std::uint16_t>(longest.distance)};
        PutLiterals(items, pos - unmatchedFrom);
        items.push_back(copy);
        for (int skipped = 1; skipped < copy.length; ++skipped) finder.Skip();
        pos += copy.length;
        unmatchedFrom = pos;
    }
    PutLiterals(items, size - unmatchedFrom);
    return items;
}
