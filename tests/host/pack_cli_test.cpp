// payload-pack as its users run it: commands, errors, and no partial output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class PayloadPackCli : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("payload-pack-test-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    CliRun PayloadPack(const std::string& args) const {
        const std::string out = Path("stdout.txt"), err = Path("stderr.txt");
        const int status = std::system((std::string(PAYLOAD_PACK) + " " + args + " >" + out + " 2>" + err).c_str());
        CliRun run{WEXITSTATUS(status), ReadFile("stdout.txt"), ReadFile("stderr.txt")};
        fs::remove(out);
        fs::remove(err);
        return run;
    }

    // Only the named files are in the directory: no partial or temporary file.
    void ExpectOnly(std::initializer_list<std::string> names) const {
        std::size_t count = 0;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            ++count;
            EXPECT_NE(std::find(names.begin(), names.end(), entry.path().filename().string()), names.end())
                << entry.path();
        }
        EXPECT_EQ(count, names.size());
    }

    fs::path dir_;
};

TEST_F(PayloadPackCli, PacksUnpacksAndDescribes) {
    std::string file;
    for (int i = 0; i < 5000; ++i) file += "line " + std::to_string(i % 97) + "\n";
    WriteFile("in.bin", file);

    ASSERT_EQ(PayloadPack("pack " + Path("in.bin") + " " + Path("in.pl")).status, 0);
    ASSERT_EQ(PayloadPack("unpack " + Path("in.pl") + " " + Path("back.bin")).status, 0);
    EXPECT_EQ(ReadFile("back.bin"), file);

    const CliRun info = PayloadPack("info " + Path("in.pl"));
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("mark 59 42 83 03"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("unpacked size " + std::to_string(file.size())), std::string::npos) << info.out;

    const CliRun bench = PayloadPack("bench " + Path("in.bin"));
    EXPECT_EQ(bench.status, 0);
    EXPECT_NE(bench.out.find(" bytes=" + std::to_string(file.size()) + " packed="), std::string::npos) << bench.out;
    EXPECT_NE(bench.out.find(" decode_mb_s="), std::string::npos) << bench.out;
}

TEST_F(PayloadPackCli, FailuresSayWhatWentWrongAndLeaveNoOutput) {
    WriteFile("in.bin", "some bytes to pack");
    WriteFile("bad.pl", std::string("\x59\x42\x83\x03\x02\0\0\0\x09\0\0\0\0\0\0\0\x00\x41", 18));
    {
        std::ofstream huge(Path("huge.bin"), std::ios::binary);
        huge.seekp((std::streamoff(1) << 31) - 1);
        huge.put('\0');
    }
    struct Case {
        const char* name;
        std::string args;
        const char* says;
    };
    const Case cases[] = {
        {"missing input", "pack " + Path("missing.bin") + " " + Path("out"), "cannot read"},
        {"input of 2^31 bytes", "pack " + Path("huge.bin") + " " + Path("out"), "2^31"},
        {"unwritable output", "pack " + Path("in.bin") + " " + Path("no/such/dir/out"), "cannot write"},
        {"malformed payload", "unpack " + Path("bad.pl") + " " + Path("out"), "not a well-formed payload"},
        {"malformed payload info", "info " + Path("bad.pl"), "not a well-formed payload"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = PayloadPack(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        ExpectOnly({"in.bin", "bad.pl", "huge.bin"});
    }
}

TEST_F(PayloadPackCli, UsageErrorsPrintTheUsage) {
    for (const char* args : {"", "pack", "pack a", "pack a b c", "bench", "squash a b"}) {
        SCOPED_TRACE(args);
        const CliRun run = PayloadPack(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage: payload-pack pack IN OUT"), std::string::npos) << run.err;
    }
}

}  // namespace
