// Text rules that walk code page 932 strings: a trail byte may look like "\"
// or like any ASCII letter, so these cases put such bytes where they matter.
#include <gtest/gtest.h>

#include "platform/Cp932.h"

namespace {

// "ソ" is 83 5C: its trail byte is a backslash. "。" is 81 42.
const std::string kSo = "ソ";

struct PeriodCase {
    std::string message;
    std::string shown;
};

class ClosingPeriod : public testing::TestWithParam<PeriodCase> {};

TEST_P(ClosingPeriod, AppendsAfterCharactersThatSortAboveThePeriod) {
    EXPECT_EQ(Cp932::WithClosingPeriod(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(ErrorBox, ClosingPeriod, testing::Values(
    PeriodCase{"ファイル C:\\a を作成できません", "ファイル C:\\a を作成できません."},
    PeriodCase{"完了しました。", "完了しました。."},
    PeriodCase{"ends in a letter", "ends in a letter."},
    PeriodCase{"code 7", "code 7."},
    PeriodCase{"already.", "already."},
    PeriodCase{"(paren)", "(paren)"},
    PeriodCase{"bang!", "bang!"},
    PeriodCase{"space ", "space "},
    PeriodCase{"slash/", "slash/."},
    PeriodCase{"", ""},
    PeriodCase{"ends in " + kSo, "ends in " + kSo + "."}));

struct TitleCase {
    std::string path;
    std::string title;
};

class ApplicationTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitle, IsTheFileNameCutAtItsFirstDotWithLaterLettersLowered) {
    EXPECT_EQ(Cp932::ApplicationTitleFromPath(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(ExecutableNames, ApplicationTitle, testing::Values(
    TitleCase{"C:\\Games\\updater.exe", "updater"},
    TitleCase{"C:\\Games\\UPDATER.EXE", "Updater"},
    TitleCase{"Z:\\tmp\\Patch.v2.exe", "Patch"},
    TitleCase{"C:\\dir.with.dots\\Setup.exe", "Setup"},
    TitleCase{"C:/unix/style/MyTool.exe", "Mytool"},
    TitleCase{"C:\\" + kSo + "UP\\Run.exe", "Run"},
    TitleCase{"C:\\x\\" + kSo + "UP.exe", kSo + "up"},
    TitleCase{"C:\\x\\アップデータ.exe", "アップデータ"},
    TitleCase{"noext", "noext"}));

TEST(PathSeparator, IsJudgedByWholeCharacters) {
    EXPECT_TRUE(Cp932::EndsWithPathSeparator("C:\\Game\\"));
    EXPECT_TRUE(Cp932::EndsWithPathSeparator("C:/Game/"));
    EXPECT_TRUE(Cp932::EndsWithPathSeparator("C:\\" + kSo + "\\"));
    EXPECT_FALSE(Cp932::EndsWithPathSeparator("C:\\Game"));
    EXPECT_FALSE(Cp932::EndsWithPathSeparator("C:\\Game" + kSo));
    EXPECT_FALSE(Cp932::EndsWithPathSeparator(""));
}

TEST(LastCharacter, TakesADoubleByteCharacterWhole) {
    EXPECT_EQ(Cp932::LastCharacter("ab" + kSo), kSo);
    EXPECT_EQ(Cp932::LastCharacter(kSo + "\\"), "\\");
    EXPECT_EQ(Cp932::LastCharacter("a"), "a");
    // A lead byte with nothing after it stands alone.
    EXPECT_EQ(Cp932::LastCharacter("a\x83"), "\x83");
}

}  // namespace
