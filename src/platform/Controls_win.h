// Controls: child windows of a form, created from a small struct of arguments.
// A control object lives as long as its form, which creates every control's
// window when its own is made and destroys them with it.
#pragma once

#include <functional>
#include <string>

#include <windows.h>

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

struct TBounds {
    int left;
    int top;
    int width;
    int height;
};

class TControl : public TObject {
public:
    static constexpr int kNoTabStop = -1;

    explicit TControl(TBounds bounds, int tabOrder = kNoTabStop) : bounds_(bounds), tabOrder_(tabOrder) {}
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    HWND Handle() const { return handle_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }

    bool TabStop() const { return tabOrder_ != kNoTabStop; }
    int TabOrder() const { return tabOrder_; }
    virtual void CreateHandle(HWND parent, HFONT font) = 0;
    // Moves the window by (dx, dy) without changing the stored layout: the
    // form scrolls its controls this way.
    void PlaceAt(int scrollX, int scrollY);

protected:
    HWND handle_ = nullptr;
    TBounds bounds_;

private:
    int tabOrder_;
};

class TButton : public TControl {
public:
    TButton(TBounds bounds, std::string caption, int tabOrder)
        : TControl(bounds, tabOrder), caption_(std::move(caption)) {}

    TNotifyEvent OnClick;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void Click();
    void CreateHandle(HWND parent, HFONT font) override;
    // A focused button acts as the default button: Enter presses it.
    void ShowAsDefault(bool isDefault);

private:
    std::string caption_;
    bool enabled_ = true;
};
