// The system message boxes of the updater: the error box, the game-not-
// installed box and the completion box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Process.h"

// OffScreen: the box has an icon, but it lies outside the screen, where its
// pixels cannot be seen (a box wider than the screen, for a very long text).
enum class BoxIcon { None, Information, Stop, Other, OffScreen };

struct MessageBoxView {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    BoxIcon icon = BoxIcon::None;
    std::vector<std::wstring> buttons;
};

// The message box that the process shows, once it is on the screen.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = kTimeoutMs);
MessageBoxView ReadMessageBox(HWND box);
// Presses the box's only button and waits until the box has gone.
bool DismissMessageBox(HWND box);

std::string Describe(BoxIcon icon);
