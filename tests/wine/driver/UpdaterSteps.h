// The steps that many cases share: bringing the updater up to its window,
// and checking the boxes, the exit and the files that it leaves. Each step
// takes the caller's line as its last, defaulted argument, so that its
// failures name the line of the case.
#pragma once

#include <windows.h>

#include <string>

#include "Check.h"
#include "MessageBoxes.h"
#include "Process.h"
#include "Setup.h"

struct UpdaterWindow {
    HWND form = nullptr;
    HWND start = nullptr;  // Button1, "アップデート開始"
    HWND exit = nullptr;   // Button3, "終了"
};

// Waits until the process shows its window with both buttons enabled; the
// case stops when it does not come.
UpdaterWindow WaitForUpdaterWindow(const UpdaterProcess& process, check::Where caller = check::Where::Here());
// The waiting message box of the process, read; the case stops without one.
MessageBoxView WaitForBox(const UpdaterProcess& process, check::Where caller = check::Where::Here());

void ExpectCompletionBox(const MessageBoxView& box, check::Where caller = check::Where::Here());
void ExpectErrorBox(const MessageBoxView& box, const std::string& title, const std::string& message,
                    check::Where caller = check::Where::Here());
void ExpectNotInstalledBox(const MessageBoxView& box, check::Where caller = check::Where::Here());
void ExpectExitCode(const UpdaterProcess& process, DWORD expected, check::Where caller = check::Where::Here());
// After a failed update: the window is still up, both buttons disabled.
void ExpectStoppedWindow(const UpdaterWindow& window, check::Where caller = check::Where::Here());

// Starts the update with the Start button and waits for the box that ends it.
MessageBoxView PressStart(const UpdaterProcess& process, const UpdaterWindow& window,
                          check::Where caller = check::Where::Here());
// The path of a target inside a folder.
std::string TargetIn(const std::string& folder, std::size_t target);
// Fills a folder with stand-ins for the game's old files, longer than the new ones.
void PutOldFiles(const Setup& setup, const std::string& folder, check::Where caller = check::Where::Here());
std::string OldContent(const Setup& setup, std::size_t target);

enum class TargetState { Replaced, Old, Empty, Missing };
void ExpectTarget(const Setup& setup, const std::string& folder, std::size_t target, TargetState expected,
                  check::Where caller = check::Where::Here());
void ExpectAllReplaced(const Setup& setup, const std::string& folder, check::Where caller = check::Where::Here());
void ExpectFolderEmpty(const std::string& folder, check::Where caller = check::Where::Here());
