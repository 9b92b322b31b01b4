// One updater at a time: the named mutex "ZKW_SETUP".
#include <memory>

#include "Check.h"
#include "GameFiles.h"
#include "GameRegistry.h"
#include "Groups.h"
#include "Input.h"
#include "UpdaterSteps.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace {

// Waits for a second updater that should end at once, watching all the while
// that it never puts a window on the screen.
void ExpectTurnedAway(const UpdaterProcess& process, check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    REQUIRE(process.Started());
    bool showedWindow = false;
    const bool ended = WaitUntil([&] {
        for (const wchar_t* className : {kFormClass, kApplicationClass, kDialogClass})
            showedWindow = showedWindow || !VisibleTopLevelWindows(process.Id(), className).empty();
        return !process.Running();
    });
    CHECK(ended);
    CHECK_EQ(false, showedWindow);
    ExpectExitCode(process, 1);
}

}  // namespace

void RunInstanceCases(const Setup& setup) {
    check::RunCase("a second updater ends with 1 while the first shows its window; the first goes on", [&] {
        const std::string folder = NewFolder(setup, "first");
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess first = UpdaterProcess::Start(setup.updater);
        const UpdaterWindow window = WaitForUpdaterWindow(first);
        ExpectTurnedAway(UpdaterProcess::Start(setup.updater));
        // Undisturbed: the first still updates and ends normally.
        const MessageBoxView box = PressStart(first, window);
        ExpectCompletionBox(box);
        ExpectAllReplaced(setup, folder);
        CHECK(DismissMessageBox(box.window));
        ExpectExitCode(first, 0);
    });

    check::RunCase("a second updater ends with 1 while the first shows its completion box", [&] {
        const std::string folder = NewFolder(setup, "first");
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess first = UpdaterProcess::Start(setup.updater);
        const MessageBoxView box = PressStart(first, WaitForUpdaterWindow(first));
        ExpectTurnedAway(UpdaterProcess::Start(setup.updater));
        CHECK(DismissMessageBox(box.window));
        ExpectExitCode(first, 0);
    });

    check::RunCase("once the first has ended, a new updater starts normally", [&] {
        const std::string folder = NewFolder(setup, "after");
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess first = UpdaterProcess::Start(setup.updater);
        Click(WaitForUpdaterWindow(first).exit);
        ExpectExitCode(first, 0);
        UpdaterProcess next = UpdaterProcess::Start(setup.updater);
        Click(WaitForUpdaterWindow(next).exit);
        ExpectExitCode(next, 0);
    });

    check::RunCase("an event named ZKW_SETUP turns the updater away with 1", [&] {
        const std::string folder = NewFolder(setup, "event");
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        const std::unique_ptr<void, decltype(&CloseHandle)> event(CreateEventA(nullptr, TRUE, FALSE, "ZKW_SETUP"),
                                                                  &CloseHandle);
        REQUIRE(event != nullptr);
        ExpectTurnedAway(UpdaterProcess::Start(setup.updater));
        ExpectFolderEmpty(folder);
    });
}
