#include "Pixels.h"

#include <algorithm>
#include <cstdio>

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Runs draw on a memory DC holding a 32-bit DIB of the image's size, then
// copies the DIB into the image.
template <typename Draw>
void DrawInto(Image& image, Draw draw) {
    BITMAPINFO info = TopDown32(image.Width(), image.Height());
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, dib);
    draw(memory);
    GdiFlush();
    // The top byte of a 32-bit pixel is no colour; what GDI leaves there
    // depends on where the pixels came from.
    std::transform(static_cast<const std::uint32_t*>(bits),
                   static_cast<const std::uint32_t*>(bits) + std::size_t(image.Width()) * image.Height(), image.Bits(),
                   [](std::uint32_t pixel) { return pixel & 0x00FFFFFFu; });
    SelectObject(memory, previous);
    DeleteObject(dib);
    DeleteDC(memory);
}

}  // namespace

COLORREF Image::At(int x, int y) const {
    const std::uint32_t pixel = pixels_[std::size_t(y) * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

bool Image::operator==(const Image& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

Image CaptureScreen(const RECT& area) {
    Image image(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    DrawInto(image, [&](HDC memory) {
        BitBlt(memory, 0, 0, image.Width(), image.Height(), screen, area.left, area.top, SRCCOPY);
    });
    ReleaseDC(nullptr, screen);
    return image;
}

Image RenderIcon(LPCWSTR iconId, int width, int height, COLORREF background) {
    Image image(width, height);
    DrawInto(image, [&](HDC memory) {
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        DrawIconEx(memory, 0, 0, LoadIconW(nullptr, iconId), 0, 0, 0, nullptr, DI_NORMAL);
    });
    return image;
}

bool SaveBmp(const Image& image, const std::wstring& path) {
    const DWORD pixelBytes = DWORD(image.Width()) * image.Height() * 4;
    BITMAPINFO info = TopDown32(image.Width(), image.Height());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + pixelBytes;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                   std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                   std::fwrite(image.Bits(), pixelBytes, 1, out) == 1;
    written = std::fclose(out) == 0 && written;
    return written;
}
