// The game directory lookup against an in-memory registry that counts open
// keys, refuses full access where told, and can change a value between the
// size query and the read.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "platform/Exceptions.h"
#include "platform/Registry.h"
#include "shell/GameDirectory.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kMakerKey = "Software\\Tavri";
const std::string kSection = kMakerKey + "\\ミルフェザDL版";

class MemoryRegistry : public RegistryApi {
public:
    struct Value {
        std::uint32_t type;
        Bytes data;
    };
    struct Key {
        std::map<std::string, Value> values;
        bool fullAccess = true;
    };

    RegKey CurrentUser() const override { return kRoot; }

    bool CreateKey(RegKey parent, const std::string& path, RegKey& key) override {
        if (refuseCreate) return false;
        return Open(Join(PathOf(parent), path), true, key);
    }

    bool OpenKey(RegKey parent, const std::string& subkey, RegKey& key) override {
        return Open(Join(PathOf(parent), subkey), false, key);
    }

    bool QueryValue(RegKey key, const std::string& name, std::uint32_t& type, std::uint32_t& size) override {
        const Value* value = Find(key, name);
        if (!value) return false;
        type = value->type;
        size = static_cast<std::uint32_t>(value->data.size());
        return true;
    }

    bool ReadValue(RegKey key, const std::string& name, std::uint32_t& type, Bytes& data) override {
        if (beforeRead) beforeRead();
        const Value* value = Find(key, name);
        if (!value || value->data.size() > data.size()) return false;
        std::copy(value->data.begin(), value->data.end(), data.begin());
        type = value->type;
        return true;
    }

    void CloseKey(RegKey key) override { EXPECT_EQ(open.erase(key), 1u) << "closing a key that is not open"; }

    void SetValue(const std::string& path, std::uint32_t type, const Bytes& data) {
        keys[path].values["GameDir"] = {type, data};
    }

    std::map<std::string, Key> keys;
    std::map<RegKey, std::string> open;
    bool refuseCreate = false;
    std::function<void()> beforeRead;

private:
    static constexpr RegKey kRoot = 1;

    std::string PathOf(RegKey key) const { return key == kRoot ? std::string() : open.at(key); }
    static std::string Join(const std::string& parent, const std::string& sub) {
        return parent.empty() ? sub : parent + "\\" + sub;
    }

    bool Open(const std::string& path, bool create, RegKey& key) {
        auto found = keys.find(path);
        if (found == keys.end()) {
            if (!create) return false;
            found = keys.emplace(path, Key()).first;
        }
        if (!found->second.fullAccess) return false;
        key = nextKey_++;
        open[key] = path;
        return true;
    }

    const Value* Find(RegKey key, const std::string& name) const {
        const auto& values = keys.at(open.at(key)).values;
        const auto found = values.find(name);
        return found == values.end() ? nullptr : &found->second;
    }

    RegKey nextKey_ = 100;
};

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

class GameDirectoryLookup : public testing::Test {
protected:
    void SetUp() override { GameDirectory.clear(); }
    void TearDown() override { EXPECT_TRUE(registry.open.empty()) << "a key was left open"; }

    // Runs the lookup and returns the message of the exception it raised, if any.
    std::string Lookup() {
        try {
            ReadGameDirectory(registry);
        } catch (const ERegistryException& error) {
            return error.Message();
        }
        return std::string();
    }

    MemoryRegistry registry;
};

TEST_F(GameDirectoryLookup, NeverInstalledLeavesAnEmptyMakerKeyAndNoSection) {
    EXPECT_EQ(Lookup(), "");
    EXPECT_EQ(GameDirectory, "");
    ASSERT_EQ(registry.keys.count(kMakerKey), 1u);
    EXPECT_TRUE(registry.keys[kMakerKey].values.empty());
    EXPECT_EQ(registry.keys.count(kSection), 0u);
}

struct ValueCase {
    const char* what;
    std::uint32_t type;
    std::string data;
    std::string directory;
    std::string error;
};

// Names the case in test listings, instead of dumping its bytes.
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.what; }

class StoredValues : public GameDirectoryLookup, public testing::WithParamInterface<ValueCase> {};

