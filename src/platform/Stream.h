// Byte streams, as the updater's parts hand them to each other.
//
// A stream moves bytes at its position. Read and Write may move fewer bytes than
// asked and say how many; ReadBuffer and WriteBuffer move exactly the count or
// raise EReadError / EWriteError with the platform's message. The owner of a
// stream creates and destroys it; callers that receive one only use it.
#pragma once

#include <cstdint>
#include <vector>

class TStream {
public:
    virtual ~TStream() = default;
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;
    virtual std::int32_t Write(const void* buffer, std::int32_t count) = 0;

    void ReadBuffer(void* buffer, std::int32_t count);
    void WriteBuffer(const void* buffer, std::int32_t count);
};

// A stream over bytes held in memory: reads from its position, writes at its
// position, growing as needed.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::int32_t Read(void* buffer, std::int32_t count) override;
    std::int32_t Write(const void* buffer, std::int32_t count) override;

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::size_t Position() const { return position_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};
