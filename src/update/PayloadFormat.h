// The payload format: a 16-byte header and a token stream of flagged items.
// docs/payload-format.md describes it; the names below follow that document.
#pragma once

#include <cstdint>

namespace PayloadFormat {

// Header: four little-endian 32-bit fields.
inline constexpr std::uint8_t kMark[4] = {0x59, 0x42, 0x83, 0x03};
inline constexpr int kHeaderSize = 16;
inline constexpr int kMarkOffset = 0;
inline constexpr int kPackedSizeOffset = 4;
inline constexpr int kUnpackedSizeOffset = 8;
inline constexpr int kReservedOffset = 12;

// The header's sizes are signed; a payload keeps them below 2^31.
inline std::int32_t ReadHeaderField(const std::uint8_t* header, int offset) {
    const std::uint8_t* p = header + offset;
    return static_cast<std::int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

// Decoder buffers: the token stream plus spare bytes behind it (a flag byte
// taken after a full last group lands there), and the output window, flushed
// one block at a time whenever it holds the flush threshold or more.
inline constexpr int kSpareBytes = 256;
inline constexpr int kWindowSize = 0x300000;
inline constexpr int kFlushThreshold = 0x200000;
inline constexpr int kBlockSize = 0x100000;

// A flag byte governs up to eight items, bit 7 first; a set bit marks a coded item.
inline constexpr int kItemsPerGroup = 8;
inline constexpr unsigned kCodedItemFlag = 0x80;

// Code bytes 0x00-0x7F: a literal run when the low two bits are both set,
// otherwise a short copy.
inline constexpr unsigned kLiteralRunTag = 3;
inline constexpr int kMinLiteralRun = 9;
inline constexpr int kMaxLiteralRun = 40;
inline constexpr int kShortCopyMaxDistance = 32;
inline constexpr int kShortCopyMinLength = 2;
inline constexpr int kShortCopyMaxLength = 4;

// Code bytes 0x80-0xBF: a near copy, one more byte.
inline constexpr unsigned kNearCopyCode = 0x80;
inline constexpr int kNearCopyMaxDistance = 1024;
inline constexpr int kNearCopyMinLength = 3;
inline constexpr int kNearCopyMaxLength = 18;

// Code bytes 0xC0-0xFF: a far copy, two more bytes. The length byte g gives
// g + 3 up to kFarPlainLengthCodes - 1; the last three codes stand for the
// long lengths 256, 1024 and 4096.
inline constexpr unsigned kFarCopyCode = 0xC0;
inline constexpr int kFarCopyMaxDistance = 16384;
inline constexpr int kFarCopyMinLength = 3;
inline constexpr unsigned kFarPlainLengthCodes = 253;
inline constexpr int kFarLongLengths[3] = {256, 1024, 4096};

inline constexpr int kMaxDistance = kFarCopyMaxDistance;
inline constexpr int kMaxItemLength = 4096;

inline constexpr bool IsLiteralRun(unsigned code) {
    return (code & (kNearCopyCode | 3)) == kLiteralRunTag;
}
inline constexpr int LiteralRunLength(unsigned code) { return static_cast<int>(code >> 2) + kMinLiteralRun; }

inline constexpr int ShortCopyDistance(unsigned code) { return static_cast<int>(code >> 2) + 1; }
inline constexpr int ShortCopyLength(unsigned code) { return static_cast<int>(code & 3) + kShortCopyMinLength; }

inline constexpr int NearCopyDistance(unsigned code, unsigned f) {
    return static_cast<int>((code & 0x3F) << 4 | f >> 4) + 1;
}
inline constexpr int NearCopyLength(unsigned f) { return static_cast<int>(f & 0x0F) + kNearCopyMinLength; }

inline constexpr int FarCopyDistance(unsigned code, unsigned f) {
    return static_cast<int>((code & 0x3F) << 8 | f) + 1;
}
inline constexpr int FarCopyLength(unsigned g) {
    return g < kFarPlainLengthCodes ? static_cast<int>(g) + kFarCopyMinLength
                                    : kFarLongLengths[g - kFarPlainLengthCodes];
}

}  // namespace PayloadFormat
