// Where the game is: the registry value GameDir, as the installer may have
// left it or broken it.
#include <string>

#include "Check.h"
#include "GameFiles.h"
#include "GameRegistry.h"
#include "Groups.h"
#include "Text.h"
#include "UpdaterSteps.h"
#include "WindowQuery.h"

using namespace std::string_literals;

namespace {

// Values are written with "@" standing for a fresh case folder, which holds
// two empty sub-folders a and b.
std::string Fill(const std::string& value, const std::string& folder) {
    std::string filled;
    for (char c : value) filled += c == '@' ? folder : std::string(1, c);
    return filled;
}

struct UsableValue {
    const char* label;
    DWORD type;
    std::string value;
    const char* landsIn;  // the sub-folder that gets the files
};

const UsableValue kUsableValues[] = {
    {"REG_SZ with its terminating zero", REG_SZ, "@\\a\\\0"s, "a"},
    {"REG_SZ without a terminating zero", REG_SZ, "@\\a\\"s, "a"},
    {"REG_EXPAND_SZ", REG_EXPAND_SZ, "@\\a\\\0"s, "a"},
    {"text after a zero inside the value", REG_SZ, "@\\a\\\0@\\b\\\0"s, "a"},
    {"REG_EXPAND_SZ naming %ProgramFiles%, taken literally", REG_EXPAND_SZ, "@\\%ProgramFiles%\\\0"s,
     "%ProgramFiles%"},
};

// Values that mean the game is not installed, without a word about why.
struct EmptyValue {
    const char* label;
    DWORD type;
    std::string value;
};

const EmptyValue kEmptyValues[] = {
    {"an empty REG_SZ", REG_SZ, ""s},
    {"an empty REG_EXPAND_SZ", REG_EXPAND_SZ, ""s},
    {"an empty REG_MULTI_SZ", REG_MULTI_SZ, ""s},
    {"an empty REG_BINARY", REG_BINARY, ""s},
    {"an empty REG_DWORD", REG_DWORD, ""s},
    {"an empty REG_NONE", REG_NONE, ""s},
    {"a REG_SZ whose first byte is zero", REG_SZ, "\0@\\a\\\0"s},
};

// Values of a type that is no string: the error box, then not installed.
const EmptyValue kWrongTypes[] = {
    {"REG_DWORD", REG_DWORD, "\x01\x00\x00\x00"s},
    {"REG_MULTI_SZ", REG_MULTI_SZ, "@\\a\\\0\0"s},
    {"REG_BINARY", REG_BINARY, "@\\a\\"s},
};

std::string CaseFolder(const Setup& setup) {
    const std::string folder = NewFolder(setup, "value");
    MakeDirectory(folder + "\\a");
    MakeDirectory(folder + "\\b");
    return folder;
}

// The not-installed box comes up with no updater window on the screen;
// once it is dismissed the updater ends with 0.
void ExpectNotInstalled(const UpdaterProcess& process, check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    const MessageBoxView box = WaitForBox(process);
    ExpectNotInstalledBox(box);
    CHECK_EQ(0u, VisibleTopLevelWindows(process.Id(), kFormClass).size());
    CHECK(DismissMessageBox(box.window));
    ExpectExitCode(process, 0);
}

void ExpectUpdateIn(const Setup& setup, const std::string& folder, check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    UpdaterProcess process = UpdaterProcess::Start(setup.updater);
    const MessageBoxView box = PressStart(process, WaitForUpdaterWindow(process));
    ExpectCompletionBox(box);
    ExpectAllReplaced(setup, folder);
    CHECK(DismissMessageBox(box.window));
    ExpectExitCode(process, 0);
}

}  // namespace

void RunRegistryCases(const Setup& setup) {
    for (const UsableValue& row : kUsableValues) {
        check::RunCase(std::string(row.label) + ": the files land in " + row.landsIn, [&] {
            const std::string folder = CaseFolder(setup);
            const std::string target = folder + "\\" + row.landsIn;
            MakeDirectory(target);
            REQUIRE(game_registry::SetGameDir(row.type, Fill(row.value, folder)));
            ExpectUpdateIn(setup, target);
            for (const char* other : {"a", "b"})
                if (target != folder + "\\" + other) ExpectFolderEmpty(folder + "\\" + other);
            // Unexpanded, %ProgramFiles% would have been the Wine prefix's own folder.
            CHECK(!Exists("C:\\Program Files\\kbm_data2.pak"));
        });
    }

    check::RunCase("never installed: not installed, and an empty maker key is left", [&] {
        game_registry::Remove();
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        ExpectNotInstalled(process);
        const game_registry::KeyCounts maker = game_registry::MakerKey();
        CHECK(maker.exists);
        CHECK_EQ(0ul, maker.subkeys);
        CHECK_EQ(0ul, maker.values);
    });

    for (const EmptyValue& row : kEmptyValues) {
        check::RunCase(std::string(row.label) + ": not installed", [&] {
            const std::string folder = CaseFolder(setup);
            REQUIRE(game_registry::SetGameDir(row.type, Fill(row.value, folder)));
            ExpectNotInstalled(UpdaterProcess::Start(setup.updater));
            ExpectFolderEmpty(folder + "\\a");
        });
    }

    for (const EmptyValue& row : kWrongTypes) {
        check::RunCase(std::string("a ") + row.label + " value: the data type error, then not installed", [&] {
            const std::string folder = CaseFolder(setup);
            REQUIRE(game_registry::SetGameDir(row.type, Fill(row.value, folder)));
            UpdaterProcess process = UpdaterProcess::Start(setup.updater);
            const MessageBoxView error = WaitForBox(process);
            ExpectErrorBox(error, "updater", "'GameDir' のデータ型が不正です.");
            CHECK_EQ(0u, VisibleTopLevelWindows(process.Id(), kFormClass).size());
            CHECK(DismissMessageBox(error.window));
            ExpectNotInstalled(process);
            ExpectFolderEmpty(folder + "\\a");
        });
    }

    check::RunCase("a value of 40,000 characters fails at the first file, no crash", [&] {
        const std::string folder = NewFolder(setup, "long") + "\\" + std::string(40000, 'x') + "\\";
        REQUIRE(game_registry::SetGameDirPath(folder));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const UpdaterWindow window = WaitForUpdaterWindow(process);
        const MessageBoxView box = PressStart(process, window);
        // The box is far wider than the screen, and its icon lies outside it.
        CHECK_EQ(std::wstring(L"updater"), box.caption);
        CHECK_EQ(WideFromCp932("ファイル " + folder + "kbm_data2.pak を作成できません."), box.text);
        CHECK(box.icon != BoxIcon::None);
        CHECK(DismissMessageBox(box.window));
        ExpectStoppedWindow(window);
    });

    check::RunCase("a section that may be read but not written counts as missing", [&] {
        const std::string folder = CaseFolder(setup);
        REQUIRE(game_registry::SetGameDirPath(folder + "\\a\\"));
        REQUIRE(game_registry::RestrictSectionToReading());
        ExpectNotInstalled(UpdaterProcess::Start(setup.updater));
        ExpectFolderEmpty(folder + "\\a");
    });
}
