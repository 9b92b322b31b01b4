// The payload decoder: code bytes, copies, the block-write pattern, and the
// guards against malformed payloads.
#include <gtest/gtest.h>

#include <string>

#include "codec_test_support.h"
#include "platform/Exceptions.h"
#include "platform/Messages.h"

using namespace codec_test;

namespace {

constexpr std::int32_t MiB = 1 << 20;

// Decodes and checks the output against what the items stand for.
void ExpectDecodes(const TokenStream& stream) {
    const Recording output = Decode(stream.Payload());
    ASSERT_EQ(output.data.size(), stream.Expected().size());
    EXPECT_TRUE(output.data == stream.Expected());
}

// Decoding fails with the platform's read error; returns what was written.
Recording ExpectReadError(const Bytes& payload) {
    TMemoryStream input(payload);
    RecordingStream output;
    try {
        DecodePayload(input, output);
        ADD_FAILURE() << "decoded without an error";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), Messages::SReadError);
    }
    return output.record;
}

TEST(DecodePayload, LiteralRunsAtTheEndsOfTheirCodeRange) {
    for (std::size_t length : {9u, 40u}) {
        SCOPED_TRACE(length);
        Bytes raw(length);
        for (std::size_t i = 0; i < length; ++i) raw[i] = static_cast<std::uint8_t>(0xA0 + i);
        TokenStream stream;
        stream.Literal('x').Run(raw).Literal('y');
        EXPECT_EQ(stream.Tokens()[2], length == 9 ? 0x03 : 0x7F);
        ExpectDecodes(stream);
    }
}

TEST(DecodePayload, EachCopyKindAtTheEndsOfItsRanges) {
    struct Case {
        const char* name;
        std::initializer_list<std::uint8_t> code;
        int distance;
        int length;
    };
    const Case cases[] = {
        {"short 00", {0x00}, 1, 2},
        {"short 7E", {0x7E}, 32, 4},
        {"short 7D", {0x7D}, 32, 3},
        {"short 05", {0x05}, 2, 3},
        {"near 80 00", {0x80, 0x00}, 1, 3},
        {"near BF FF", {0xBF, 0xFF}, 1024, 18},
        {"near 81 2A", {0x81, 0x2A}, 19, 13},
        {"far C0 00 00", {0xC0, 0x00, 0x00}, 1, 3},
        {"far FF FF FC", {0xFF, 0xFF, 0xFC}, 16384, 255},
        {"far C3 07 FD", {0xC3, 0x07, 0xFD}, 776, 256},
        {"far E0 00 FE", {0xE0, 0x00, 0xFE}, 8193, 1024},
        {"far FF FF FF", {0xFF, 0xFF, 0xFF}, 16384, 4096},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TokenStream stream;
        stream.History(16384).Copy(c.code, c.distance, c.length).Literal('z');
        ExpectDecodes(stream);
    }
}

TEST(DecodePayload, OverlappingCopiesRepeatTheirLastDistanceBytes) {
    TokenStream single;
    single.Literal('X').FarCopy(1, 0xFF, 4096);
    EXPECT_EQ(Decode(single.Payload()).data, Bytes(4097, 'X'));

    TokenStream pair;
    pair.Literal('A').Literal('B').Copy({0x06}, 2, 4);
    EXPECT_EQ(Decode(pair.Payload()).data, (Bytes{'A', 'B', 'A', 'B', 'A', 'B'}));
}

TEST(DecodePayload, CopiesOfEveryShortDistanceMatchByteByByteCopying) {
    TokenStream stream;
    stream.History(40);
    for (int distance = 1; distance <= 40; ++distance)
        for (int length : {3, 5, 15, 16, 17, 31, 33, 100, 255})
            stream.FarCopy(distance, static_cast<std::uint8_t>(length - 3), length);
    for (int distance = 1; distance <= 40; ++distance) stream.FarCopy(distance, 0xFE, 1024);
    ExpectDecodes(stream);
}

