#include "platform/Cp932.h"

namespace Cp932 {

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string LastCharacter(const std::string& text) {
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        start = i;
        const bool pair = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        i += pair ? 2 : 1;
    }
    return text.substr(start);
}

std::string WithClosingPeriod(const std::string& message) {
    const std::string last = LastCharacter(message);
    if (!last.empty() && last.compare(".") > 0) return message + ".";
    return message;
}

std::string ApplicationTitleFromPath(const std::string& exePath) {
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < exePath.size();) {
        const unsigned char byte = static_cast<unsigned char>(exePath[i]);
        if (IsLeadByte(byte) && i + 1 < exePath.size()) {
            i += 2;
            continue;
        }
        ++i;
        if (byte == '\\' || byte == '/' || byte == ':') nameStart = i;
    }
    std::string title;
    bool first = true;
    for (std::size_t i = nameStart; i < exePath.size() && exePath[i] != '.';) {
        const unsigned char byte = static_cast<unsigned char>(exePath[i]);
        const std::size_t width = IsLeadByte(byte) && i + 1 < exePath.size() ? 2 : 1;
        if (width == 1 && !first && byte >= 'A' && byte <= 'Z')
            title += static_cast<char>(byte - 'A' + 'a');
        else
            title.append(exePath, i, width);
        first = false;
        i += width;
    }
    return title;
}

bool EndsWithPathSeparator(const std::string& text) {
    const std::string last = LastCharacter(text);
    return last == "\\" || last == "/";
}

}  // namespace Cp932
