// Text conversions. The driver's narrow literals are code page 932 bytes,
// like the updater's; windows of another process are read as UTF-16, and the
// driver prints UTF-8 for the terminal and the test log.
#pragma once

#include <string>

std::wstring WideFromCp932(const std::string& text);
std::string Cp932FromWide(const std::wstring& text);
std::string Utf8FromWide(const std::wstring& text);
// For printing a code page 932 text.
std::string Utf8FromCp932(const std::string& text);
