#include "WindowQuery.h"

#include "Wait.h"

namespace {

struct Search {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ClassNameOf(window) == search->className) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className) {
    Search search{processId, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const wchar_t* className) {
    std::vector<HWND> visible;
    for (HWND window : TopLevelWindows(processId, className))
        if (IsWindowVisible(window)) visible.push_back(window);
    return visible;
}

HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> visible = VisibleTopLevelWindows(processId, className);
            found = visible.empty() ? nullptr : visible.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT asks the window itself; GetWindowText on a window of another
    // process only reads the caption that the system keeps for it.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length)) return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        kTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::vector<HWND> Children(HWND parent, const wchar_t* className) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassNameOf(child) == className) children.push_back(child);
    return children;
}

RECT OuterRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectInParentClient(HWND child) {
    RECT rect = OuterRect(child);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}
