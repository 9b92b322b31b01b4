// Decoding arbitrary bytes as a payload: it either succeeds or raises the
// read error, never touches memory outside its buffers, and writes in the
// pattern the format fixes (1 MiB blocks, then one final write below 2 MiB).
#include <cstdint>
#include <cstdlib>

#include "platform/Exceptions.h"
#include "platform/Stream.h"
#include "update/DecodePayload.h"
#include "update/PayloadFormat.h"

namespace {

class WritePatternCheck : public TStream {
public:
    std::int32_t Read(void*, std::int32_t) override { return 0; }
    std::int32_t Write(const void*, std::int32_t count) override {
        if (finalWritten_ || count <= 0 || count >= 2 * PayloadFormat::kBlockSize) std::abort();
        finalWritten_ = count != PayloadFormat::kBlockSize;
        return count;
    }

private:
    bool finalWritten_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A packed size far beyond the input only makes the decoder allocate that
    // much before its read fails (the host tests cover that); here it would
    // just exhaust the fuzzer's memory.
    if (size >= static_cast<std::size_t>(PayloadFormat::kHeaderSize) &&
        PayloadFormat::ReadHeaderField(data, PayloadFormat::kPackedSizeOffset) > static_cast<std::int64_t>(size) + 64)
        return 0;
    TMemoryStream input(std::vector<std::uint8_t>(data, data + size));
    WritePatternCheck output;
    try {
        DecodePayload(input, output);
    } catch (const EReadError&) {
    }
    return 0;
}
