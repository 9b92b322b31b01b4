#include "packer/LongCopy.h"

#include "packer/MatchFinder.h"
#include "update/PayloadFormat.h"

namespace packer {

Item LongCopy(const std::uint8_t* data, std::size_t size, std::size_t pos, int distance) {
    using PayloadFormat::kFarLongLengths;
    const std::size_t reach = size - pos;
    std::size_t length = MatchFinder::kLengthLimit;
    while (length < static_cast<std::size_t>(PayloadFormat::kMaxItemLength) && length < reach &&
           data[pos + length] == data[pos + length - distance])
        ++length;
    int itemLength = kFarLongLengths[0];
    for (int longLength : kFarLongLengths)
        if (length >= static_cast<std::size_t>(longLength)) itemLength = longLength;
    return {static_cast<std::uint16_t>(itemLength), static_cast<std::uint16_t>(distance)};
}

}  // namespace packer
