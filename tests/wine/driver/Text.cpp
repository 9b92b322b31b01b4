#include "Text.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage932 = 932;

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, const std::wstring& text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}
}  // namespace

std::wstring WideFromCp932(const std::string& text) { return ToWide(kCodePage932, text); }
std::string Cp932FromWide(const std::wstring& text) { return FromWide(kCodePage932, text); }
std::string Utf8FromWide(const std::wstring& text) { return FromWide(CP_UTF8, text); }
std::string Utf8FromCp932(const std::string& text) { return Utf8FromWide(WideFromCp932(text)); }
