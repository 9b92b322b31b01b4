#include "Input.h"

namespace {
// lParam of a key message: repeat count 1, the key's scan code, and for a
// release the previous-state and transition bits.
LPARAM KeyData(WORD virtualKey, bool release, bool alt) {
    LPARAM data = 1 | (LPARAM(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    if (alt) data |= LPARAM(1) << 29;
    if (release) data |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    return data;
}
}  // namespace

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void PressKey(HWND focus, WORD virtualKey) {
    PostMessageW(focus, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false, false));
    PostMessageW(focus, WM_KEYUP, virtualKey, KeyData(virtualKey, true, false));
}

void PressAltF4(HWND focus) {
    PostMessageW(focus, WM_SYSKEYDOWN, VK_F4, KeyData(VK_F4, false, true));
    PostMessageW(focus, WM_SYSKEYUP, VK_F4, KeyData(VK_F4, true, true));
}

void SystemCommand(HWND window, WPARAM command) { PostMessageW(window, WM_SYSCOMMAND, command, 0); }
