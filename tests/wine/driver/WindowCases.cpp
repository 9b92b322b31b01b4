// The updater window: where it stands, its controls, the keyboard, and the
// ways to close it.
#include "Check.h"
#include "GameFiles.h"
#include "GameRegistry.h"
#include "Groups.h"
#include "Input.h"
#include "UpdaterSteps.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace {

RECT Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// Starts an updater on a fresh, registered game folder, up to its window.
struct ReadyUpdater {
    std::string folder;
    UpdaterProcess process;
    UpdaterWindow window;
};

ReadyUpdater StartReady(const Setup& setup, std::optional<WORD> showCommand = std::nullopt,
                        check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    const std::string folder = NewFolder(setup, "window");
    REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
    UpdaterProcess process = UpdaterProcess::Start(setup.updater, showCommand);
    const UpdaterWindow window = WaitForUpdaterWindow(process);
    return {folder, std::move(process), window};
}

// Ways to close the ready window; each ends the updater with 0, writing nothing.
struct Closer {
    const char* label;
    void (*close)(const ReadyUpdater& updater);
};

const Closer kClosers[] = {
    {"the Exit button", [](const ReadyUpdater& u) { Click(u.window.exit); }},
    {"the close box", [](const ReadyUpdater& u) { SystemCommand(u.window.form, SC_CLOSE); }},
    {"Alt+F4",
     [](const ReadyUpdater& u) {
         // Keys go to the focused window: wait until activation has put the
         // focus somewhere.
         HWND focus = nullptr;
         WaitUntil([&] { return (focus = FocusOf(u.process.ThreadId())) != nullptr; });
         PressAltF4(focus);
     }},
    {"the taskbar entry's Close",
     [](const ReadyUpdater& u) {
         for (HWND application : TopLevelWindows(u.process.Id(), kApplicationClass))
             SystemCommand(application, SC_CLOSE);
     }},
};

RECT ClientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

void SetOuterSize(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Takes the window away from its size and back, waiting for each step.
struct Resize {
    const char* label;
    void (*away)(HWND form);
    void (*back)(HWND form);
};

const Resize kResizes[] = {
    {"minimised and restored",
     [](HWND form) {
         ShowWindowAsync(form, SW_MINIMIZE);
         CHECK(WaitUntil([&] { return IsIconic(form); }));
     },
     [](HWND form) {
         ShowWindowAsync(form, SW_RESTORE);
         CHECK(WaitUntil([&] { return !IsIconic(form) && ClientRect(form).right > 0; }));
     }},
    {"made smaller than its controls and then its own size again",
     [](HWND form) {
         SetOuterSize(form, 400, 200);
         CHECK_EQ(WS_HSCROLL | WS_VSCROLL, GetWindowLongW(form, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
     },
     [](HWND form) { SetOuterSize(form, 618, 291); }},
};

struct ShowCommand {
    const char* label;
    WORD command;
    BOOL(WINAPI* inState)(HWND window);
};

const ShowCommand kShowCommands[] = {
    {"SW_SHOWMAXIMIZED shows the window maximised", SW_SHOWMAXIMIZED, IsZoomed},
    {"SW_SHOWMINNOACTIVE shows the window minimised", SW_SHOWMINNOACTIVE, IsIconic},
};

}  // namespace

void RunPlacementCases(const Setup& setup) {
    check::RunCase("the window stands centred on the screen", [&] {
        REQUIRE(setup.origin.has_value());
        ReadyUpdater updater = StartReady(setup);
        const RECT outer = OuterRect(updater.window.form);
        CHECK_EQ(setup.origin->x, outer.left);
        CHECK_EQ(setup.origin->y, outer.top);
        // Wine narrows a window wider than the screen, so its size is only
        // checked where it fits.
        if (setup.size) {
            CHECK_EQ(setup.size->cx, outer.right - outer.left);
            CHECK_EQ(setup.size->cy, outer.bottom - outer.top);
        }
        Click(updater.window.exit);
        ExpectExitCode(updater.process, 0);
    });
}

void RunWindowCases(const Setup& setup) {
    check::RunCase("the controls keep their places in the client area", [&] {
        ReadyUpdater updater = StartReady(setup);
        const std::vector<HWND> images = Children(updater.window.form, L"TImage");
        REQUIRE(images.size() == 1);
        CHECK_EQ(Bounds(8, 8, 593, 193), RectInParentClient(images.front()));
        CHECK_EQ(Bounds(8, 216, 113, 33), RectInParentClient(updater.window.start));
        CHECK_EQ(Bounds(496, 216, 83, 33), RectInParentClient(updater.window.exit));
        Click(updater.window.exit);
        ExpectExitCode(updater.process, 0);
    });

    check::RunCase("Start has the focus once the window is up, and Enter starts the update", [&] {
        ReadyUpdater updater = StartReady(setup);
        CHECK(WaitUntil([&] { return FocusOf(updater.process.ThreadId()) == updater.window.start; }));
        PressKey(FocusOf(updater.process.ThreadId()), VK_RETURN);
        const MessageBoxView box = WaitForBox(updater.process);
        ExpectCompletionBox(box);
        ExpectAllReplaced(setup, updater.folder);
        CHECK(DismissMessageBox(box.window));
        ExpectExitCode(updater.process, 0);
    });

    check::RunCase("Esc does nothing", [&] {
        ReadyUpdater updater = StartReady(setup);
        CHECK(WaitUntil([&] { return FocusOf(updater.process.ThreadId()) == updater.window.start; }));
        PressKey(updater.window.start, VK_ESCAPE);
        // Tab, posted after Esc, moves the focus only once Esc has been dealt with.
        PressKey(updater.window.start, VK_TAB);
        CHECK(WaitUntil([&] { return FocusOf(updater.process.ThreadId()) == updater.window.exit; }));
        CHECK(updater.process.Running());
        CHECK(IsWindowVisible(updater.window.form));
        CHECK_EQ(0u, VisibleTopLevelWindows(updater.process.Id(), kDialogClass).size());
        CHECK(IsWindowEnabled(updater.window.start));
        ExpectFolderEmpty(updater.folder);
        Click(updater.window.exit);
        ExpectExitCode(updater.process, 0);
    });

    for (const Closer& closer : kClosers) {
        check::RunCase(std::string(closer.label) + " ends the updater with 0 and writes nothing", [&] {
            ReadyUpdater updater = StartReady(setup);
            closer.close(updater);
            ExpectExitCode(updater.process, 0);
            ExpectFolderEmpty(updater.folder);
        });
    }

    // The window shows scroll bars only while its client area is smaller
    // than its controls.
    for (const Resize& resize : kResizes) {
        check::RunCase(std::string(resize.label) + ", the window has its client area back, without scroll bars", [&] {
            ReadyUpdater updater = StartReady(setup);
            const HWND form = updater.window.form;
            const RECT before = ClientRect(form);
            resize.away(form);
            resize.back(form);
            CHECK_EQ(before, ClientRect(form));
            CHECK_EQ(0l, GetWindowLongW(form, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
            Click(updater.window.exit);
            ExpectExitCode(updater.process, 0);
        });
    }

    for (const ShowCommand& show : kShowCommands) {
        check::RunCase(show.label, [&] {
            ReadyUpdater updater = StartReady(setup, show.command);
            CHECK(show.inState(updater.window.form));
            SystemCommand(updater.window.form, SC_CLOSE);
            ExpectExitCode(updater.process, 0);
        });
    }
}
