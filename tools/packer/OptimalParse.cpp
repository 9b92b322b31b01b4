#include "packer/OptimalParse.h"

#include <algorithm>
#include <limits>

#include "packer/LongCopy.h"
#include "packer/MatchFinder.h"
#include "update/PayloadFormat.h"

namespace packer {

namespace {

constexpr std::uint32_t kUnreached = std::numeric_limits<std::uint32_t>::max();

// Cheapest cost found so far to produce each prefix of the file, and the item
// that ends that cheapest path.
class Paths {
public:
    explicit Paths(std::size_t size) : cost_(size + 1, kUnreached), arrival_(size + 1) { cost_[0] = 0; }

    void Offer(std::size_t from, Item item) {
        const ItemKind kind = KindOf(item);
        if (kind == ItemKind::kNone) return;
        const std::uint32_t cost = cost_[from] + CostInEighths(kind, item.length);
        std::uint32_t& best = cost_[from + item.length];
        if (cost < best) {
            best = cost;
            arrival_[from + item.length] = item;
        }
    }

    std::vector<Item> Backtrack() const {
        std::vector<Item> items;
        for (std::size_t pos = arrival_.size() - 1; pos > 0; pos -= arrival_[pos].length)
            items.push_back(arrival_[pos]);
        std::reverse(items.begin(), items.end());
        return items;
    }

private:
    std::vector<std::uint32_t> cost_;
    std::vector<Item> arrival_;
};

void OfferLiterals(Paths& paths, std::size_t pos, std::size_t size) {
    paths.Offer(pos, {1, 0});
    const std::size_t longest = std::min<std::size_t>(PayloadFormat::kMaxLiteralRun, size - pos);
    for (std::size_t run = PayloadFormat::kMinLiteralRun; run <= longest; ++run)
        paths.Offer(pos, {static_cast<std::uint16_t>(run), 0});
}

// Every length up to the longest match, each from the nearest distance that
// reaches it, since a nearer copy never costs more.
void OfferCopies(Paths& paths, std::size_t pos, const std::vector<Match>& matches) {
    int length = PayloadFormat::kShortCopyMinLength;
    for (const Match& match : matches)
        for (; length <= match.length; ++length)
            paths.Offer(pos, {static_cast<std::uint16_t>(length), static_cast<std::uint16_t>(match.distance)});
}

}  // namespace

std::vector<Item> ParseOptimal(const std::uint8_t* data, std::size_t size) {
    Paths paths(size);
    MatchFinder finder(data, size);
    for (std::size_t pos = 0; pos < size;) {
        const std::vector<Match>& matches = finder.FindMatches();
        if (!matches.empty() && matches.back().length == MatchFinder::kLengthLimit) {
            // A match this long is taken as it stands: no path through the
            // positions it covers could beat it by enough to pay their search.
            const Item copy = LongCopy(data, size, pos, matches.back().distance);
            paths.Offer(pos, copy);
            for (int skipped = 1; skipped < copy.length; ++skipped) finder.Skip();
            pos += copy.length;
            continue;
        }
        OfferLiterals(paths, pos, size);
        OfferCopies(paths, pos, matches);
        ++pos;
    }
    return paths.Backtrack();
}

}  // namespace packer
