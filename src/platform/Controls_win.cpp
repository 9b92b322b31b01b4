#include "platform/Controls_win.h"

#include "platform/Application_win.h"
#include "platform/Wide_win.h"

void TControl::PlaceAt(int scrollX, int scrollY) {
    if (handle_)
        SetWindowPos(handle_, nullptr, bounds_.left - scrollX, bounds_.top - scrollY, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TButton::CreateHandle(HWND parent, HFONT font) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;
    if (!enabled_) style |= WS_DISABLED;
    handle_ = CreateWindowExW(0, L"BUTTON", WideText(caption_).c_str(), style, bounds_.left, bounds_.top,
                              bounds_.width, bounds_.height, parent, nullptr, Application->Instance(), nullptr);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void TButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (handle_) EnableWindow(handle_, enabled);
}

void TButton::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

void TButton::ShowAsDefault(bool isDefault) {
    if (handle_)
        SendMessageW(handle_, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON | BS_NOTIFY : BS_PUSHBUTTON | BS_NOTIFY,
                     TRUE);
}
