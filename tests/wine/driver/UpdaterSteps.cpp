#include "UpdaterSteps.h"

#include "Check.h"
#include "GameFiles.h"
#include "Input.h"
#include "Text.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace {
std::string Describe(TargetState state) {
    switch (state) {
        case TargetState::Replaced: return "the new file";
        case TargetState::Old: return "the old file";
        case TargetState::Empty: return "an empty file";
        case TargetState::Missing: return "no file";
    }
    return "?";
}

// The error box and the not-installed box belong to the application's own
// window, not to the updater window.
void ExpectOwnedByApplication(const MessageBoxView& box) {
    CHECK_EQ(std::wstring(kApplicationClass), ClassNameOf(GetWindow(box.window, GW_OWNER)));
}

}  // namespace

UpdaterWindow WaitForUpdaterWindow(const UpdaterProcess& process, check::Where caller) {
    check::CallerScope scope(caller);
    REQUIRE(process.Started());
    UpdaterWindow window;
    window.form = WaitForVisibleWindow(process.Id(), kFormClass);
    REQUIRE(window.form != nullptr);
    const std::vector<HWND> buttons = Children(window.form, L"Button");
    REQUIRE(buttons.size() == 2);
    window.start = buttons[0];
    window.exit = buttons[1];
    CHECK(WaitUntil([&] { return IsWindowEnabled(window.start) && IsWindowEnabled(window.exit); }));
    return window;
}

MessageBoxView WaitForBox(const UpdaterProcess& process, check::Where caller) {
    check::CallerScope scope(caller);
    const HWND box = WaitForMessageBox(process.Id());
    REQUIRE(box != nullptr);
    return ReadMessageBox(box);
}

namespace {

// A box with one OK button and the given caption, text and icon.
void ExpectOkBox(const MessageBoxView& box, const std::string& caption, const std::string& text, BoxIcon icon) {
    CHECK_EQ(WideFromCp932(caption), box.caption);
    CHECK_EQ(WideFromCp932(text), box.text);
    CHECK_EQ(Describe(icon), Describe(box.icon));
    CHECK_EQ(1u, box.buttons.size());
    if (!box.buttons.empty()) CHECK_EQ(std::wstring(L"OK"), box.buttons.front());
}

}  // namespace

void ExpectCompletionBox(const MessageBoxView& box, check::Where caller) {
    check::CallerScope scope(caller);
    ExpectOkBox(box, "情報", "アップデート完了しました", BoxIcon::Information);
}

void ExpectErrorBox(const MessageBoxView& box, const std::string& title, const std::string& message,
                    check::Where caller) {
    check::CallerScope scope(caller);
    ExpectOkBox(box, title, message, BoxIcon::Stop);
    ExpectOwnedByApplication(box);
}

void ExpectNotInstalledBox(const MessageBoxView& box, check::Where caller) {
    check::CallerScope scope(caller);
    ExpectOkBox(box, "中止", "ゲーム本体が正常にインストールされていません。", BoxIcon::None);
    ExpectOwnedByApplication(box);
}

void ExpectExitCode(const UpdaterProcess& process, DWORD expected, check::Where caller) {
    check::CallerScope scope(caller);
    const std::optional<DWORD> code = process.WaitForExit();
    REQUIRE(code.has_value());
    CHECK_EQ(expected, *code);
}

void ExpectStoppedWindow(const UpdaterWindow& window, check::Where caller) {
    check::CallerScope scope(caller);
    CHECK(IsWindowVisible(window.form));
    CHECK_EQ(false, static_cast<bool>(IsWindowEnabled(window.start)));
    CHECK_EQ(false, static_cast<bool>(IsWindowEnabled(window.exit)));
}

MessageBoxView PressStart(const UpdaterProcess& process, const UpdaterWindow& window, check::Where caller) {
    check::CallerScope scope(caller);
    Click(window.start);
    return WaitForBox(process);
}

std::string TargetIn(const std::string& folder, std::size_t target) {
    return folder + "\\" + kTargetNames.at(target);
}

std::string OldContent(const Setup& setup, std::size_t target) {
    return std::string("old ") + kTargetNames.at(target) + std::string(SampleBytes(setup, target).size(), '#');
}

void PutOldFiles(const Setup& setup, const std::string& folder, check::Where caller) {
    check::CallerScope scope(caller);
    for (std::size_t target = 0; target < kTargetNames.size(); ++target)
        REQUIRE(WriteBytes(TargetIn(folder, target), OldContent(setup, target)));
}

void ExpectTarget(const Setup& setup, const std::string& folder, std::size_t target, TargetState expected,
                  check::Where caller) {
    check::CallerScope scope(caller);
    const std::optional<std::string> bytes = ReadBytes(TargetIn(folder, target));
    TargetState found = TargetState::Missing;
    if (bytes) {
        if (*bytes == SampleBytes(setup, target)) found = TargetState::Replaced;
        else if (*bytes == OldContent(setup, target)) found = TargetState::Old;
        else if (bytes->empty()) found = TargetState::Empty;
        else {
            check::Fail(__FILE__, __LINE__,
                 std::string(kTargetNames.at(target)) + ": unexpected content of " + std::to_string(bytes->size()) +
                     " bytes, expected " + Describe(expected));
            return;
        }
    }
    check::Equal(Describe(expected), Describe(found), kTargetNames.at(target), __FILE__, __LINE__);
}

void ExpectAllReplaced(const Setup& setup, const std::string& folder, check::Where caller) {
    check::CallerScope scope(caller);
    for (std::size_t target = 0; target < kTargetNames.size(); ++target)
        ExpectTarget(setup, folder, target, TargetState::Replaced);
}

void ExpectFolderEmpty(const std::string& folder, check::Where caller) {
    check::CallerScope scope(caller);
    CHECK_EQ(0u, Entries(folder).size());
}
