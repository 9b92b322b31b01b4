// The updater window's layout, in pixels, applied unscaled at every screen
// resolution. Control positions are from the top-left corner of the client
// area; the window's size is its outer size, frame and title bar included.
#pragma once

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

namespace Layout {

inline constexpr Rect kForm{585, 1026, 618, 291};  // Left and Top are replaced by centring
inline constexpr const char* kCaption = "アップデーター";
inline constexpr const char* kFontName = "ＭＳ Ｐゴシック";
inline constexpr int kFontHeight = -12;

inline constexpr Rect kImage1{8, 8, 593, 193};
inline constexpr Rect kButton1{8, 216, 113, 33};
inline constexpr const char* kButton1Caption = "アップデート開始";
inline constexpr Rect kButton3{496, 216, 83, 33};
inline constexpr const char* kButton3Caption = "終了";

}  // namespace Layout

// Where a window of the given size starts so that it is centred on a screen:
// signed 32-bit arithmetic, the division truncating toward zero, so a window
// larger than the screen starts at a negative position.
inline int CentredOrigin(int screenSize, int windowSize) { return (screenSize - windowSize) / 2; }
