// Updates that fail: the error box, the files before and after the failure,
// and the window that stays open with both buttons disabled.
#include <optional>

#include "Check.h"
#include "GameFiles.h"
#include "GameRegistry.h"
#include "Groups.h"
#include "Input.h"
#include "Text.h"
#include "UpdaterSteps.h"
#include "WindowQuery.h"

namespace {

// The error box of the updater itself, whose file is updater.exe.
const char* const kTitle = "updater";

std::string CannotCreate(const std::string& path) { return "ファイル " + path + " を作成できません."; }

// After the error box: the window is open with its buttons disabled for good,
// and its close box still ends the program.
void ExpectStoppedThenClose(const UpdaterProcess& process, const UpdaterWindow& window, const MessageBoxView& box,
                            check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    CHECK(DismissMessageBox(box.window));
    ExpectStoppedWindow(window);
    CHECK(process.Running());
    SystemCommand(window.form, SC_CLOSE);
    ExpectExitCode(process, 0);
}

// A target that cannot be created stops the update there: the files before
// it are new, it and the ones after it old.
struct CreateFailure {
    const char* label;
    std::size_t target;
    bool readOnly;  // else held open by the driver
};

const CreateFailure kCreateFailures[] = {
    {"kbm_data2.pak held open by another program", 0, false},
    {"mirufeza.exe held open by another program", 1, false},
    {"gatebox.exe held open by another program", 2, false},
    {"mirufeza.exe read-only", 1, true},
};

// The application title is the exe's name up to its first ".", every
// character after the first in lower case.
struct TitleCase {
    const char* exeName;
    const char* title;
};

const TitleCase kTitles[] = {
    {"UPDATER.EXE", "Updater"},
    {"PaTcH.v2.exe", "Patch"},
    {"アップデートAB.exe", "アップデートab"},
};

struct FailedUpdate {
    UpdaterProcess process;
    UpdaterWindow window;
    MessageBoxView box;
};

// Starts the updater, presses Start and checks the error box that follows.
FailedUpdate StartUntilError(const std::wstring& exe, const std::string& title, const std::string& message,
                             check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    UpdaterProcess process = UpdaterProcess::Start(exe);
    const UpdaterWindow window = WaitForUpdaterWindow(process);
    const MessageBoxView box = PressStart(process, window);
    ExpectErrorBox(box, title, message);
    return {std::move(process), window, box};
}

void ExpectTargets(const Setup& setup, const std::string& folder, const std::vector<TargetState>& targets,
                   check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    for (std::size_t target = 0; target < targets.size(); ++target)
        ExpectTarget(setup, folder, target, targets[target]);
}

}  // namespace

void RunFailureCases(const Setup& setup) {
    for (const CreateFailure& failure : kCreateFailures) {
        check::RunCase(std::string(failure.label) + ": the error box names it, earlier files are new", [&] {
            const std::string folder = NewFolder(setup, "locked");
            PutOldFiles(setup, folder);
            const std::string path = TargetIn(folder, failure.target);
            std::optional<HeldOpen> held;
            if (failure.readOnly) {
                REQUIRE(MakeReadOnly(path));
            } else {
                held.emplace(path);
                REQUIRE(held->Holding());
            }
            REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
            FailedUpdate run = StartUntilError(setup.updater, kTitle, CannotCreate(path));
            held.reset();  // so that the driver can read the file
            std::vector<TargetState> targets(kTargetNames.size(), TargetState::Old);
            for (std::size_t target = 0; target < failure.target; ++target) targets[target] = TargetState::Replaced;
            ExpectTargets(setup, folder, targets);
            ExpectStoppedThenClose(run.process, run.window, run.box);
        });
    }

    check::RunCase("a game folder that does not exist fails at the first file", [&] {
        const std::string folder = NewFolder(setup, "parent") + "\\missing";
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        FailedUpdate run = StartUntilError(setup.updater, kTitle, CannotCreate(TargetIn(folder, 0)));
        CHECK(!Exists(folder));
        ExpectStoppedThenClose(run.process, run.window, run.box);
    });

    for (const TitleCase& name : kTitles) {
        check::RunCase(std::string(name.exeName) + ": the taskbar entry and the error box read " + name.title, [&] {
            const std::string exe = NewFolder(setup, "renamed") + "\\" + name.exeName;
            REQUIRE(CopyFileW(setup.updater.c_str(), WideFromCp932(exe).c_str(), TRUE));
            const std::string folder = NewFolder(setup, "parent") + "\\missing";
            REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
            FailedUpdate run = StartUntilError(WideFromCp932(exe), name.title, CannotCreate(TargetIn(folder, 0)));
            const std::vector<HWND> application = TopLevelWindows(run.process.Id(), kApplicationClass);
            REQUIRE(application.size() == 1);
            CHECK_EQ(WideFromCp932(name.title), WindowText(application.front()));
            ExpectStoppedThenClose(run.process, run.window, run.box);
        });
    }

    check::RunCase("a missing EXE2 payload: two files new, the launcher untouched", [&] {
        const std::string folder = NewFolder(setup, "no-exe2");
        PutOldFiles(setup, folder);
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        FailedUpdate run =
            StartUntilError(setup.updaterNoExe2, "updater-no-exe2", "EXE2 リソースが見つかりません.");
        ExpectTargets(setup, folder, {TargetState::Replaced, TargetState::Replaced, TargetState::Old});
        ExpectStoppedThenClose(run.process, run.window, run.box);
    });

    check::RunCase("a payload one byte short: a read error and an empty main program", [&] {
        const std::string folder = NewFolder(setup, "short");
        PutOldFiles(setup, folder);
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        FailedUpdate run =
            StartUntilError(setup.updaterShortPayload, "updater-short-payload", "ストリームからの読み込みエラー.");
        ExpectTargets(setup, folder, {TargetState::Replaced, TargetState::Empty, TargetState::Old});
        ExpectStoppedThenClose(run.process, run.window, run.box);
    });

    // Made before the run: a folder whose mirufeza.exe leads to /dev/full,
    // where every write fails for want of space.
    check::RunCase("a full disk: a write error after the data file", [&] {
        const std::string folder = setup.scratch + "\\full-disk";
        REQUIRE(WriteBytes(TargetIn(folder, 0), OldContent(setup, 0)));
        REQUIRE(WriteBytes(TargetIn(folder, 2), OldContent(setup, 2)));
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        FailedUpdate run = StartUntilError(setup.updater, kTitle, "ストリームへの書き込みエラー.");
        ExpectTarget(setup, folder, 0, TargetState::Replaced);
        ExpectTarget(setup, folder, 2, TargetState::Old);
        ExpectStoppedThenClose(run.process, run.window, run.box);
    });
}
