// Finding and reading the windows of another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Process.h"

inline const wchar_t* const kFormClass = L"TForm1";
inline const wchar_t* const kApplicationClass = L"TApplication";
inline const wchar_t* const kDialogClass = L"#32770";

// Top-level windows of a process with the given class, hidden ones too.
std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className);
std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const wchar_t* className);
// Waits for a visible top-level window of the class; null when none came.
HWND WaitForVisibleWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs = kTimeoutMs);

std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
// Direct children of the class, in z-order.
std::vector<HWND> Children(HWND parent, const wchar_t* className);
RECT OuterRect(HWND window);
// A child's rectangle relative to the top-left corner of its parent's client area.
RECT RectInParentClient(HWND child);
RECT ClientRectOnScreen(HWND window);
// The window with the keyboard focus in another thread (GetFocus only sees
// the caller's own thread).
HWND FocusOf(DWORD threadId);
