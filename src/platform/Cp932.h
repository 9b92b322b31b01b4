// Rules for text in code page 932 (Shift-JIS), where one character is one byte
// or a lead byte followed by a trail byte. Trail bytes reach down into ASCII
// (0x40-0x7E, "\" among them), so text must be walked from its start: a byte
// taken alone may be the second half of a double-byte character.
#pragma once

#include <string>

namespace Cp932 {

bool IsLeadByte(unsigned char byte);

// The last character of text, one or two bytes; empty for empty text.
std::string LastCharacter(const std::string& text);

// The error box's rule: a message whose last character, taken whole, compares
// byte by byte greater than "." gets a "." appended.
std::string WithClosingPeriod(const std::string& message);

// The application's default title: the file name without its directory, cut
// before its first ".", with every character after the first lower-cased
// (double-byte characters are left as they are).
std::string ApplicationTitleFromPath(const std::string& exePath);

// True when the last character of text is "\" or "/" (a trail byte 0x5C does
// not count).
bool EndsWithPathSeparator(const std::string& text);

}  // namespace Cp932
