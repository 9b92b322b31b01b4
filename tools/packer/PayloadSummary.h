// What a payload holds, read without decoding it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace packer {

struct PayloadSummary {
    std::uint8_t mark[4];
    std::int32_t packedSize;
    std::int32_t unpackedSize;
    long long literals = 0;
    long long literalRuns = 0;
    long long shortCopies = 0;
    long long nearCopies = 0;
    long long farCopies = 0;
};

// Reads the header and walks the items as the decoder would, up to the
// unpacked size. Raises std::runtime_error, saying what is wrong, when the
// payload is shorter than its header announces or its items run out.
PayloadSummary SummarizePayload(const std::vector<std::uint8_t>& payload);

}  // namespace packer
