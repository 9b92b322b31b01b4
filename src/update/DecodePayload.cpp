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
// four bytes read for a copy's code, or a literal run's last chunk. The window
// and the spare bytes leave room for that.
constexpr std::ptrdiff_t kChunk = 16;
constexpr std::ptrdiff_t kWideCopy = 2 * kChunk;
constexpr int kCodeRead = 4;
static_assert(kFlushThreshold + kMaxItemLength + kWideCopy <= kWindowSize);
static_assert(1 + kItemsPerGroup + kCodeRead <= kSpareBytes && kChunk <= kSpareBytes);

// Decoding runs unchecked while the output lies at least kMaxDistance past
// the window's start, so that no copy can reach before it, and at least
// kFastOutputMargin before the next pause, so that no step (a group's literal
// bytes, then one item) can reach it, and while the input lies more than
// kFastInputMargin before the stream's end: a step takes at most a flag byte,
// a group's literal bytes and a literal run's code byte and bytes, so all it
// takes lies within the stream (the chunk over-read of a literal run stays
// within the spare bytes).
constexpr std::ptrdiff_t kFastOutputMargin = kItemsPerGroup + kMaxItemLength;
constexpr std::ptrdiff_t kFastInputMargin = 1 + kItemsPerGroup + 1 + kMaxLiteralRun;

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
// copy once the source lies a chunk back. That leaves a distance below the
// length, rare in practice and so kept out of line (for one at least a chunk
// back it merely costs time): its first chunk goes byte by byte, then the
// distance is widened to a multiple of itself of at least a chunk, which names
// the same byte of the repeating pattern.
void CopyRepeating(std::uint8_t* op, std::size_t distance, std::size_t length) {
    std::uint8_t* const end = op + length;
    const std::uint8_t* match = op - distance;
    std::uint8_t* const head = op + (length < kChunk ? length : kChunk);
    while (op < head) *op++ = *match++;
    if (op == end) return;
    CopyChunks(op, op - (kChunk + distance - 1) / distance * distance, end);
}

