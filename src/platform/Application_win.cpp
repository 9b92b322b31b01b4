#include "platform/Application_win.h"

#include <new>
#include <vector>

#include "platform/Cp932.h"
#include "platform/Exceptions.h"
#include "platform/Forms_win.h"
#include "platform/Messages.h"
#include "platform/Wide_win.h"

TApplication* Application = nullptr;

namespace {

constexpr UINT kCodePage932 = 932;
const wchar_t* const kClassName = L"TApplication";

std::string ModuleFileName() {
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    const int length = WideCharToMultiByte(kCodePage932, 0, path, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kCodePage932, 0, path, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(narrow.find('\0'));
    return narrow;
}

BOOL CALLBACK DisableWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

// While a message box is up, every window of the application is disabled.
std::vector<HWND> DisableTaskWindows() {
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
    return disabled;
}

}  // namespace

TApplication::TApplication()
    : instance_(GetModuleHandleW(nullptr)),
      icon_(LoadIconW(instance_, L"MAINICON")),
      title_(Cp932::ApplicationTitleFromPath(ModuleFileName())) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = icon_;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    // The application's own window carries the taskbar entry; it has no size
    // of its own and stands at the centre of the screen.
    handle_ = CreateWindowExW(0, kClassName, WideText(title_).c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, instance_, nullptr);
    Application = this;
}

TApplication::~TApplication() {
    delete mainForm_;
    if (handle_) DestroyWindow(handle_);
    Application = nullptr;
}

void TApplication::AdoptForm(TForm* form) {
    if (mainForm_) return;
    mainForm_ = form;
    form->HandleNeeded();
}

void TApplication::ShowMainForm() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int showCommand = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
    if (showCommand == SW_SHOWMAXIMIZED) mainForm_->SetWindowState(TWindowState::wsMaximized);
    if (showCommand == SW_SHOWMINNOACTIVE) mainForm_->SetWindowState(TWindowState::wsMinimized);
    ShowWindow(handle_, SW_SHOWNA);
    mainForm_->Show();
}

void TApplication::Run() {
    if (!mainForm_) return;
    ShowMainForm();
    MSG msg;
    while (!terminated_) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        HandleMessage(msg);
    }
}

void TApplication::HandleMessage(MSG& msg) {
    // A key the form takes runs its handler here, outside any window
    // procedure, so its failures are caught here too.
    try {
        if (mainForm_ && mainForm_->DialogKey(msg)) return;
    } catch (...) {
        HandleException();
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        HandleMessage(msg);
    }
}

void TApplication::Terminate() { PostQuitMessage(0); }

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    const HWND active = GetActiveWindow();
    const HWND focus = GetFocus();
    const std::vector<HWND> disabled = DisableTaskWindows();
    const int result = MessageBoxW(handle_, WideText(text).c_str(), WideText(caption).c_str(), flags);
    for (HWND window : disabled) EnableWindow(window, TRUE);
    if (active) SetActiveWindow(active);
    if (focus) SetFocus(focus);
    return result;
}

void TApplication::ShowException(const Exception& error) {
    MessageBox(Cp932::WithClosingPeriod(error.Message()), title_, MB_ICONSTOP);
}

void TApplication::HandleException() {
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& error) {
        ShowException(error);
    } catch (const std::bad_alloc&) {
        ShowException(Exception(Messages::SOutOfMemory));
    } catch (const std::exception& error) {
        ShowException(Exception(error.what()));
    }
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The taskbar entry's close command closes the main window.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE && Application && Application->mainForm_) {
        try {
            Application->mainForm_->Close();
        } catch (...) {
            Application->HandleException();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
