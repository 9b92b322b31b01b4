// The application object: the process's one top-level window of its own (it
// bears the application title and the taskbar entry, and owns the main window
// and every message box), the main window, the message loop and the error box.
//
// Contract: no C++ exception crosses a Win32 callback. Every window procedure
// of this library hands what it catches to HandleException, which shows it in
// the error box (EAbort is shown nowhere) and lets the message loop go on.
#pragma once

#include <string>

#include <windows.h>

class Exception;
class TForm;

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // No initialisation hook is registered, so this does nothing further.
    void Initialize() {}

    // Creates a form owned by the application and records it in reference;
    // the first form created becomes the main window, its handle made at once.
    template <class Form>
    void CreateForm(Form*& reference) {
        reference = nullptr;
        Form* form = new Form(*this);
        reference = form;
        AdoptForm(form);
    }

    // Shows the main window and runs the message loop until the quit message.
    void Run();
    // Handles every waiting message once, then returns.
    void ProcessMessages();
    // Asks the message loop to end.
    void Terminate();

    // A system message box owned by the application's window; all of the
    // application's windows are disabled while it is up.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // The error box for an exception.
    void ShowException(const Exception& error);
    // To be called inside a catch block: shows whatever is being handled.
    void HandleException();

    HWND Handle() const { return handle_; }
    HINSTANCE Instance() const { return instance_; }
    HICON Icon() const { return icon_; }
    TForm* MainForm() const { return mainForm_; }
    const std::string& Title() const { return title_; }

private:
    void AdoptForm(TForm* form);
    void HandleMessage(MSG& msg);
    void ShowMainForm();
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

    HINSTANCE instance_;
    HICON icon_;
    std::string title_;
    HWND handle_ = nullptr;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

extern TApplication* Application;
