// The demo: one update on a demo game folder, with a picture of the window
// and the figures of the run. Start is pressed by a person when one watches
// (--wait-for-user), else by the driver.
#include <cstdio>

#include "GameRegistry.h"
#include "Groups.h"
#include "Input.h"
#include "MessageBoxes.h"
#include "Pixels.h"
#include "Text.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace {

// A person takes their time: wait long enough for them to read the banner.
constexpr DWORD kUserTimeoutMs = 30 * 60 * 1000;

int Stop(const char* why) {
    std::printf("demo: %s\n", why);
    return 1;
}

}  // namespace

int RunDemo(const Setup& setup) {
    const std::string folder = setup.scratch + "\\";
    if (!game_registry::SetGameDirPath(folder)) return Stop("cannot set the registry value");
    std::printf("registry value: HKCU\\Software\\Tavri\\%s GameDir = %s\n", Utf8FromCp932("ミルフェザDL版").c_str(),
                Utf8FromCp932(folder).c_str());

    UpdaterProcess process = UpdaterProcess::Start(setup.updater);
    const HWND form = WaitForVisibleWindow(process.Id(), kFormClass);
    const std::vector<HWND> buttons = form ? Children(form, L"Button") : std::vector<HWND>{};
    if (buttons.size() != 2) return Stop("the updater window did not come up");
    const HWND start = buttons[0];
    // Let the window paint before its picture is taken.
    WaitUntil([&] { return IsWindowEnabled(start) && FocusOf(process.ThreadId()) == start; });
    Sleep(500);
    if (!setup.screenshot.empty() && SaveBmp(CaptureScreen(OuterRect(form)), setup.screenshot))
        std::printf("screenshot: %s\n", Utf8FromWide(setup.screenshot).c_str());

    ULONGLONG started = 0;
    if (setup.waitForUser) {
        std::printf("press Start (%s) in the updater window\n", Utf8FromCp932("アップデート開始").c_str());
        std::fflush(stdout);
        // Start disables itself at once, which is how the driver sees the press.
        if (!WaitUntil([&] { return !IsWindowEnabled(start) || !process.Running(); }, kUserTimeoutMs))
            return Stop("nobody pressed Start");
        started = GetTickCount64();
    } else {
        started = GetTickCount64();
        Click(start);
    }
    const HWND box = WaitForMessageBox(process.Id());
    const ULONGLONG finished = GetTickCount64();
    if (!box) return Stop("no box after Start");
    const MessageBoxView view = ReadMessageBox(box);
    std::printf("box: [%s] %s\n", Utf8FromWide(view.caption).c_str(), Utf8FromWide(view.text).c_str());
    std::printf("update time: %llu ms (Start to the box)\n", finished - started);

    if (setup.waitForUser) {
        std::printf("close the box to end the updater\n");
        std::fflush(stdout);
    } else {
        DismissMessageBox(box);
    }
    const std::optional<DWORD> code = process.WaitForExit(setup.waitForUser ? kUserTimeoutMs : kTimeoutMs);
    if (!code) return Stop("the updater did not end");
    std::printf("exit code: %lu\n", *code);
    return static_cast<int>(*code);
}
