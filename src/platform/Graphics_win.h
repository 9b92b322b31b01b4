// Drawing: a canvas over an off-screen bitmap, and the image control that owns
// the bitmap and shows it, unscaled at its top-left corner, on every paint.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <windows.h>

#include "platform/Controls_win.h"

using TColor = std::uint32_t;  // 0x00BBGGRR
inline constexpr TColor clWhite = 0xFFFFFF;

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor color = clWhite;
    TBrushStyle style = TBrushStyle::bsSolid;
};

struct TFont {
    std::string name;
    BYTE charset = DEFAULT_CHARSET;
    int height = 0;
    TColor color = 0;
};

// The face a new canvas starts with: "ＭＳ Ｐゴシック" in Shift-JIS on a system
// whose default font is Shift-JIS, else "MS Sans Serif".
TFont DefaultCanvasFont();

class TCanvas {
public:
    // Selects the bitmap into a drawing context of its own. Raises
    // EInvalidOperation when no context can be had.
    explicit TCanvas(HBITMAP bitmap);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Setting a colour also makes the brush solid.
    void SetBrushColor(TColor color);
    void SetBrushStyle(TBrushStyle style);
    void SetFontHeight(int height);
    void SetFontColor(TColor color);
    const TFont& Font() const { return font_; }

    void FillRect(const RECT& rect);
    void TextOut(int x, int y, const std::string& text);

    HDC Handle() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ originalBitmap_;
    TBrush brush_;
    TFont font_;
};

class TImage : public TControl {
public:
    using TControl::TControl;
    ~TImage() override;

    // The drawing surface of the picture; the first call creates a white bitmap
    // as large as the control, in the screen's pixel format. Raises
    // EOutOfResources when the bitmap cannot be created.
    TCanvas& Canvas();
    // Marks the control for repainting from the bitmap.
    void Invalidate();

    void CreateHandle(HWND parent, HFONT font) override;

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    void Paint();

    HBITMAP bitmap_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
};
