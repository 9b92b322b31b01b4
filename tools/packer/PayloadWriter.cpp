#include "packer/PayloadWriter.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "update/PayloadFormat.h"

using namespace PayloadFormat;

namespace packer {

namespace {

void PutInt32(std::uint8_t* p, std::size_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Appends the item's bytes: its code byte and what follows it, or the literal.
void PutItem(std::vector<std::uint8_t>& out, ItemKind kind, Item item, const std::uint8_t* source) {
    const unsigned distanceCode = item.distance - 1u;
    switch (kind) {
        case ItemKind::kLiteral:
            out.push_back(source[0]);
            break;
        case ItemKind::kLiteralRun:
            out.push_back(static_cast<std::uint8_t>((item.length - kMinLiteralRun) << 2 | kLiteralRunTag));
            out.insert(out.end(), source, source + item.length);
            break;
        case ItemKind::kShortCopy:
            out.push_back(static_cast<std::uint8_t>(distanceCode << 2 | (item.length - kShortCopyMinLength)));
            break;
        case ItemKind::kNearCopy:
            out.push_back(static_cast<std::uint8_t>(kNearCopyCode | distanceCode >> 4));
            out.push_back(static_cast<std::uint8_t>((distanceCode & 0x0F) << 4 | (item.length - kNearCopyMinLength)));
            break;
        case ItemKind::kFarCopy: {
            unsigned lengthCode = item.length - kFarCopyMinLength;
            for (unsigned i = 0; i < 3; ++i)
                if (item.length == kFarLongLengths[i]) lengthCode = kFarPlainLengthCodes + i;
            out.push_back(static_cast<std::uint8_t>(kFarCopyCode | distanceCode >> 8));
            out.push_back(static_cast<std::uint8_t>(distanceCode & 0xFF));
            out.push_back(static_cast<std::uint8_t>(lengthCode));
            break;
        }
        case ItemKind::kNone:
            throw std::logic_error("payload writer: an item that no kind carries");
    }
}

}  // namespace

std::vector<std::uint8_t> WritePayload(const std::uint8_t* data, std::size_t size, const std::vector<Item>& items) {
    std::vector<std::uint8_t> out(kHeaderSize, 0);
    std::copy(std::begin(kMark), std::end(kMark), out.begin() + kMarkOffset);

    std::size_t pos = 0;
    std::size_t flagAt = 0;
    int itemsInGroup = 0;
    for (const Item& item : items) {
        if (itemsInGroup == 0) {
            flagAt = out.size();
            out.push_back(0);
        }
        const ItemKind kind = KindOf(item);
        if (kind != ItemKind::kLiteral) out[flagAt] |= static_cast<std::uint8_t>(kCodedItemFlag >> itemsInGroup);
        PutItem(out, kind, item, data + pos);
        pos += item.length;
        itemsInGroup = (itemsInGroup + 1) % kItemsPerGroup;
    }
    if (pos != size) throw std::logic_error("payload writer: the items do not cover the file");

    PutInt32(&out[kPackedSizeOffset], out.size() - kHeaderSize);
    PutInt32(&out[kUnpackedSizeOffset], size);
    return out;
}

}  // namespace packer
