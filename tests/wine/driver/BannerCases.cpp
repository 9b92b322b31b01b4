// The banner as it appears on the screen: a blue gradient from top to bottom
// with white text drawn straight onto it.
#include "Check.h"
#include "GameRegistry.h"
#include "Groups.h"
#include "Input.h"
#include "Pixels.h"
#include "UpdaterSteps.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace {

constexpr int kWidth = 593;
constexpr int kHeight = 193;

// Row i of the banner: blue ((193 - i) * 255) / 193, red and green 0.
COLORREF GradientAt(int row) { return RGB(0, 0, ((kHeight - row) * 255) / kHeight); }

Image CaptureBanner(HWND form) {
    const std::vector<HWND> images = Children(form, L"TImage");
    return images.empty() ? Image(0, 0) : CaptureScreen(ClientRectOnScreen(images.front()));
}

// Waits for the banner on the screen: its top-left pixel shows the top of
// the gradient once the window has painted.
Image WaitForBanner(HWND form, check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    Image banner(0, 0);
    CHECK(WaitUntil([&] {
        banner = CaptureBanner(form);
        return banner.Width() == kWidth && banner.Height() == kHeight && banner.At(0, 0) == GradientAt(0);
    }));
    REQUIRE(banner.Width() == kWidth && banner.Height() == kHeight);
    return banner;
}

// Checks that the pixels in [left, right) x [top, bottom) are the gradient;
// prints the first that is not and how many are not.
void ExpectGradient(const Image& banner, int left, int top, int right, int bottom,
                    check::Where caller = check::Where::Here()) {
    check::CallerScope scope(caller);
    int wrong = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (banner.At(x, y) != GradientAt(y) && wrong++ == 0)
                check::Fail(__FILE__, __LINE__,
                            "pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): expected " +
                                std::to_string(GradientAt(y)) + ", got " + std::to_string(banner.At(x, y)));
    CHECK_EQ(0, wrong);
}

struct TextLine {
    int top;
};

// The five lines of text, each 16 pixels high from its top.
const TextLine kLines[] = {{10}, {50}, {70}, {95}, {130}};

}  // namespace

void RunBannerCases(const Setup& setup) {
    const std::string folder = NewFolder(setup, "banner");

    check::RunCase("the gradient: rows 0, 96 and 192 are blue 255, 128 and 1", [&] {
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const UpdaterWindow window = WaitForUpdaterWindow(process);
        const Image banner = WaitForBanner(window.form);
        CHECK_EQ(RGB(0, 0, 255), banner.At(0, 0));
        CHECK_EQ(RGB(0, 0, 128), banner.At(kWidth - 1, 96));
        CHECK_EQ(RGB(0, 0, 1), banner.At(kWidth - 1, 192));
        // Row 0 and row 192 lie outside every line of text; row 96 crosses
        // line 4, which ends well before x = 400.
        ExpectGradient(banner, 0, 0, kWidth, 1);
        ExpectGradient(banner, 400, 96, kWidth, 97);
        ExpectGradient(banner, 0, 192, kWidth, 193);
        // The text begins at x = 10: the margin shows every row of the gradient.
        ExpectGradient(banner, 0, 0, 8, kHeight);
        Click(window.exit);
        ExpectExitCode(process, 0);
    });

    check::RunCase("white text on the gradient, no box behind it, nothing between the lines", [&] {
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const UpdaterWindow window = WaitForUpdaterWindow(process);
        const Image banner = WaitForBanner(window.form);
        for (const TextLine& line : kLines) {
            int white = 0;
            int gradient = 0;
            for (int y = line.top; y < line.top + 16; ++y)
                for (int x = 10; x < 200; ++x) {
                    white += IsNearWhite(banner.At(x, y));
                    gradient += banner.At(x, y) == GradientAt(y);
                }
            // Glyph strokes, and the gradient between and inside the letters.
            CHECK(white > 100);
            CHECK(gradient > 1000);
        }
        ExpectGradient(banner, 0, 28, kWidth, 48);
        ExpectGradient(banner, 0, 150, kWidth, kHeight);
        Click(window.exit);
        ExpectExitCode(process, 0);
    });

    check::RunCase("the banner comes back the same after the window was minimised and restored", [&] {
        REQUIRE(game_registry::SetGameDirPath(folder + "\\"));
        UpdaterProcess process = UpdaterProcess::Start(setup.updater);
        const UpdaterWindow window = WaitForUpdaterWindow(process);
        const Image before = WaitForBanner(window.form);
        ShowWindowAsync(window.form, SW_MINIMIZE);
        CHECK(WaitUntil([&] { return IsIconic(window.form); }));
        ShowWindowAsync(window.form, SW_RESTORE);
        CHECK(WaitUntil([&] { return !IsIconic(window.form) && CaptureBanner(window.form) == before; }));
        Click(window.exit);
        ExpectExitCode(process, 0);
    });
}
