// The updater window: the banner above the Start and Exit buttons. Its four
// handlers drive the whole run: centre and look up the game on creation, paint
// the banner (or refuse when the game is not installed) on show, update on
// Start, close on Exit. None of them catches: the application shows failures.
#pragma once

#include "platform/Forms_win.h"
#include "platform/Graphics_win.h"

class TForm1 : public TForm {
public:
    explicit TForm1(TApplication& owner);

    TImage Image1;
    TButton Button1;
    TButton Button3;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button3Click(TObject* Sender);

    void PaintBanner();
};

extern TForm1* Form1;
