// The update sequence against an in-memory store of payloads and files: the
// order, the target paths, where a failure stops it and what it leaves.
#include <gtest/gtest.h>

#include <map>

#include "codec_test_support.h"
#include "platform/Exceptions.h"
#include "update/UpdateSequence.h"

namespace {

using codec_test::Bytes;

// A payload holding the given bytes as literals.
Bytes PayloadOf(const Bytes& content) {
    codec_test::TokenStream tokens;
    for (std::uint8_t byte : content) tokens.Literal(byte);
    return tokens.Payload();
}

// Files written by the sequence, and the order in which things happened.
class MemoryStore : public PayloadStore {
public:
    class FileStream : public TMemoryStream {
    public:
        FileStream(MemoryStore& store, std::string path) : store_(store), path_(std::move(path)) {}
        ~FileStream() override {
            store_.files[path_] = TMemoryStream::Bytes();
            store_.events.push_back("close " + path_);
        }

    private:
        MemoryStore& store_;
        std::string path_;
    };

    std::unique_ptr<TStream> OpenPayload(const std::string& name) override {
        events.push_back("open " + name);
        const auto found = payloads.find(name);
        if (found == payloads.end()) throw EResNotFound(name + " リソースが見つかりません");
        return std::make_unique<TMemoryStream>(found->second);
    }

    std::unique_ptr<TStream> CreateTarget(const std::string& path) override {
        events.push_back("create " + path);
        if (path == unwritablePath) throw EFCreateError("ファイル " + path + " を作成できません");
        files[path] = {};
        return std::make_unique<FileStream>(*this, path);
    }

    std::map<std::string, Bytes> payloads{
        {"SCR2", PayloadOf({1, 2, 3})}, {"EXE", PayloadOf({4, 5})}, {"EXE2", PayloadOf({6})}};
    std::map<std::string, Bytes> files;
    std::vector<std::string> events;
    std::string unwritablePath;
};

TEST(RunUpdate, DecodesThePayloadsInOrderIntoTheGameDirectory) {
    MemoryStore store;
    RunUpdate(store, "C:\\Game\\");
    EXPECT_EQ(store.events, (std::vector<std::string>{
                                "open SCR2", "create C:\\Game\\kbm_data2.pak", "close C:\\Game\\kbm_data2.pak",
                                "open EXE", "create C:\\Game\\mirufeza.exe", "close C:\\Game\\mirufeza.exe",
                                "open EXE2", "create C:\\Game\\gatebox.exe", "close C:\\Game\\gatebox.exe"}));
    EXPECT_EQ(store.files["C:\\Game\\kbm_data2.pak"], (Bytes{1, 2, 3}));
    EXPECT_EQ(store.files["C:\\Game\\mirufeza.exe"], (Bytes{4, 5}));
    EXPECT_EQ(store.files["C:\\Game\\gatebox.exe"], (Bytes{6}));
}

TEST(RunUpdate, AMissingPayloadStopsBeforeItsTargetIsTouched) {
    MemoryStore store;
    store.payloads.erase("EXE2");
    try {
        RunUpdate(store, "D:\\G\\");
        FAIL() << "expected EResNotFound";
    } catch (const EResNotFound& error) {
        EXPECT_EQ(error.Message(), "EXE2 リソースが見つかりません");
    }
    EXPECT_EQ(store.events.back(), "open EXE2");
    EXPECT_EQ(store.files.count("D:\\G\\gatebox.exe"), 0u);
    EXPECT_EQ(store.files["D:\\G\\mirufeza.exe"], (Bytes{4, 5}));
}

TEST(RunUpdate, ATargetThatCannotBeCreatedEndsTheSequenceThere) {
    MemoryStore store;
    store.unwritablePath = "G\\mirufeza.exe";
    EXPECT_THROW(RunUpdate(store, "G"), EFCreateError);
    EXPECT_EQ(store.events.back(), "create G\\mirufeza.exe");
    EXPECT_EQ(store.files.count("G\\gatebox.exe"), 0u);
    EXPECT_EQ(store.files["G\\kbm_data2.pak"], (Bytes{1, 2, 3}));
}

TEST(RunUpdate, ADamagedPayloadLeavesAnEmptyClosedTarget) {
    MemoryStore store;
    Bytes shortPayload = store.payloads["EXE"];
    shortPayload.pop_back();
    store.payloads["EXE"] = shortPayload;
    EXPECT_THROW(RunUpdate(store, "G\\"), EReadError);
    EXPECT_EQ(store.events.back(), "close G\\mirufeza.exe");
    EXPECT_TRUE(store.files["G\\mirufeza.exe"].empty());
}

struct PathCase {
    const char* name;
    std::string directory;
    std::string path;
};

// Names the case in test listings, instead of dumping its bytes.
void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

class TargetPaths : public testing::TestWithParam<PathCase> {};

TEST_P(TargetPaths, PutTheFileInsideTheDirectory) {
    EXPECT_EQ(TargetPath(GetParam().directory, "gatebox.exe"), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(GameDirectories, TargetPaths, testing::Values(
    PathCase{"TrailingBackslash", "C:\\Game\\", "C:\\Game\\gatebox.exe"},
    PathCase{"NoSeparator", "C:\\Game", "C:\\Game\\gatebox.exe"},
    PathCase{"ForwardSlash", "C:/Game/", "C:/Game/gatebox.exe"},
    PathCase{"EndsInATrailByteBackslash", "C:\\ゲームソ", "C:\\ゲームソ\\gatebox.exe"},
    PathCase{"TrailByteThenBackslash", "C:\\ゲームソ\\", "C:\\ゲームソ\\gatebox.exe"},
    PathCase{"UnexpandedVariable", "%ProgramFiles%\\Game\\", "%ProgramFiles%\\Game\\gatebox.exe"},
    PathCase{"Empty", "", "gatebox.exe"}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

}  // namespace
