#include "platform/Forms_win.h"

#include <algorithm>

#include "platform/Application_win.h"
#include "platform/Exceptions.h"
#include "platform/Messages.h"
#include "platform/Wide_win.h"

namespace {
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

TForm::TForm(TApplication& owner) : application_(owner) {}

TForm::~TForm() {
    if (handle_) DestroyWindow(handle_);
    if (font_) DeleteObject(font_);
}

void TForm::SetLayout(const TFormLayout& layout) {
    left_ = layout.left;
    top_ = layout.top;
    width_ = layout.width;
    height_ = layout.height;
    caption_ = layout.caption;
    className_ = layout.className;
    font_ = CreateFontW(layout.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, layout.fontCharset,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                        WideText(layout.fontName).c_str());
}

void TForm::SetLeft(int left) {
    left_ = left;
    MoveToPosition();
}

void TForm::SetTop(int top) {
    top_ = top;
    MoveToPosition();
}

void TForm::MoveToPosition() {
    if (handle_) SetWindowPos(handle_, nullptr, left_, top_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// An event's failure is shown by the application; the form goes on.
void TForm::FireEvent(const TNotifyEvent& event) {
    try {
        if (event) event(this);
    } catch (...) {
        application_.HandleException();
    }
}

void TForm::DoCreate() { FireEvent(OnCreate); }

void TForm::HandleNeeded() {
    if (handle_) return;
    const WideText className(className_);
    WNDCLASSW windowClass{};
    if (!GetClassInfoW(application_.Instance(), className.c_str(), &windowClass)) {
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = application_.Instance();
        windowClass.hIcon = application_.Icon();
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = className.c_str();
        RegisterClassW(&windowClass);
    }
    handle_ = CreateWindowExW(WS_EX_CONTROLPARENT, className.c_str(), WideText(caption_).c_str(), kFormStyle,
                              left_, top_, width_, height_, application_.Handle(), nullptr, application_.Instance(),
                              this);
    if (!handle_) throw EOutOfResources(Messages::SOutOfResources);
    for (TControl* control : controls_) control->CreateHandle(handle_, font_);
    UpdateScrollBars();
}

void TForm::Show() {
    HandleNeeded();
    FireEvent(OnShow);
    switch (windowState_) {
        case TWindowState::wsMaximized: ShowWindow(handle_, SW_SHOWMAXIMIZED); break;
        case TWindowState::wsMinimized: ShowWindow(handle_, SW_SHOWMINNOACTIVE); break;
        case TWindowState::wsNormal: ShowWindow(handle_, SW_SHOWNORMAL); break;
    }
}

void TForm::Close() {
    if (application_.MainForm() == this)
        application_.Terminate();
    else if (handle_)
        ShowWindow(handle_, SW_HIDE);
}

std::vector<TControl*> TForm::TabStops() const {
    std::vector<TControl*> stops;
    for (TControl* control : controls_)
        if (control->TabStop() && IsWindowEnabled(control->Handle())) stops.push_back(control);
    std::stable_sort(stops.begin(), stops.end(),
                     [](TControl* a, TControl* b) { return a->TabOrder() < b->TabOrder(); });
    return stops;
}

void TForm::FocusFirstControl() {
    if (activeControl_ && IsWindowEnabled(activeControl_)) {
        SetFocus(activeControl_);
        return;
    }
    const std::vector<TControl*> stops = TabStops();
    if (!stops.empty()) SetFocus(stops.front()->Handle());
}

void TForm::MoveFocus(bool forward) {
    const std::vector<TControl*> stops = TabStops();
    if (stops.empty()) return;
    const HWND focus = GetFocus();
    auto at = std::find_if(stops.begin(), stops.end(), [focus](TControl* c) { return c->Handle() == focus; });
    std::size_t index = at == stops.end() ? 0 : static_cast<std::size_t>(at - stops.begin());
    index = forward ? (index + 1) % stops.size() : (index + stops.size() - 1) % stops.size();
    SetFocus(stops[index]->Handle());
}

bool TForm::DialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !handle_ || (msg.hwnd != handle_ && !IsChild(handle_, msg.hwnd)))
        return false;
    if (msg.wParam == VK_TAB) {
        MoveFocus(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    if (msg.wParam == VK_RETURN) {
        const HWND focus = GetFocus();
        for (TControl* control : controls_)
            if (auto* button = dynamic_cast<TButton*>(control); button && button->Handle() == focus) {
                button->Click();
                return true;
            }
    }
    return false;
}

void TForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND source = reinterpret_cast<HWND>(lParam);
    auto* button = source ? reinterpret_cast<TButton*>(GetWindowLongPtrW(source, GWLP_USERDATA)) : nullptr;
    if (!button) return;
    switch (HIWORD(wParam)) {
        case BN_CLICKED: button->Click(); break;
        case BN_SETFOCUS: button->ShowAsDefault(true); break;
        case BN_KILLFOCUS: button->ShowAsDefault(false); break;
    }
}

void TForm::UpdateScrollBars() {
    // Showing or hiding a bar resizes the client area and sends WM_SIZE again;
    // the outcome below does not depend on which bars are on, so the nested
    // call has nothing to change.
    if (!handle_ || IsIconic(handle_) || updatingScrollBars_) return;
    updatingScrollBars_ = true;
    int extentX = 0;
    int extentY = 0;
    for (TControl* control : controls_) {
        extentX = std::max(extentX, control->Left() + control->Width());
        extentY = std::max(extentY, control->Top() + control->Height());
    }
    // The client area as it would be without bars: a bar is needed only when
    // the controls do not fit in that, and one bar can make the other needed.
    const LONG style = GetWindowLongW(handle_, GWL_STYLE);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    RECT client;
    GetClientRect(handle_, &client);
    int width = client.right + ((style & WS_VSCROLL) ? barWidth : 0);
    int height = client.bottom + ((style & WS_HSCROLL) ? barHeight : 0);
    bool horizontal = extentX > width;
    bool vertical = extentY > height;
    if (horizontal && !vertical) vertical = extentY > height - barHeight;
    if (vertical && !horizontal) horizontal = extentX > width - barWidth;
    if (vertical) width -= barWidth;
    if (horizontal) height -= barHeight;

    const auto fit = [this](int bar, bool needed, int extent, int page, int& position) {
        position = needed ? std::max(0, std::min(position, extent - page)) : 0;
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, needed ? extent - 1 : 0,
                        static_cast<UINT>(needed ? page : 0), position, 0};
        SetScrollInfo(handle_, bar, &info, TRUE);
        ShowScrollBar(handle_, bar, needed);
    };
    fit(SB_HORZ, horizontal, extentX, width, scrollX_);
    fit(SB_VERT, vertical, extentY, height, scrollY_);
    for (TControl* control : controls_) control->PlaceAt(scrollX_, scrollY_);
    updatingScrollBars_ = false;
}

void TForm::ScrollBy(int bar, WPARAM request) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(handle_, bar, &info);
    int position = info.nPos;
    switch (LOWORD(request)) {
        case SB_LINEUP: position -= 8; break;
        case SB_LINEDOWN: position += 8; break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        default: return;
    }
    (bar == SB_HORZ ? scrollX_ : scrollY_) = position;
    UpdateScrollBars();
}

LRESULT TForm::HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: OnCommand(wParam, lParam); return 0;
        case WM_CLOSE: Close(); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus && IsChild(handle_, focus)) activeControl_ = focus;
            } else if (!HIWORD(wParam)) {
                FocusFirstControl();
            }
            return 0;
        case WM_SETFOCUS: FocusFirstControl(); return 0;
        case WM_SIZE: UpdateScrollBars(); break;
        case WM_HSCROLL: ScrollBy(SB_HORZ, wParam); return 0;
        case WM_VSCROLL: ScrollBy(SB_VERT, wParam); return 0;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return form->HandleWindowMessage(message, wParam, lParam);
    } catch (...) {
        Application->HandleException();
        return 0;
    }
}
