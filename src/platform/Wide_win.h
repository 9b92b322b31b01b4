// Text shown on screen goes through the wide-character API, converted from
// code page 932 explicitly, so it reads right whatever the system's code page.
// (A vector rather than std::wstring: the latter would link the library's whole
// wide-string instantiation into the executable.)
#pragma once

#include <string>
#include <vector>

class WideText {
public:
    explicit WideText(const std::string& cp932);
    const wchar_t* c_str() const { return chars_.data(); }
    int length() const { return static_cast<int>(chars_.size()) - 1; }

private:
    std::vector<wchar_t> chars_;
};
