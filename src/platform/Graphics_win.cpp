#include "platform/Graphics_win.h"

#include "platform/Application_win.h"
#include "platform/Exceptions.h"
#include "platform/Messages.h"
#include "platform/Wide_win.h"

TFont DefaultCanvasFont() {
    LOGFONTW systemFont{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof systemFont, &systemFont);
    TFont font;
    if (GetSystemMetrics(SM_DBCSENABLED) && systemFont.lfCharSet == SHIFTJIS_CHARSET) {
        font.name = "ＭＳ Ｐゴシック";
        font.charset = SHIFTJIS_CHARSET;
    } else {
        font.name = "MS Sans Serif";
        font.charset = DEFAULT_CHARSET;
    }
    return font;
}

TCanvas::TCanvas(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), font_(DefaultCanvasFont()) {
    if (!dc_) throw EInvalidOperation(Messages::SNoCanvasHandle);
    originalBitmap_ = SelectObject(dc_, bitmap);
}

TCanvas::~TCanvas() {
    SelectObject(dc_, originalBitmap_);
    DeleteDC(dc_);
}

void TCanvas::SetBrushColor(TColor color) {
    brush_.color = color;
    brush_.style = TBrushStyle::bsSolid;
}

void TCanvas::SetBrushStyle(TBrushStyle style) { brush_.style = style; }
void TCanvas::SetFontHeight(int height) { font_.height = height; }
void TCanvas::SetFontColor(TColor color) { font_.color = color; }

void TCanvas::FillRect(const RECT& rect) {
    if (brush_.style == TBrushStyle::bsClear) return;
    HBRUSH brush = CreateSolidBrush(brush_.color);
    ::FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    const WideText face(font_.name);
    HFONT font = CreateFontW(font_.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, font_.charset,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
    HGDIOBJ previous = SelectObject(dc_, font);
    SetTextColor(dc_, font_.color);
    if (brush_.style == TBrushStyle::bsClear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, brush_.color);
    }
    const WideText wide(text);
    ExtTextOutW(dc_, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.length()), nullptr);
    SelectObject(dc_, previous);
    DeleteObject(font);
}

TImage::~TImage() {
    canvas_.reset();
    if (bitmap_) DeleteObject(bitmap_);
}

TCanvas& TImage::Canvas() {
    if (!canvas_) {
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, bounds_.width, bounds_.height);
        ReleaseDC(nullptr, screen);
        if (!bitmap) throw EOutOfResources(Messages::SOutOfResources);
        bitmap_ = bitmap;
        canvas_ = std::make_unique<TCanvas>(bitmap_);
        const RECT all{0, 0, bounds_.width, bounds_.height};
        ::FillRect(canvas_->Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    return *canvas_;
}

void TImage::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void TImage::CreateHandle(HWND parent, HFONT) {
    static const wchar_t* const kClassName = L"TImage";
    WNDCLASSW windowClass{};
    if (!GetClassInfoW(Application->Instance(), kClassName, &windowClass)) {
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = Application->Instance();
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = kClassName;
        RegisterClassW(&windowClass);
    }
    handle_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds_.left, bounds_.top, bounds_.width,
                              bounds_.height, parent, nullptr, Application->Instance(), this);
}

void TImage::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle_, &paint);
    if (canvas_) BitBlt(dc, 0, 0, bounds_.width, bounds_.height, canvas_->Handle(), 0, 0, SRCCOPY);
    EndPaint(handle_, &paint);
}

LRESULT CALLBACK TImage::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* image = reinterpret_cast<TImage*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_PAINT && image) {
        try {
            image->Paint();
        } catch (...) {
            Application->HandleException();
        }
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcW(window, message, wParam, lParam);
}
