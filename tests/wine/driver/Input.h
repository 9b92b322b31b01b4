// Acting on the updater's windows as a user would. Everything is posted, not
// sent: the updater runs its update and its modal boxes inside the handler
// of the click, and a sent message would block the driver until they end.
#pragma once

#include <windows.h>

void Click(HWND button);
// A key press and release, posted to the window that has the focus, which
// is where the system would deliver the keys.
void PressKey(HWND focus, WORD virtualKey);
// Alt+F4 as the keyboard delivers it: system keys.
void PressAltF4(HWND focus);
void SystemCommand(HWND window, WPARAM command);