TEST(DecodePayload, WritesOneMebibyteBlocksAndThenTheRest) {
    struct Case {
        std::int32_t size;
        std::vector<std::int32_t> writes;
    };
    const Case cases[] = {
        {2 * MiB, {MiB, MiB}},
        {2 * MiB - 1, {2 * MiB - 1}},
        {3213824, {MiB, MiB, 3213824 - 2 * MiB}},
        {5 * MiB + 7, {MiB, MiB, MiB, MiB, MiB + 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        TokenStream stream;
        stream.History(997).FillTo(c.size, 997);
        const Recording output = Decode(stream.Payload());
        EXPECT_EQ(output.writes, c.writes);
        EXPECT_TRUE(output.data == stream.Expected());
    }
}

TEST(DecodePayload, FarthestCopyJustAfterAFlushReadsTheRightBytes) {
    TokenStream stream;
    stream.History(20000).FillTo(2 * MiB - 100, 16383).FarCopy(16383, 0xFC, 255);
    ASSERT_GE(stream.Expected().size(), static_cast<std::size_t>(2 * MiB));
    stream.FarCopy(16384, 0xFF, 4096).FarCopy(16384, 0x00, 3);
    ExpectDecodes(stream);
}

TEST(DecodePayload, EmptyOutputMakesNoWrite) {
    const Bytes headerOnly = TokenStream::MakePayload({}, 0);
    EXPECT_TRUE(Decode(headerOnly).writes.empty());

    TokenStream stream;
    stream.Literal('a');
    EXPECT_TRUE(Decode(stream.Payload(-5)).writes.empty()) << "a negative unpacked size decodes nothing";
}

TEST(DecodePayload, LastItemPastTheUnpackedSizeIsWrittenWhole) {
    TokenStream stream;
    stream.Literal('Q').FarCopy(1, 0xFF, 4096).Raw({0xFF, 0xFF, 0xFF});
    const Recording output = Decode(stream.Payload(3));
    EXPECT_EQ(output.data, Bytes(4097, 'Q'));
}

// Literal bytes are single items: decoding stops after the one that reaches
// the unpacked size, and the window is flushed after the one that fills it to
// 2 MiB, then the group's further items follow.
TEST(DecodePayload, LiteralBytesStopWhereSingleItemsWould) {
    TokenStream literals;
    literals.Literal('a').Literal('b').Literal('c').Literal('d').Literal('e');
    EXPECT_EQ(Decode(literals.Payload(3)).data, (Bytes{'a', 'b', 'c'}));

    // Far into a long stream, where the input gives no sign of the end.
    TokenStream longer;
    longer.History(997).FillTo(100000, 997);
    for (std::uint8_t byte : {'a', 'b', 'c', 'd', 'e'}) longer.Literal(byte);
    longer.FillTo(300000, 997);
    const Bytes decoded = Decode(longer.Payload(100002)).data;
    EXPECT_TRUE(decoded == Bytes(longer.Expected().begin(), longer.Expected().begin() + 100002));

    TokenStream copyAfter;
    copyAfter.Literal('a').Literal('b').Literal('c').Copy({0x04}, 2, 2);
    EXPECT_EQ(Decode(copyAfter.Payload(3)).data, (Bytes{'a', 'b', 'c'})) << "the copy after the end is not made";

    TokenStream acrossFlush;
    acrossFlush.History(997).FillTo(2 * MiB - 3, 997);
    for (std::uint8_t byte : {'w', 'x', 'y', 'z', 'v'}) acrossFlush.Literal(byte);
    acrossFlush.FarCopy(16384, 0x00, 3);
    const Recording output = Decode(acrossFlush.Payload());
    EXPECT_EQ(output.writes, (std::vector<std::int32_t>{MiB, MiB + 5}));
    EXPECT_TRUE(output.data == acrossFlush.Expected());
}

TEST(DecodePayload, FullLastGroupEndsTheStream) {
    TokenStream stream;
    stream.History(5).Copy({0x10}, 5, 2).Literal('e').Run(Bytes(9, 'r'));
    ASSERT_EQ(stream.Tokens().size(), 1u + 5 + 1 + 1 + 10);
    ExpectDecodes(stream);
}

TEST(DecodePayload, ReadsNothingAfterThePayloadAndIgnoresItsMark) {
    TokenStream stream;
    stream.History(30).Raw({0x42});
    Bytes payload = stream.Payload();
    payload[0] = 'M';
    payload[3] = 'Z';
    payload.push_back(0x99);
    TMemoryStream input(payload);
    RecordingStream output;
    DecodePayload(input, output);
    EXPECT_EQ(output.record.data, stream.Expected());
    EXPECT_EQ(input.Position(), payload.size() - 1);
}

TEST(DecodePayload, ShortPayloadFailsBeforeWritingAnything) {
    TokenStream stream;
    stream.History(100);
    Bytes payload = stream.Payload();
    payload.pop_back();
    EXPECT_TRUE(ExpectReadError(payload).writes.empty());
    EXPECT_TRUE(ExpectReadError(Bytes(payload.begin(), payload.begin() + 15)).writes.empty());
}

TEST(DecodePayload, RefusesMalformedTokenStreams) {
    struct Case {
        const char* name;
        Bytes payload;
    };
    auto tokens = [](std::initializer_list<std::uint8_t> bytes, std::int32_t unpacked) {
        return TokenStream::MakePayload(bytes, unpacked);
    };
    Bytes negativePacked = tokens({0x00, 'a'}, 1);
    SetField(negativePacked, 4, INT32_MIN);
    TokenStream eightLiterals;
    eightLiterals.History(8);
    // A far copy one byte beyond, with much stream and output after it. Its
    // stated distance only builds the expected bytes, never reached here.
    TokenStream beyondMidStream;
    beyondMidStream.History(16383).Copy({0xFF, 0xFF, 0x00}, 1, 3).History(100).FillTo(30000, 997);

    const Case cases[] = {
        {"negative packed size", negativePacked},
        {"copy before any byte", tokens({0x80, 0x00}, 2)},
        {"copy reaching one byte too far", tokens({0x20, 'a', 'b', 0x04}, 5)},
        {"far copy one byte beyond", TokenStream().History(16383).FarCopy(16384, 0, 3).Payload()},
        {"far copy one byte beyond, mid-stream", beyondMidStream.Payload()},
        {"empty stream", tokens({}, 1)},
        {"stream of a flag byte only", tokens({0x00}, 1)},
        {"literals run out", tokens({0x00, 'a', 'b'}, 3)},
        {"literal run cut short", tokens({0x80, 0x03, 1, 2, 3, 4, 5, 6, 7, 8}, 9)},
        {"near copy without its second byte", tokens({0x40, 'a', 0x80}, 4)},
        {"far copy without its length byte", tokens({0x40, 'a', 0xC0, 0x00}, 4)},
        {"next flag byte beyond the stream", eightLiterals.Payload(9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(ExpectReadError(c.payload).writes.empty());
    }
}

TEST(DecodePayload, BlocksWrittenBeforeAFaultStay) {
    TokenStream stream;
    stream.History(100).FillTo(2 * MiB + 10, 100).Copy({0xFF, 0xFF, 0x00}, 16384, 3);
    Bytes payload = stream.Payload();
    SetField(payload, 8, 4 * MiB);
    EXPECT_EQ(ExpectReadError(payload).writes, (std::vector<std::int32_t>{MiB}));

    TokenStream runOut;
    runOut.History(100).FillTo(2 * MiB + 10, 100);
    EXPECT_EQ(ExpectReadError(runOut.Payload(3 * MiB)).writes, (std::vector<std::int32_t>{MiB}));
}

TEST(DecodePayload, WriteErrorStopsTheDecoding) {
    TokenStream stream;
    stream.History(100).FillTo(3 * MiB, 100);
    TMemoryStream input(stream.Payload());
    RecordingStream output;
    output.failFromWrite = 1;
    try {
        DecodePayload(input, output);
        FAIL() << "decoded although the write failed";
    } catch (const EWriteError& error) {
        EXPECT_EQ(error.Message(), Messages::SWriteError);
    }
    EXPECT_EQ(output.record.writes.size(), 1u);
}

}  // namespace
