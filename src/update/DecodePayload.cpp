#include "update/DecodePayload.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/Messages.h"
#include "update/PayloadFormat.h"

using namespace PayloadFormat;

namespace {

// Copies move in chunks of this many bytes and may write up to one chunk past
// their end; the window and the spare bytes leave room for that.
constexpr std::ptrdiff_t kChunk = 16;
static_assert(kFlushThreshold + kMaxItemLength + kChunk <= kWindowSize);
static_assert(kMaxLiteralRun + kChunk <= kSpareBytes);

void CopyChunks(std::uint8_t* op, const std::uint8_t* from, std::uint8_t* end) {
    do {
        std::memcpy(op, from, kChunk);
        op += kChunk;
        from += kChunk;
    } while (op < end);
}

// A copy appends its bytes one at a time, each equal to the byte `distance`
// before it, so a distance below the length repeats the last `distance` bytes.
// Chunks give that same result once the source lies a whole chunk back: a
// short distance is first widened to a multiple of itself of at least a chunk,
// which names the same byte of the repeating pattern.
void CopyMatch(std::uint8_t* op, std::ptrdiff_t distance, std::ptrdiff_t length) {
    std::uint8_t* const end = op + length;
    const std::uint8_t* match = op - distance;
    if (distance < kChunk) {
        std::uint8_t* const head = op + (length < kChunk ? length : kChunk);
        while (op < head) *op++ = *match++;
        if (op == end) return;
        match = op - (kChunk + distance - 1) / distance * distance;
    }
    CopyChunks(op, match, end);
}

[[noreturn]] void FailMalformed() { throw EReadError(Messages::SReadError); }

// The flag byte sits in the top eight bits with a marker bit below it, and
// moves up one bit per item: the leading zero bits then count the literal
// bytes ahead in the group, and the group is used up when only the marker is
// left, at the top.
constexpr std::uint32_t kGroupUsedUp = 0x80000000u;
std::uint32_t LoadFlags(std::uint8_t flagByte) { return static_cast<std::uint32_t>(flagByte) << 24 | 0x00800000u; }

// Runs the token stream in[0, packedSize) into the window until the produced
// count reaches unpackedSize, writing full blocks to output as the window fills.
// Every read of the stream and every copy source is checked before it is used.
void DecodeTokens(const std::uint8_t* in, std::int32_t packedSize, std::int32_t unpackedSize,
                  std::uint8_t* window, TStream& output) {
    const std::uint8_t* ip = in;
    const std::uint8_t* const iend = in + packedSize;
    std::uint8_t* op = window;
    std::uint8_t* const wflush = window + kFlushThreshold;
    std::int64_t flushed = 0;

    // The first flag byte is taken even for an empty stream; it then lies in
    // the spare bytes and puts ip past iend, so any item would fail its check.
    std::uint32_t flags = LoadFlags(*ip++);

    for (std::int64_t left; (left = unpackedSize - flushed - (op - window)) > 0;) {
        if (ip >= iend) goto malformed;
        if ((flags & kGroupUsedUp) == 0) {
            // The literal bytes up to the next coded item move together; they
            // stop early where the stream or the output ends, as single items would.
            std::ptrdiff_t count = __builtin_clz(flags);
            if (count > iend - ip) count = iend - ip;
            if (count > left) count = static_cast<std::ptrdiff_t>(left);
            std::memcpy(op, ip, kItemsPerGroup);
            op += count;
            ip += count;
            flags <<= count;
        } else if (IsLiteralRun(*ip)) {
            const std::ptrdiff_t length = LiteralRunLength(*ip++);
            if (iend - ip < length) goto malformed;
            CopyChunks(op, ip, op + length);
            op += length;
            ip += length;
            flags <<= 1;
        } else {
            const unsigned code = *ip++;
            std::ptrdiff_t distance;
            std::ptrdiff_t length;
            if (code < kNearCopyCode) {
                distance = ShortCopyDistance(code);
                length = ShortCopyLength(code);
            } else if (code < kFarCopyCode) {
                if (iend - ip < 1) goto malformed;
                distance = NearCopyDistance(code, ip[0]);
                length = NearCopyLength(ip[0]);
                ip += 1;
            } else {
                if (iend - ip < 2) goto malformed;
                distance = FarCopyDistance(code, ip[0]);
                length = FarCopyLength(ip[1]);
                ip += 2;
            }
            if (distance > op - window) goto malformed;
            CopyMatch(op, distance, length);
            op += length;
            flags <<= 1;
        }
        // After an eighth item the next flag byte is taken at once, even when
        // no item follows; ip is at most iend here, so it is a spare byte then.
        if (flags == kGroupUsedUp) flags = LoadFlags(*ip++);
        if (op >= wflush) {
            output.WriteBuffer(window, kBlockSize);
            std::memmove(window, window + kBlockSize, static_cast<std::size_t>(op - window - kBlockSize));
            op -= kBlockSize;
            flushed += kBlockSize;
        }
    }
    output.WriteBuffer(window, static_cast<std::int32_t>(op - window));
    return;

malformed:
    FailMalformed();
}

}  // namespace

void DecodePayload(TStream& input, TStream& output) {
    std::uint8_t header[kHeaderSize];
    input.ReadBuffer(header, kHeaderSize);
    const std::int32_t packedSize = ReadHeaderField(header, kPackedSizeOffset);
    const std::int32_t unpackedSize = ReadHeaderField(header, kUnpackedSizeOffset);
    if (packedSize < 0) FailMalformed();

    std::vector<std::uint8_t> in(static_cast<std::size_t>(packedSize) + kSpareBytes);
    const std::unique_ptr<std::uint8_t[]> window(new std::uint8_t[kWindowSize]);
    input.ReadBuffer(in.data(), packedSize);

    DecodeTokens(in.data(), packedSize, unpackedSize, window.get(), output);
}
