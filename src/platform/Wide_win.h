// Text shown on screen goes through the wide-character API, converted from
// code page 932 explicitly, so it reads right whatever the system's code page.
#pragma once

#include <string>

std::wstring WideFromCp932(const std::string& text);
