// A successful update: the three files, the completion box and the exit.
#include "Check.h"
#include "GameFiles.h"
#include "GameRegistry.h"
#include "Groups.h"
#include "Input.h"
#include "Wait.h"
#include "WindowQuery.h"
#include "UpdaterSteps.h"

namespace {

// The completion box closes with its OK button, and by Enter or Esc, since
// OK is both its default and its cancel button.
struct Dismissal {
    const char* label;
    void (*dismiss)(HWND box, DWORD threadId);
};

const Dismissal kDismissals[] = {
    {"OK", [](HWND box, DWORD) { Click(Children(box, L"Button").front()); }},
    {"Enter", [](HWND, DWORD threadId) { PressKey(FocusOf(threadId), VK_RETURN); }},
    {"Esc", [](HWND, DWORD threadId) { PressKey(FocusOf(threadId), VK_ESCAPE); }},
};

// Ways the game folder may be written in the registry. The updater puts a
// backslash between folder and file name unless the folder already ends in
// one, judging by whole code page 932 characters: "ソ" is 0x83 0x5C and
// ends in the byte of a backslash, yet is no separator.
struct FolderForm {
    const char* label;
    const char* folderName;
    const char* suffix;
};

const FolderForm kFolderForms[] = {
    {"ending in a backslash", "game", "\\"},
    {"ending in a slash", "game", "/"},
    {"without a trailing separator", "game", ""},
    {"ending in ソ", "gameソ", ""},
    {"ending in ソ and a backslash", "gameソ", "\\"},
};

}  // namespace

void RunUpdateCases(const Setup& setup) {
    check::RunCase("Start writes the three files, then the completion box; OK ends with 0", [&] {
        const std::string folder = NewFolder(setup, "fresh");
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const UpdaterWindow window = WaitForUpdaterWindow(process);
        const MessageBoxView box = PressStart(process, window);
        ExpectCompletionBox(box);
        // The files are complete before the box comes, and the buttons went
        // grey before the work began.
        ExpectAllReplaced(setup, folder);
        CHECK_EQ(3u, Entries(folder).size());
        CHECK(!IsWindowEnabled(window.start));
        CHECK(!IsWindowEnabled(window.exit));
        CHECK(DismissMessageBox(box.window));
        ExpectExitCode(process, 0);
    });

    // Each run finds the files of the run before, so the table also shows
    // that a second run writes the same bytes again.
    const std::string again = NewFolder(setup, "again");
    check::RunCase("longer old files are replaced whole", [&] {
        PutOldFiles(setup, again);
        REQUIRE(game_registry::SetGameDirPath(again + "\\"));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const MessageBoxView box = PressStart(process, WaitForUpdaterWindow(process));
        ExpectCompletionBox(box);
        ExpectAllReplaced(setup, again);
        CHECK(DismissMessageBox(box.window));
        ExpectExitCode(process, 0);
    });
    for (const Dismissal& dismissal : kDismissals) {
        check::RunCase(
            std::string("the completion box closes by ") + dismissal.label + "; the files are rewritten alike", [&] {
                REQUIRE(game_registry::SetGameDirPath(again + "\\"));
                UpdaterProcess process = UpdaterProcess::Start(setup.updater);
                const MessageBoxView box = PressStart(process, WaitForUpdaterWindow(process));
                ExpectCompletionBox(box);
                ExpectAllReplaced(setup, again);
                // The box has the focus on its button once it is up.
                CHECK(WaitUntil([&] { return FocusOf(process.ThreadId()) != nullptr; }));
                dismissal.dismiss(box.window, process.ThreadId());
                ExpectExitCode(process, 0);
            });
    }

    for (const FolderForm& form : kFolderForms) {
        check::RunCase(std::string("a game folder ") + form.label + " gets the files inside it", [&] {
            const std::string parent = NewFolder(setup, "form");
            const std::string folder = parent + "\\" + form.folderName;
            REQUIRE(MakeDirectory(folder));
            REQUIRE(game_registry::SetGameDirPath(folder + form.suffix));
            UpdaterProcess process = UpdaterProcess::Start(setup.updater);
            const MessageBoxView box = PressStart(process, WaitForUpdaterWindow(process));
            ExpectCompletionBox(box);
            ExpectAllReplaced(setup, folder);
            CHECK_EQ(std::vector<std::string>{form.folderName}, Entries(parent));
            CHECK(DismissMessageBox(box.window));
            ExpectExitCode(process, 0);
        });
    }
}
