#include "packer/PayloadSummary.h"

#include <cstring>
#include <stdexcept>

#include "update/PayloadFormat.h"

using namespace PayloadFormat;

namespace packer {

namespace {

// Counts one item at ip and returns the bytes it produces; throws when the
// token stream ends inside it.
long long CountItem(PayloadSummary& summary, bool coded, const std::uint8_t*& ip, const std::uint8_t* iend) {
    auto take = [&](std::ptrdiff_t count) {
        if (iend - ip < count) throw std::runtime_error("the token stream ends before the unpacked size is reached");
        const std::uint8_t* at = ip;
        ip += count;
        return at;
    };
    const unsigned code = *take(1);
    if (!coded) {
        ++summary.literals;
        return 1;
    }
    if (IsLiteralRun(code)) {
        ++summary.literalRuns;
        take(LiteralRunLength(code));
        return LiteralRunLength(code);
    }
    if (code < kNearCopyCode) {
        ++summary.shortCopies;
        return ShortCopyLength(code);
    }
    if (code < kFarCopyCode) {
        ++summary.nearCopies;
        return NearCopyLength(*take(1));
    }
    ++summary.farCopies;
    return FarCopyLength(take(2)[1]);
}

}  // namespace

PayloadSummary SummarizePayload(const std::vector<std::uint8_t>& payload) {
    if (payload.size() < static_cast<std::size_t>(kHeaderSize)) throw std::runtime_error("shorter than a payload header");
    PayloadSummary summary{};
    std::memcpy(summary.mark, payload.data() + kMarkOffset, sizeof summary.mark);
    summary.packedSize = ReadHeaderField(payload.data(), kPackedSizeOffset);
    summary.unpackedSize = ReadHeaderField(payload.data(), kUnpackedSizeOffset);
    if (summary.packedSize < 0 || payload.size() - kHeaderSize < static_cast<std::size_t>(summary.packedSize))
        throw std::runtime_error("shorter than the packed size in its header");

    const std::uint8_t* ip = payload.data() + kHeaderSize;
    const std::uint8_t* const iend = ip + summary.packedSize;
    unsigned flags = 0;
    int items = 0;
    for (long long produced = 0; produced < summary.unpackedSize; items = (items + 1) % kItemsPerGroup) {
        if (items == 0) {
            if (ip == iend) throw std::runtime_error("the token stream ends before the unpacked size is reached");
            flags = *ip++;
        }
        produced += CountItem(summary, (flags << items & kCodedItemFlag) != 0, ip, iend);
    }
    return summary;
}

}  // namespace packer
