#include "platform/Dialogs_win.h"

#include "platform/Application_win.h"

void MessageDlgInformation(const std::string& text) {
    Application->MessageBox(text, "情報", MB_OK | MB_ICONINFORMATION);
}
