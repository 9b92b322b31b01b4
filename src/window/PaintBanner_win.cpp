#include "window/Banner.h"
#include "window/Form1.h"

void TForm1::PaintBanner() {
    const int height = Image1.Height();
    TCanvas& canvas = Image1.Canvas();
    for (int row = 0; row < height; ++row) {
        canvas.SetBrushColor(Banner::RowColour(row, height));
        canvas.FillRect({0, row, Image1.Width(), row + 1});
    }
    // A clear brush draws the text without a background box: the gradient
    // shows between and inside the letters.
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetFontHeight(Banner::kTextHeight);
    canvas.SetFontColor(Banner::kTextColour);
    for (const BannerLine& line : Banner::Lines()) canvas.TextOut(line.x, line.y, line.text);
    Image1.Invalidate();
}
