#include "update/DecodePayload.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "platform/Exceptions.h"
#include "platform/Messages.h"
#include "update/PayloadFormat.h"

using namespace PayloadFormat;

namespace {

// Bytes move in fixed-size chunks, so that most items take one or two moves
// and no loop: a literal batch moves a whole group's worth of input, a copy
// two chunks whatever its length, and whole chunks when longer. Moves may
// write past the item's end, and reads may pass the token stream's end before
// they are checked: ip by a flag byte and a group's literal bytes, then the
// up to three code bytes of a copy, or a literal run's last chunk. The window
// and the spare bytes leave room for that.
constexpr std::ptrdiff_t kChunk = 16;
constexpr std::ptrdiff_t kWideCopy = 2 * kChunk;
constexpr int kMaxCodeBytes = 3;
static_assert(kFlushThreshold + kMaxItemLength + kWideCopy <= kWindowSize);
static_assert(1 + kItemsPerGroup + kMaxCodeBytes <= kSpareBytes && kChunk <= kSpareBytes);

void CopyChunks(std::uint8_t* op, const std::uint8_t* from, std::uint8_t* end) {
    do {
        std::memcpy(op, from, kChunk);
        op += kChunk;
        from += kChunk;
    } while (op < end);
}

// A copy appends its bytes one at a time, each equal to the byte `distance`
// before it, so a distance below the length repeats the last `distance` bytes.
// A chunk moved as a whole (memmove: all of it read, then written) gives that
// result for its first `distance` bytes, and chunks in turn do for the whole
// copy once the source lies a chunk back. That leaves a short distance below
// the length, rare in practice: its first chunk goes byte by byte, then the
// distance is widened to a multiple of itself of at least a chunk, which names
// the same byte of the repeating pattern.
void CopyMatch(std::uint8_t* op, std::size_t distance, std::size_t length) {
    std::uint8_t* const end = op + length;
    const std::uint8_t* match = op - distance;
    if (distance >= (length < kChunk ? length : static_cast<std::size_t>(kChunk))) {
        std::memmove(op, match, kChunk);
        std::memmove(op + kChunk, match + kChunk, kChunk);
        if (length > kWideCopy) CopyChunks(op + kWideCopy, match + kWideCopy, end);
        return;
    }
    std::uint8_t* const head = op + (length < kChunk ? length : kChunk);
    while (op < head) *op++ = *match++;
    if (op == end) return;
    CopyChunks(op, op - (kChunk + distance - 1) / distance * distance, end);
}

[[noreturn]] void FailMalformed() { throw EReadError(Messages::SReadError); }

// The flag byte's bits are kept in reverse, the first item's in bit 0, with a
// marker bit above them, and move down one bit per item: the trailing zero
// bits then count the literal bytes ahead in the group, and the group is used
// up when only the marker is left.
constexpr std::uint32_t kGroupUsedUp = 1;
struct ReversedBytes {
    std::uint8_t of[256];
    constexpr ReversedBytes() : of() {
        for (unsigned byte = 0; byte < 256; ++byte)
            for (int bit = 0; bit < 8; ++bit) of[byte] |= static_cast<std::uint8_t>((byte >> bit & 1) << (7 - bit));
    }
};
constexpr ReversedBytes kReversedBytes;
std::uint32_t LoadFlags(std::uint8_t flagByte) { return kReversedBytes.of[flagByte] | kGroupUsedUp << kItemsPerGroup; }

// A copy by its kind, the top two bits of its code byte e, worked out without
// branching on the kind (a wrong guess of it costs more than the whole item)
// from e, the byte f after it and the byte g after that:
//   distance = ((e << 8 | f) & distanceMask) * distanceScale / 1024 + 1,
//   length = length + (e & shortLengthMask) + (f & nearLengthMask)
//            + (farLengths[g] & farLengthMask).
struct CopyKind {
    std::uint16_t distanceMask;
    std::uint16_t distanceScale;
    std::uint8_t length;
    std::uint8_t shortLengthMask;
    std::uint8_t nearLengthMask;
    std::uint16_t farLengthMask;
};
constexpr unsigned kDistanceScaleShift = 10;
constexpr unsigned kKindShift = 6;
constexpr CopyKind kCopyKinds[4] = {
    {0x7C00, 1, kShortCopyMinLength, 0x03, 0, 0},
    {0x7C00, 1, kShortCopyMinLength, 0x03, 0, 0},
    {0x3FF0, 1 << (kDistanceScaleShift - 4), kNearCopyMinLength, 0, 0x0F, 0},
    {0x3FFF, 1 << kDistanceScaleShift, 0, 0, 0, 0xFFFF},
};
static_assert(kNearCopyCode >> kKindShift == 2 && kFarCopyCode >> kKindShift == 3);

struct FarLengths {
    std::uint16_t of[256];
    constexpr FarLengths() : of() {
        for (unsigned g = 0; g < 256; ++g) of[g] = static_cast<std::uint16_t>(FarCopyLength(g));
    }
};
constexpr FarLengths kFarLengths;

// Every code byte against the format, with every second byte, which also
// stands for every third byte of a far copy.
constexpr bool CopyKindsFollowTheFormat() {
    for (unsigned e = 0; e < 256; ++e) {
        if (IsLiteralRun(e)) continue;
        const CopyKind& copy = kCopyKinds[e >> kKindShift];
        for (unsigned f = 0; f < 256; ++f) {
            const unsigned distance = ((e << 8 | f) & copy.distanceMask) * copy.distanceScale >> kDistanceScaleShift;
            const unsigned length = copy.length + (e & copy.shortLengthMask) + (f & copy.nearLengthMask) +
                                    (kFarLengths.of[f] & copy.farLengthMask);
            const bool right = e < kNearCopyCode ? distance + 1 == unsigned(ShortCopyDistance(e)) && length == unsigned(ShortCopyLength(e))
                               : e < kFarCopyCode ? distance + 1 == unsigned(NearCopyDistance(e, f)) && length == unsigned(NearCopyLength(f))
                                                  : distance + 1 == unsigned(FarCopyDistance(e, f)) && length == unsigned(FarCopyLength(f));
            if (!right) return false;
        }
    }
    return true;
}
static_assert(CopyKindsFollowTheFormat());

// Runs the token stream in[0, packedSize) into the window until the produced
// count reaches unpackedSize, writing full blocks to output as the window fills.
// Every read of the stream and every copy source is checked before it is used.
void DecodeTokens(const std::uint8_t* in, std::int32_t packedSize, std::int32_t unpackedSize,
                  std::uint8_t* window, TStream& output) {
    const std::uint8_t* ip = in;
    const std::uint8_t* const iend = in + packedSize;
    std::uint8_t* op = window;
    std::uint8_t* const wflush = window + kFlushThreshold;
    // Decoding pauses at ostop, the nearer of the flush threshold and the
    // end of the output, counted from the window's start by `left`.
    std::ptrdiff_t left = unpackedSize;
    std::uint8_t* ostop = window;

    // The first flag byte is taken even for an empty stream; it then lies in
    // the spare bytes and puts ip past iend, so any item would fail its check.
    std::uint32_t flags = LoadFlags(*ip++);

    for (;;) {
        // The literal bytes up to the next coded item move together, unless
        // a pause comes first: then they stop at it, as single items would.
        std::ptrdiff_t count = static_cast<unsigned>(__builtin_ctz(flags));
        if (count >= ostop - op) {
            if (op >= ostop) {
                if (op >= wflush) {
                    output.WriteBuffer(window, kBlockSize);
                    std::memmove(window, window + kBlockSize, static_cast<std::size_t>(op - window - kBlockSize));
                    op -= kBlockSize;
                    left -= kBlockSize;
                }
                ostop = window + (left < 0 ? 0 : left < kFlushThreshold ? left : kFlushThreshold);
                if (op >= ostop) break;
                continue;
            }
            count = ostop - op;
        }
        // ip lies past iend here only when the stream is too short for the
        // items still to come: the bytes are then taken from the spare bytes,
        // and a check below fails before anything more reaches the output.
        std::memcpy(op, ip, kItemsPerGroup);
        op += count;
        ip += count;
        flags >>= count;
        if (flags == kGroupUsedUp) {
            // After an eighth item the next flag byte is taken at once, even
            // when no item follows; it is a spare byte when the stream ends.
            if (ip > iend) goto malformed;
            flags = LoadFlags(*ip++);
            continue;
        }
        if (op >= ostop) {
            if (ip > iend) goto malformed;
            continue;
        }

        // The code bytes are read before ip is checked: from the spare bytes
        // when the stream is too short.
        const unsigned code = ip[0];
        if (IsLiteralRun(code)) {
            const std::ptrdiff_t length = LiteralRunLength(code);
            ip += 1;
            if (length > iend - ip) goto malformed;
            CopyChunks(op, ip, op + length);
            op += length;
            ip += length;
        } else {
            const unsigned f = ip[1];
            const unsigned kind = code >> kKindShift;
            const CopyKind& copy = kCopyKinds[kind];
            const std::size_t distance = (((code << 8 | f) & copy.distanceMask) * copy.distanceScale >> kDistanceScaleShift) + 1;
            const std::size_t length = copy.length + (code & copy.shortLengthMask) + (f & copy.nearLengthMask) +
                                       (kFarLengths.of[ip[2]] & copy.farLengthMask);
            // 1, 2 or 3 bytes by the kind k (0 and 1 give 1): (3k + 4) / 4.
            ip += (3 * kind + 4) >> 2;
            if (ip > iend || distance > static_cast<std::size_t>(op - window)) goto malformed;
            CopyMatch(op, distance, length);
            op += length;
        }
        flags >>= 1;
        if (flags == kGroupUsedUp) flags = LoadFlags(*ip++);
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

    // The spare bytes are zeroed; the stream's own bytes are read over.
    const std::unique_ptr<std::uint8_t[]> in(new std::uint8_t[static_cast<std::size_t>(packedSize) + kSpareBytes]);
    std::memset(in.get() + packedSize, 0, kSpareBytes);
    const std::unique_ptr<std::uint8_t[]> window(new std::uint8_t[kWindowSize]);
    input.ReadBuffer(in.get(), packedSize);

    DecodeTokens(in.get(), packedSize, unpackedSize, window.get(), output);
}
