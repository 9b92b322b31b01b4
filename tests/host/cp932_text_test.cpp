// Text rules that walk code page 932 strings: a trail byte may look like "\"
// or like any ASCII letter, so these cases put such bytes where they matter.
#include <gtest/gtest.h>

#include "platform/Cp932.h"

namespace {

// "ソ" is 83 5C: its trail byte is a backslash. "。" is 81 42.
const std::string kSo = "ソ";

struct PeriodCase {
    const char* name;
    std::string message;
    std::string shown;
};

// Names the case in test listings, instead of dumping its bytes.
void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.name; }

class ClosingPeriod : public testing::TestWithParam<PeriodCase> {};

TEST_P(ClosingPeriod, AppendsAfterCharactersThatSortAboveThePeriod) {
    EXPECT_EQ(Cp932::WithClosingPeriod(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(ErrorBox, ClosingPeriod, testing::Values(
    PeriodCase{"FileCreationMessage", "ファイル C:\\a を作成できません", "ファイル C:\\a を作成できません."},
    PeriodCase{"EndsInIdeographicFullStop", "完了しました。", "完了しました。."},
    PeriodCase{"EndsInALetter", "ends in a letter", "ends in a letter."},
    PeriodCase{"EndsInADigit", "code 7", "code 7."},
    PeriodCase{"EndsInAPeriod", "already.", "already."},
    PeriodCase{"EndsInAParenthesis", "(paren)", "(paren)"},
    PeriodCase{"EndsInABang", "bang!", "bang!"},
    PeriodCase{"EndsInASpace", "space ", "space "},
    PeriodCase{"EndsInASlash", "slash/", "slash/."},
    PeriodCase{"Empty", "", ""},
    PeriodCase{"EndsInATrailByteBackslash", "ends in " + kSo, "ends in " + kSo + "."}),
    [](const testing::TestParamInfo<PeriodCase>& info) { return std::string(info.param.name); });

struct TitleCase {
    const char* name;
    std::string path;
    std::string title;
};

// Names the case in test listings, instead of dumping its bytes.
void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class ApplicationTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitle, IsTheFileNameCutAtItsFirstDotWithLaterLettersLowered) {
    EXPECT_EQ(Cp932::ApplicationTitleFromPath(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(ExecutableNames, ApplicationTitle, testing::Values(
    TitleCase{"Lowercase", "C:\\Games\\updater.exe", "updater"},
    TitleCase{"UppercaseKeepsTheFirstLetter", "C:\\Games\\UPDATER.EXE", "Updater"},
    TitleCase{"CutAtTheFirstDot", "Z:\\tmp\\Patch.v2.exe", "Patch"},
    TitleCase{"DotsInTheDirectory", "C:\\dir.with.dots\\Setup.exe", "Setup"},
    TitleCase{"ForwardSlashes", "C:/unix/style/MyTool.exe", "Mytool"},
    TitleCase{"TrailByteBackslashInTheDirectory", "C:\\" + kSo + "UP\\Run.exe", "Run"},
    TitleCase{"TrailByteBackslashInTheName", "C:\\x\\" + kSo + "UP.exe", kSo + "up"},
    TitleCase{"DoubleByteName", "C:\\x\\アップデータ.exe", "アップデータ"},
    TitleCase{"NoDirectoryNoExtension", "noext", "noext"}),
    [](const testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

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
