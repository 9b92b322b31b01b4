// Pixels as they are on the screen. Under Xvfb without a window manager
// nothing covers the updater's windows, so the screen shows what they drew.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class Image {
public:
    Image(int width, int height) : width_(width), height_(height), pixels_(std::size_t(width) * height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The colour as a COLORREF, 0x00BBGGRR, as the updater names its colours.
    COLORREF At(int x, int y) const;
    // Top-down rows of 0x00RRGGBB, the layout of a 32-bit DIB.
    std::uint32_t* Bits() { return pixels_.data(); }
    const std::uint32_t* Bits() const { return pixels_.data(); }
    bool operator==(const Image& other) const;

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

Image CaptureScreen(const RECT& area);
// What the given system icon looks like drawn on a plain background.
Image RenderIcon(LPCWSTR iconId, int width, int height, COLORREF background);
bool SaveBmp(const Image& image, const std::wstring& path);

// Near-white, as antialiased white text is.
inline bool IsNearWhite(COLORREF colour) {
    return GetRValue(colour) >= 192 && GetGValue(colour) >= 192 && GetBValue(colour) >= 192;
}
