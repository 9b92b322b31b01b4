#include "platform/Messages.h"

namespace Messages {

std::string Format(const char* templ, const std::string& argument) {
    std::string text(templ);
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

}  // namespace Messages
