// The texts the user reads, in the window and in the boxes. The updater
// converts them from code page 932 itself, so they read the same under any
// system code page.
#include "Check.h"
#include "GameRegistry.h"
#include "Groups.h"
#include "Input.h"
#include "Text.h"
#include "UpdaterSteps.h"
#include "WindowQuery.h"

void RunTextCases(const Setup& setup) {
    check::RunCase("window caption, button captions and taskbar entry", [&] {
        const std::string folder = NewFolder(setup, "texts");
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const UpdaterWindow window = WaitForUpdaterWindow(process);
        CHECK_EQ(WideFromCp932("アップデーター"), WindowText(window.form));
        CHECK_EQ(WideFromCp932("アップデート開始"), WindowText(window.start));
        CHECK_EQ(WideFromCp932("終了"), WindowText(window.exit));
        const std::vector<HWND> application = TopLevelWindows(process.Id(), kApplicationClass);
        REQUIRE(application.size() == 1);
        CHECK_EQ(std::wstring(L"updater"), WindowText(application.front()));
        Click(window.exit);
        ExpectExitCode(process, 0);
    });

    check::RunCase("the completion box", [&] {
        const std::string folder = NewFolder(setup, "texts");
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const MessageBoxView box = PressStart(process, WaitForUpdaterWindow(process));
        ExpectCompletionBox(box);
        CHECK(DismissMessageBox(box.window));
        ExpectExitCode(process, 0);
    });

    check::RunCase("the not-installed box", [&] {
        game_registry::Remove();
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const MessageBoxView box = WaitForBox(process);
        ExpectNotInstalledBox(box);
        CHECK(DismissMessageBox(box.window));
        ExpectExitCode(process, 0);
    });

    check::RunCase("the error box of a wrong value type", [&] {
        REQUIRE(game_registry::SetGameDir(REG_DWORD, std::string(4, '\0')));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const MessageBoxView error = WaitForBox(process);
        ExpectErrorBox(error, "updater", "'GameDir' のデータ型が不正です.");
        CHECK(DismissMessageBox(error.window));
        const MessageBoxView notInstalled = WaitForBox(process);
        ExpectNotInstalledBox(notInstalled);
        CHECK(DismissMessageBox(notInstalled.window));
        ExpectExitCode(process, 0);
    });

    check::RunCase("the error box of a file that cannot be created", [&] {
        const std::string folder = NewFolder(setup, "texts") + "\\missing\\";
        REQUIRE(game_registry::SetGameDirPath(folder));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const UpdaterWindow window = WaitForUpdaterWindow(process);
        const MessageBoxView box = PressStart(process, window);
        ExpectErrorBox(box, "updater", "ファイル " + folder + "kbm_data2.pak を作成できません.");
        CHECK(DismissMessageBox(box.window));
        SystemCommand(window.form, SC_CLOSE);
        ExpectExitCode(process, 0);
    });
}
