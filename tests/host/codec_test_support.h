// Builders and streams shared by the payload codec tests.
#pragma once

#include <cstdint>
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "platform/Stream.h"
#include "update/DecodePayload.h"

namespace codec_test {

using Bytes = std::vector<std::uint8_t>;

// Overwrites the 32-bit little-endian header field at offset.
inline void SetField(Bytes& payload, int offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i) payload[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

// Builds a token stream item by item, placing the flag bytes, and keeps the
// output the items stand for, each copy worked out one byte at a time.
class TokenStream {
public:
    TokenStream& Literal(std::uint8_t byte) {
        Flag(false);
        tokens_.push_back(byte);
        expected_.push_back(byte);
        return *this;
    }

    TokenStream& Run(const Bytes& bytes) {
        Flag(true);
        tokens_.push_back(static_cast<std::uint8_t>((bytes.size() - 9) << 2 | 3));
        tokens_.insert(tokens_.end(), bytes.begin(), bytes.end());
        expected_.insert(expected_.end(), bytes.begin(), bytes.end());
        return *this;
    }

    // A copy given by its code bytes and what they are expected to mean.
    TokenStream& Copy(std::initializer_list<std::uint8_t> code, int distance, int length) {
        Flag(true);
        tokens_.insert(tokens_.end(), code);
        // A copy reaching before the first byte stands for nothing the decoder
        // may produce (it must refuse it); zeros keep the builder in bounds.
        for (int i = 0; i < length; ++i) {
            const std::size_t produced = expected_.size();
            expected_.push_back(static_cast<std::size_t>(distance) <= produced ? expected_[produced - distance] : 0);
        }
        return *this;
    }

    TokenStream& FarCopy(int distance, std::uint8_t lengthCode, int length) {
        const int d = distance - 1;
        return Copy({static_cast<std::uint8_t>(0xC0 | d >> 8), static_cast<std::uint8_t>(d & 0xFF), lengthCode},
                    distance, length);
    }

    // Varied bytes, in literal runs, enough to give every distance a source.
    TokenStream& History(std::size_t count) {
        Bytes bytes(count);
        std::uint32_t seed = 1;
        for (auto& b : bytes) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
        std::size_t at = 0;
        for (; count - at >= 9; at += std::min<std::size_t>(count - at, 40))
            Run(Bytes(bytes.begin() + at, bytes.begin() + at + std::min<std::size_t>(count - at, 40)));
        for (; at < count; ++at) Literal(bytes[at]);
        return *this;
    }

    // Far copies at `distance` of 4096 bytes and then 3 to 255, until the
    // output holds `size` bytes (`size` must leave at least 3 for the last one).
    TokenStream& FillTo(std::size_t size, int distance) {
        while (expected_.size() + 4096 + 3 <= size) FarCopy(distance, 0xFF, 4096);
        while (expected_.size() < size) {
            const int length = static_cast<int>(std::min<std::size_t>(size - expected_.size(), 255));
            FarCopy(distance, static_cast<std::uint8_t>(length - 3), length);
        }
        return *this;
    }

    // Raw bytes appended to the stream, outside any item.
    TokenStream& Raw(std::initializer_list<std::uint8_t> bytes) {
        tokens_.insert(tokens_.end(), bytes);
        return *this;
    }

    const Bytes& Tokens() const { return tokens_; }
    const Bytes& Expected() const { return expected_; }

    Bytes Payload() const { return Payload(static_cast<std::int32_t>(expected_.size())); }
    Bytes Payload(std::int32_t unpackedSize) const { return MakePayload(tokens_, unpackedSize); }

    static Bytes MakePayload(const Bytes& tokens, std::int32_t unpackedSize) {
        Bytes payload(16 + tokens.size());
        std::copy(tokens.begin(), tokens.end(), payload.begin() + 16);
        const std::uint8_t mark[] = {0x59, 0x42, 0x83, 0x03};
        std::copy(std::begin(mark), std::end(mark), payload.begin());
        SetField(payload, 4, static_cast<std::int32_t>(tokens.size()));
        SetField(payload, 8, unpackedSize);
        return payload;
    }

private:
    void Flag(bool coded) {
        if (items_ % 8 == 0) {
            flagAt_ = tokens_.size();
            tokens_.push_back(0);
        }
        if (coded) tokens_[flagAt_] |= static_cast<std::uint8_t>(0x80 >> (items_ % 8));
        ++items_;
    }

    Bytes tokens_;
    Bytes expected_;
    std::size_t flagAt_ = 0;
    std::size_t items_ = 0;
};

// What an output stream received: the size of each write and, joined, the bytes.
struct Recording {
    std::vector<std::int32_t> writes;
    Bytes data;
};

// An output stream that keeps a Recording. It can be told to store nothing
// from a given write on, like a full disk.
class RecordingStream : public TStream {
public:
    std::int32_t Read(void*, std::int32_t) override { return 0; }
    std::int32_t Write(const void* buffer, std::int32_t count) override {
        record.writes.push_back(count);
        if (failFromWrite >= 0 && static_cast<int>(record.writes.size()) >= failFromWrite) return 0;
        const auto* bytes = static_cast<const std::uint8_t*>(buffer);
        record.data.insert(record.data.end(), bytes, bytes + count);
        return count;
    }

    Recording record;
    int failFromWrite = -1;  // 1-based write that fails first; -1 for none
};

// Decodes a payload held in memory into a recording stream.
inline Recording Decode(const Bytes& payload) {
    TMemoryStream input(payload);
    RecordingStream output;
    DecodePayload(input, output);
    return output.record;
}

}  // namespace codec_test
