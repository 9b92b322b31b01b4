#pragma once

#include <string>

// The platform's standard message dialog of the information type: caption
// "情報", the information icon and one OK button that Enter and Esc press.
void MessageDlgInformation(const std::string& text);
