#include "window/Form1.h"

#include "platform/Application_win.h"
#include "platform/Dialogs_win.h"
#include "shell/GameDirectory.h"
#include "shell/ReadGameDirectory_win.h"
#include "update/RunUpdate_win.h"
#include "window/Layout.h"

TForm1* Form1 = nullptr;

namespace {
TBounds ToBounds(const Rect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }
}  // namespace

TForm1::TForm1(TApplication& owner)
    : TForm(owner),
      Image1(ToBounds(Layout::kImage1)),
      Button1(ToBounds(Layout::kButton1), Layout::kButton1Caption, 0),
      Button3(ToBounds(Layout::kButton3), Layout::kButton3Caption, 1) {
    SetLayout({"TForm1", Layout::kForm.left, Layout::kForm.top, Layout::kForm.width, Layout::kForm.height,
               Layout::kCaption, Layout::kFontName, Layout::kFontHeight, SHIFTJIS_CHARSET});
    AddControl(Image1);
    AddControl(Button1);
    AddControl(Button3);
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    Button1.OnClick = [this](TObject* sender) { Button1Click(sender); };
    Button3.OnClick = [this](TObject* sender) { Button3Click(sender); };
    DoCreate();
}

void TForm1::FormCreate(TObject*) {
    SetLeft(CentredOrigin(GetSystemMetrics(SM_CXSCREEN), Width()));
    SetTop(CentredOrigin(GetSystemMetrics(SM_CYSCREEN), Height()));
    ReadGameDirectory();
}

void TForm1::FormShow(TObject*) {
    PaintBanner();
    if (GameDirectory.empty()) {
        Application->MessageBox("ゲーム本体が正常にインストールされていません。", "中止", 0);
        Close();
    }
}

void TForm1::Button1Click(TObject*) {
    Button1.SetEnabled(false);
    Button3.SetEnabled(false);
    Application->ProcessMessages();
    RunUpdate(GameDirectory);
    MessageDlgInformation("アップデート完了しました");
    Close();
}

void TForm1::Button3Click(TObject*) { Close(); }
