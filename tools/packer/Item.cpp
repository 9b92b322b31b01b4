#include "packer/Item.h"

#include "update/PayloadFormat.h"

using namespace PayloadFormat;

namespace packer {

namespace {

bool IsFarLongLength(int length) {
    for (int longLength : kFarLongLengths)
        if (length == longLength) return true;
    return false;
}

}  // namespace

ItemKind KindOf(Item item) {
    const int length = item.length;
    const int distance = item.distance;
    if (distance == 0) {
        if (length == 1) return ItemKind::kLiteral;
        if (length >= kMinLiteralRun && length <= kMaxLiteralRun) return ItemKind::kLiteralRun;
        return ItemKind::kNone;
    }
    if (distance <= kShortCopyMaxDistance && length >= kShortCopyMinLength && length <= kShortCopyMaxLength)
        return ItemKind::kShortCopy;
    if (distance <= kNearCopyMaxDistance && length >= kNearCopyMinLength && length <= kNearCopyMaxLength)
        return ItemKind::kNearCopy;
    const int farPlainMax = static_cast<int>(kFarPlainLengthCodes) - 1 + kFarCopyMinLength;
    if (distance <= kFarCopyMaxDistance &&
        ((length >= kFarCopyMinLength && length <= farPlainMax) || IsFarLongLength(length)))
        return ItemKind::kFarCopy;
    return ItemKind::kNone;
}

int EncodedBytes(ItemKind kind, int length) {
    switch (kind) {
        case ItemKind::kLiteralRun: return 1 + length;
        case ItemKind::kNearCopy: return 2;
        case ItemKind::kFarCopy: return 3;
        default: return 1;
    }
}

}  // namespace packer
