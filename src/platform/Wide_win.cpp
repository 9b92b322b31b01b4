#include "platform/Wide_win.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage932 = 932;
}

std::wstring WideFromCp932(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = MultiByteToWideChar(kCodePage932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage932, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}
