// Forms: top-level windows owned by the application's window, laid out in
// pixels from a description given by the derived class, with OnCreate and
// OnShow events and the platform's close.
//
// Contract: the derived form's constructor describes the layout (SetLayout,
// AddControl) and then calls DoCreate, which runs OnCreate; the application
// creates the window afterwards (HandleNeeded). OnShow runs while the form is
// being shown, before it is on the screen. Exceptions from either event are
// shown by the application and do not stop the form.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "platform/Controls_win.h"

class TApplication;

struct TFormLayout {
    std::string className;
    int left;
    int top;
    int width;   // outer size, frame and title bar included
    int height;
    std::string caption;
    std::string fontName;
    int fontHeight;  // negative: character height without internal leading
    BYTE fontCharset;
};

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

class TForm : public TObject {
public:
    explicit TForm(TApplication& owner);
    ~TForm() override;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    HWND Handle() const { return handle_; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left);
    void SetTop(int top);

    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state) { windowState_ = state; }

    void HandleNeeded();
    // Runs OnShow, then puts the form on the screen.
    void Show();
    // Closing the main form ends the application; the form stays on screen
    // until it is destroyed.
    void Close();

    // Keys that the form takes before the focused control: Tab moves the focus
    // among the tab stops, Enter presses the focused button.
    bool DialogKey(const MSG& msg);

protected:
    void SetLayout(const TFormLayout& layout);
    void AddControl(TControl& control) { controls_.push_back(&control); }
    void DoCreate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    void MoveToPosition();
    void FireEvent(const TNotifyEvent& event);
    LRESULT HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void FocusFirstControl();
    void MoveFocus(bool forward);
    void UpdateScrollBars();
    void ScrollBy(int bar, WPARAM request);
    std::vector<TControl*> TabStops() const;

    TApplication& application_;
    HWND handle_ = nullptr;
    HFONT font_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::string caption_;
    std::string className_;
    TWindowState windowState_ = TWindowState::wsNormal;
    std::vector<TControl*> controls_;
    HWND activeControl_ = nullptr;
    int scrollX_ = 0;
    int scrollY_ = 0;
    bool updatingScrollBars_ = false;
};
