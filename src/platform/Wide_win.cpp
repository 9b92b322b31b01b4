#include "platform/Wide_win.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage932 = 932;
}

WideText::WideText(const std::string& cp932) {
    const int size = static_cast<int>(cp932.size());
    const int length = size ? MultiByteToWideChar(kCodePage932, 0, cp932.data(), size, nullptr, 0) : 0;
    chars_.resize(static_cast<std::size_t>(length) + 1);
    if (length) MultiByteToWideChar(kCodePage932, 0, cp932.data(), size, chars_.data(), length);
}