TEST_P(StoredValues, GiveTheDirectoryOrTheTypeError) {
    registry.SetValue(kSection, GetParam().type, BytesOf(GetParam().data));
    EXPECT_EQ(Lookup(), GetParam().error);
    EXPECT_EQ(GameDirectory, GetParam().directory);
}

const std::string kTypeError = "'GameDir' のデータ型が不正です";

INSTANTIATE_TEST_SUITE_P(GameDir, StoredValues, testing::Values(
    ValueCase{"string with its zero", kRegSz, std::string("C:\\Game\\\0", 9), "C:\\Game\\", ""},
    ValueCase{"string without a zero", kRegSz, "C:\\Game\\", "C:\\Game\\", ""},
    ValueCase{"text after a zero", kRegSz, std::string("C:\\A\\\0C:\\B\\", 11), "C:\\A\\", ""},
    ValueCase{"unexpanded", kRegExpandSz, std::string("%ProgramFiles%\\Game\\\0", 21), "%ProgramFiles%\\Game\\", ""},
    ValueCase{"no separator", kRegSz, "C:\\Game", "C:\\Game", ""},
    ValueCase{"double-byte text", kRegSz, "D:\\ゲーム\\ソフト\\", "D:\\ゲーム\\ソフト\\", ""},
    ValueCase{"first byte zero", kRegSz, std::string("\0C:\\", 4), "", ""},
    ValueCase{"empty string", kRegSz, "", "", ""},
    ValueCase{"empty dword", kRegDword, "", "", ""},
    ValueCase{"empty binary", kRegBinary, "", "", ""},
    ValueCase{"dword", kRegDword, std::string("\x01\0\0\0", 4), "", kTypeError},
    ValueCase{"multi string", kRegMultiSz, std::string("C:\\\0\0", 5), "", kTypeError},
    ValueCase{"binary", kRegBinary, "C:\\Game\\", "", kTypeError},
    ValueCase{"long text", kRegSz, std::string(40000, 'x'), std::string(40000, 'x'), ""}),
    [](const testing::TestParamInfo<ValueCase>& info) {
        std::string name = info.param.what;
        for (char& c : name) if (c == ' ' || c == '-') c = '_';
        return name;
    });

TEST_F(GameDirectoryLookup, AMissingValueOrSectionMeansNotInstalled) {
    registry.keys[kSection];
    EXPECT_EQ(Lookup(), "");
    EXPECT_EQ(GameDirectory, "");
}

TEST_F(GameDirectoryLookup, ASectionWithoutFullAccessIsTreatedAsMissing) {
    registry.SetValue(kSection, kRegSz, BytesOf("C:\\Game\\"));
    registry.keys[kSection].fullAccess = false;
    EXPECT_EQ(Lookup(), "");
    EXPECT_EQ(GameDirectory, "");
}

TEST_F(GameDirectoryLookup, WithoutTheMakerKeyTheSectionIsSoughtBelowTheRoot) {
    registry.refuseCreate = true;
    registry.SetValue("ミルフェザDL版", kRegSz, BytesOf("C:\\Root\\"));
    EXPECT_EQ(Lookup(), "");
    EXPECT_EQ(GameDirectory, "C:\\Root\\");
    EXPECT_EQ(registry.keys.count(kMakerKey), 0u);
}

TEST_F(GameDirectoryLookup, AValueThatChangesAfterItsSizeWasTakenFailsTheRead) {
    const std::string readError = "'GameDir' の取得に失敗しました";
    const std::vector<std::function<void()>> changes{
        [this] { registry.SetValue(kSection, kRegSz, BytesOf("C:\\A much longer directory\\")); },
        [this] { registry.keys[kSection].values.clear(); },
    };
    for (const auto& change : changes) {
        GameDirectory = "kept";
        registry.SetValue(kSection, kRegSz, BytesOf("C:\\Game\\"));
        registry.beforeRead = change;
        EXPECT_EQ(Lookup(), readError);
        EXPECT_EQ(GameDirectory, "kept");
        EXPECT_TRUE(registry.open.empty());
    }
}

}  // namespace