// Inline: out of line its call costs about as much as the two moves.
inline void CopyMatch(std::uint8_t* op, std::size_t distance, std::size_t length) {
    if (distance < length) {
        CopyRepeating(op, distance, length);
        return;
    }
    const std::uint8_t* const match = op - distance;
    std::memmove(op, match, kChunk);
    std::memmove(op + kChunk, match + kChunk, kChunk);
    if (length > kWideCopy) CopyChunks(op + kWideCopy, match + kWideCopy, op + length);
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
// branching on the kind (a wrong guess of it costs more than the whole item).
// Read as one big-endian number with the bytes f and g after it (and one more,
// unused), e f g h, each kind keeps its distance and its length in one run of
// bits: short e[6:2] and e[1:0], near e[5:0] f[7:4] and f[3:0], far e[5:0] f
// and g. A far length beyond the plain codes comes from kFarLongLengths. An
// entry takes eight bytes, so that the kind indexes the table directly.
struct alignas(8) CopyKind {
    std::uint16_t distanceMask;
    std::uint8_t distanceShift;
    std::uint8_t lengthMask;
    std::uint8_t lengthShift;
    std::uint8_t minLength;
};
constexpr unsigned kKindShift = 6;
constexpr CopyKind kShortCopy = {0x1F, 26, 0x03, 24, kShortCopyMinLength};
constexpr CopyKind kCopyKinds[4] = {
    kShortCopy,
    kShortCopy,
    {0x3FF, 20, 0x0F, 16, kNearCopyMinLength},
    {0x3FFF, 16, 0xFF, 8, kFarCopyMinLength},
};
static_assert(kNearCopyCode >> kKindShift == 2 && kFarCopyCode >> kKindShift == 3);
constexpr std::size_t kLongestPlainLength = kFarPlainLengthCodes - 1 + kFarCopyMinLength;

struct Copy {
    std::size_t distance;
    std::size_t length;
    // 1, 2 or 3: the kind itself, but 1 for both short kinds.
    std::ptrdiff_t codeBytes;
};

constexpr Copy DecodeCopy(const std::uint8_t* ip) {
    const std::uint32_t bytes = static_cast<std::uint32_t>(ip[0]) << 24 | ip[1] << 16 | ip[2] << 8 | ip[3];
    const unsigned kind = bytes >> (24 + kKindShift);
    const CopyKind& copy = kCopyKinds[kind];
    std::size_t length = (bytes >> copy.lengthShift & copy.lengthMask) + copy.minLength;
    if (length > kLongestPlainLength) length = static_cast<std::size_t>(kFarLongLengths[length - kLongestPlainLength - 1]);
    return {(bytes >> copy.distanceShift & copy.distanceMask) + 1u, length, static_cast<std::ptrdiff_t>(kind > 1 ? kind : 1)};
}

// Every code byte against the format, with every second byte, which also
// stands for every third byte of a far copy (a short copy has neither: two
// values show it takes none, and keep the check within compilers' limits).
constexpr bool CopiesFollowTheFormat() {
    for (unsigned e = 0; e < 256; ++e) {
        if (IsLiteralRun(e)) continue;
        for (unsigned f = 0; f < 256; f += e < kNearCopyCode ? 255 : 1) {
            const std::uint8_t code[kCodeRead] = {static_cast<std::uint8_t>(e), static_cast<std::uint8_t>(f),
                                                  static_cast<std::uint8_t>(f), 0xFF};
            const Copy copy = DecodeCopy(code);
            const bool right =
                e < kNearCopyCode ? copy.distance == unsigned(ShortCopyDistance(e)) && copy.length == unsigned(ShortCopyLength(e)) && copy.codeBytes == 1
                : e < kFarCopyCode ? copy.distance == unsigned(NearCopyDistance(e, f)) && copy.length == unsigned(NearCopyLength(f)) && copy.codeBytes == 2
                                   : copy.distance == unsigned(FarCopyDistance(e, f)) && copy.length == unsigned(FarCopyLength(f)) && copy.codeBytes == 3;
            if (!right) return false;
        }
    }
    return true;
}
static_assert(CopiesFollowTheFormat());

// Runs the token stream in[0, packedSize) into the window until the produced
// count reaches unpackedSize, writing full blocks to output as the window fills.
// Every read of the stream and every copy source is checked before it is used,
// item by item near the ends, and by the margins in the fast loop.
void DecodeTokens(const std::uint8_t* in, std::int32_t packedSize, std::int32_t unpackedSize,
                  std::uint8_t* window, TStream& output) {
    const std::uint8_t* ip = in;
    const std::uint8_t* const iend = in + packedSize;
    const std::uint8_t* const ifast = in + (packedSize > kFastInputMargin ? packedSize - kFastInputMargin : 0);
    std::uint8_t* op = window;
    std::uint8_t* const wflush = window + kFlushThreshold;
    // Decoding pauses at ostop, the nearer of the flush threshold and the
    // end of the output, counted from the window's start by `left`.
    std::ptrdiff_t left = unpackedSize;
    std::uint8_t* ostop = window;
    std::uint8_t* ofast = window;

    // The first flag byte is taken even for an empty stream; it then lies in
    // the spare bytes and puts ip past iend, so any item would fail its check.
    std::uint32_t flags = LoadFlags(*ip++);

    for (;;) {
        // The fast loop: the same steps as below without their checks, which
        // the margins make needless. It may leave a used-up group behind; the
        // careful step takes its next flag byte.
        if (op - window >= kMaxDistance) {
            while (op < ofast && ip < ifast) {
                const std::ptrdiff_t count = static_cast<unsigned>(__builtin_ctz(flags));
                std::memcpy(op, ip, kItemsPerGroup);
                op += count;
                ip += count;
                flags >>= count;
                if (flags == kGroupUsedUp) {
                    flags = LoadFlags(*ip++);
                    continue;
                }
                const unsigned code = ip[0];
                if (IsLiteralRun(code)) {
                    const std::ptrdiff_t length = LiteralRunLength(code);
                    CopyChunks(op, ip + 1, op + length);
                    op += length;
                    ip += 1 + length;
                } else {
                    const Copy copy = DecodeCopy(ip);
                    ip += copy.codeBytes;
                    CopyMatch(op, copy.distance, copy.length);
                    op += copy.length;
                }
                flags >>= 1;
            }
        }

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
                ofast = ostop - window > kFastOutputMargin ? ostop - kFastOutputMargin : window;
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
            const Copy copy = DecodeCopy(ip);
            ip += copy.codeBytes;
            if (ip > iend || copy.distance > static_cast<std::size_t>(op - window)) goto malformed;
            CopyMatch(op, copy.distance, copy.length);
            op += copy.length;
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
