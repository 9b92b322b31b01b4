// The packer: what it writes follows the packer rules of the payload format,
// decodes back to the file, and is as short as the format allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

#include "codec_test_support.h"
#include "packer/Item.h"
#include "packer/OptimalParse.h"
#include "packer/Pack.h"

using namespace codec_test;
using packer::Item;
using packer::ItemKind;

namespace {

Bytes RandomBytes(std::size_t size, unsigned alphabet, unsigned seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random() % alphabet);
    return bytes;
}

// Something like a game's data file: a table of records, script text with
// recurring commands, and stretches of noise, as in compressed pictures.
Bytes CorpusLikeFile() {
    Bytes file;
    std::mt19937 random(7);
    for (int record = 0; record < 600; ++record)
        for (int field : {record, record * 37, 0, 0x4000 + record % 13})
            for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(field >> (8 * i)));
    const char* lines[] = {"@show face=%d pos=left\r\n", "@wait 30\r\n", "@bgm track%02d loop\r\n"};
    for (int line = 0; line < 3000; ++line) {
        char text[64];
        const int n = std::snprintf(text, sizeof text, lines[random() % 3], static_cast<int>(random() % 40));
        file.insert(file.end(), text, text + n);
    }
    const Bytes noise = RandomBytes(30000, 256, 11);
    file.insert(file.end(), noise.begin(), noise.end());
    return file;
}

std::uint32_t CostOf(const std::vector<Item>& items) {
    std::uint32_t cost = 0;
    for (const Item& item : items) cost += packer::CostInEighths(packer::KindOf(item), item.length);
    return cost;
}

// The cheapest parse found by trying every distance and every length at
// every position: the yardstick for the packer's own parse.
std::uint32_t ExhaustiveCheapestCost(const Bytes& file) {
    const std::size_t n = file.size();
    std::vector<std::uint32_t> cost(n + 1, std::numeric_limits<std::uint32_t>::max());
    cost[0] = 0;
    auto offer = [&](std::size_t from, Item item) {
        const ItemKind kind = packer::KindOf(item);
        if (kind != ItemKind::kNone)
            cost[from + item.length] = std::min(cost[from + item.length],
                                                cost[from] + packer::CostInEighths(kind, item.length));
    };
    for (std::size_t pos = 0; pos < n; ++pos) {
        for (std::size_t length = 1; length <= std::min<std::size_t>(40, n - pos); ++length)
            offer(pos, {static_cast<std::uint16_t>(length), 0});
        for (std::size_t distance = 1; distance <= std::min<std::size_t>(pos, 16384); ++distance)
            for (std::size_t length = 1; pos + length <= n && file[pos + length - 1] == file[pos + length - 1 - distance]; ++length)
                offer(pos, {static_cast<std::uint16_t>(length), static_cast<std::uint16_t>(distance)});
    }
    return cost[n];
}

std::int32_t Field(const Bytes& payload, int offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | payload[offset + i];
    return static_cast<std::int32_t>(value);
}

TEST(PackPayload, RoundTripsThroughTheUpdatersDecoder) {
    struct Case {
        const char* name;
        Bytes file;
    };
    Bytes stripes;
    for (int i = 0; i < 70000; ++i) stripes.push_back(static_cast<std::uint8_t>(i / 5000 % 2 ? i % 3 : 0xEE));
    const Case cases[] = {
        {"empty", {}},
        {"one byte", {0x42}},
        {"two bytes", {7, 7}},
        {"long run", Bytes(3 * 1024 * 1024 + 5, 0)},
        {"runs of two kinds", stripes},
        {"random", RandomBytes(100000, 256, 3)},
        {"few symbols", RandomBytes(50000, 3, 4)},
        {"corpus-like", CorpusLikeFile()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(packer::UnpackPayload(packer::PackPayload(c.file)) == c.file);
    }
}

TEST(PackPayload, HeaderHoldsTheMarkTheExactSizesAndZeroes) {
    const Bytes file = CorpusLikeFile();
    const Bytes payload = packer::PackPayload(file);
    EXPECT_EQ(Bytes(payload.begin(), payload.begin() + 4), (Bytes{0x59, 0x42, 0x83, 0x03}));
    EXPECT_EQ(Field(payload, 4), static_cast<std::int32_t>(payload.size() - 16));
    EXPECT_EQ(Field(payload, 8), static_cast<std::int32_t>(file.size()));
    EXPECT_EQ(Field(payload, 12), 0);
    EXPECT_EQ(packer::PackPayload({}), TokenStream::MakePayload({}, 0)) << "an empty file is the header alone";
}

TEST(PackPayload, FlagBytesCoverExactlyTheItems) {
    // Eight literals fill a group: no flag byte may follow. Five leave the
    // low three bits of their flag byte unused, and zero.
    const Bytes eight = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(packer::PackPayload(eight), TokenStream::MakePayload({0x00, 1, 2, 3, 4, 5, 6, 7, 8}, 8));
    const Bytes fiveThenCopy = {9, 8, 7, 6, 5, 9, 8, 7, 6, 5, 9, 8};
    const Bytes payload = packer::PackPayload(fiveThenCopy);
    EXPECT_EQ(payload[16], 0x04) << "five literals, one copy, two unused bits";
    EXPECT_EQ(payload.size(), 16u + 1 + 5 + 2);
}

TEST(PackPayload, ChoosesTheShortestKindForEachCopy) {
    struct Case {
        int distance;
        int length;
        ItemKind kind;
    };
    const Case cases[] = {
        {1, 2, ItemKind::kShortCopy},    {32, 4, ItemKind::kShortCopy},  {33, 2, ItemKind::kNone},
        {33, 3, ItemKind::kNearCopy},    {1, 5, ItemKind::kNearCopy},    {1024, 18, ItemKind::kNearCopy},
        {1025, 3, ItemKind::kFarCopy},   {1, 19, ItemKind::kFarCopy},    {16384, 256, ItemKind::kFarCopy},
        {16384, 1024, ItemKind::kFarCopy}, {7, 4096, ItemKind::kFarCopy}, {7, 257, ItemKind::kNone},
        {7, 1023, ItemKind::kNone},      {16385, 3, ItemKind::kNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.distance << "/" << c.length);
        EXPECT_EQ(packer::KindOf({static_cast<std::uint16_t>(c.length), static_cast<std::uint16_t>(c.distance)}), c.kind);
    }
}

TEST(OptimalParse, CostsNoMoreThanTheCheapestExhaustiveParse) {
    for (unsigned seed = 0; seed < 40; ++seed) {
        SCOPED_TRACE(seed);
        const Bytes file = RandomBytes(120 + seed * 7, 2 + seed % 5, seed);
        EXPECT_EQ(CostOf(packer::ParseOptimal(file.data(), file.size())), ExhaustiveCheapestCost(file));
    }
}

TEST(OptimalParse, UsesTheLongFarLengthsForLongRepeats) {
    const Bytes file(1 + 4096 + 1024 + 256, 'z');
    const std::vector<Item> items = packer::ParseOptimal(file.data(), file.size());
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[1].length, 4096);
    EXPECT_EQ(items[2].length, 1024);
    EXPECT_EQ(items[3].length, 256);
}

}  // namespace
