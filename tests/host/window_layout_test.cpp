// The window's arithmetic: where it is centred and the banner's gradient.
#include <gtest/gtest.h>

#include <set>

#include "window/Banner.h"
#include "window/Layout.h"

namespace {

TEST(Centring, TruncatesTowardZeroOnEveryScreen) {
    struct Case { int screen; int window; int origin; };
    const Case cases[] = {
        {1024, 618, 203}, {768, 291, 238}, {800, 618, 91}, {600, 291, 154},
        {601, 618, -8}, {290, 291, 0}, {618, 618, 0}, {100, 618, -259},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredOrigin(c.screen, c.window), c.origin) << c.screen << " - " << c.window;
}

TEST(BannerGradient, RunsFromPureBlueToAlmostBlack) {
    const int height = Layout::kImage1.height;
    EXPECT_EQ(Banner::RowColour(0, height), 0xFF0000u);
    EXPECT_EQ(Banner::RowBlue(1, height), 253);
    EXPECT_EQ(Banner::RowBlue(96, height), 128);
    EXPECT_EQ(Banner::RowBlue(191, height), 2);
    EXPECT_EQ(Banner::RowColour(192, height), 0x010000u);
    std::set<int> blues;
    for (int row = 0; row < height; ++row) blues.insert(Banner::RowBlue(row, height));
    EXPECT_EQ(blues.size(), static_cast<std::size_t>(height)) << "every row has its own blue";
    EXPECT_EQ(*blues.begin(), 1);
    EXPECT_EQ(*blues.rbegin(), 255);
}

TEST(BannerText, ThanksForTheGameByItsTitleInTheFirstLine) {
    const auto& lines = Banner::Lines();
    EXPECT_EQ(lines[0].text, "『ミルフェザDL版』をお買い求めいただき、まことにありがとうございます。");
    const int tops[] = {10, 50, 70, 95, 130};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].x, 10);
        EXPECT_EQ(lines[i].y, tops[i]);
    }
}

}  // namespace
