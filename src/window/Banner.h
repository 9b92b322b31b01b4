// The banner: a vertical gradient from bright blue at the top to almost black
// at the bottom, with five lines of white text on it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct BannerLine {
    int x;
    int y;
    std::string text;
};

namespace Banner {

inline constexpr int kTextHeight = 16;  // character cell height, internal leading included
inline constexpr std::uint32_t kTextColour = 0xFFFFFF;

// The blue of pixel row `row` of a banner `height` rows high: 255 in the top
// row, never 0. Signed 32-bit, the division truncating toward zero.
int RowBlue(int row, int height);

// Colour value 0x00BBGGRR of a row: blue only.
inline std::uint32_t RowColour(int row, int height) {
    return static_cast<std::uint32_t>(RowBlue(row, height)) << 16;
}

// The five lines, top to bottom, with the top-left corner of each.
const std::array<BannerLine, 5>& Lines();

}  // namespace Banner
