// The items of a token stream as the packer plans them, and what each costs.
#pragma once

#include <cstdint>

namespace packer {

// One item: `length` bytes of output. Distance 0 stands for literal bytes,
// carried as one literal (length 1) or a literal run (9 to 40); any other
// distance is a copy from that many bytes back.
struct Item {
    std::uint16_t length;
    std::uint16_t distance;
};

enum class ItemKind { kNone, kLiteral, kLiteralRun, kShortCopy, kNearCopy, kFarCopy };

// The kind that carries the item; a copy takes the shortest kind whose
// distance and length ranges hold it. kNone when no kind can carry it.
ItemKind KindOf(Item item);

// Token-stream bytes of an item of that kind, its flag bit aside.
int EncodedBytes(ItemKind kind, int length);

// Cost in eighths of a byte: the item's bytes plus its flag bit. The stream
// pays one flag byte for each eight items, so the only rounding is in its
// last flag byte.
inline std::uint32_t CostInEighths(ItemKind kind, int length) {
    return static_cast<std::uint32_t>(8 * EncodedBytes(kind, length) + 1);
}

}  // namespace packer
