#include "MessageBoxes.h"

#include "Input.h"
#include "Pixels.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace {

// A message box always has its icon control, an empty one when the box has
// no icon; the control with SS_ICON tells them apart by what it holds.
bool IsIconControl(HWND control) { return (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON; }

// An icon handle of another process cannot be looked into, so the icon is
// recognised by its pixels: the driver draws each system icon on the box's
// own background and compares.
BoxIcon IconOnScreen(HWND control) {
    const RECT area = OuterRect(control);
    const Image shown = CaptureScreen(area);
    const Image beside = CaptureScreen({area.left - 1, area.top, area.left, area.top + 1});
    const COLORREF background = beside.At(0, 0);
    if (RenderIcon(IDI_INFORMATION, shown.Width(), shown.Height(), background) == shown) return BoxIcon::Information;
    if (RenderIcon(IDI_HAND, shown.Width(), shown.Height(), background) == shown) return BoxIcon::Stop;
    return BoxIcon::Other;
}

bool OnScreen(const RECT& area) {
    return area.left >= 0 && area.top >= 0 && area.right <= GetSystemMetrics(SM_CXSCREEN) &&
           area.bottom <= GetSystemMetrics(SM_CYSCREEN);
}

BoxIcon RecogniseIcon(HWND control) {
    if (!SendMessageW(control, STM_GETICON, 0, 0)) return BoxIcon::None;
    if (!OnScreen(OuterRect(control))) return BoxIcon::OffScreen;
    // A box that has just come up may not have painted its icon yet.
    BoxIcon icon = BoxIcon::Other;
    WaitUntil([&] { return (icon = IconOnScreen(control)) != BoxIcon::Other; }, 3000);
    return icon;
}

}  // namespace

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    return WaitForVisibleWindow(processId, L"#32770", timeoutMs);
}

MessageBoxView ReadMessageBox(HWND box) {
    MessageBoxView view;
    view.window = box;
    view.caption = WindowText(box);
    for (HWND control : Children(box, L"Static")) {
        if (IsIconControl(control))
            view.icon = RecogniseIcon(control);
        else
            view.text = WindowText(control);
    }
    for (HWND button : Children(box, L"Button"))
        if (IsWindowVisible(button)) view.buttons.push_back(WindowText(button));
    return view;
}

bool DismissMessageBox(HWND box) {
    const std::vector<HWND> buttons = Children(box, L"Button");
    if (buttons.empty()) return false;
    Click(buttons.front());
    return WaitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); });
}

std::string Describe(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::None: return "no icon";
        case BoxIcon::Information: return "information icon";
        case BoxIcon::Stop: return "stop icon";
        case BoxIcon::Other: return "another icon";
        case BoxIcon::OffScreen: return "an icon off the screen";
    }
    return "?";
}
