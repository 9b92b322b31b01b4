#include "platform/Stream.h"

#include <algorithm>
#include <cstring>

#include "platform/Exceptions.h"
#include "platform/Messages.h"

void TStream::ReadBuffer(void* buffer, std::int32_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError(Messages::SReadError);
}

void TStream::WriteBuffer(const void* buffer, std::int32_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError(Messages::SWriteError);
}

std::int32_t TMemoryStream::Read(void* buffer, std::int32_t count) {
    if (count <= 0 || position_ >= bytes_.size()) return 0;
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return static_cast<std::int32_t>(n);
}

std::int32_t TMemoryStream::Write(const void* buffer, std::int32_t count) {
    if (count <= 0) return 0;
    const std::size_t n = static_cast<std::size_t>(count);
    if (bytes_.size() < position_ + n) bytes_.resize(position_ + n);
    std::memcpy(bytes_.data() + position_, buffer, n);
    position_ += n;
    return count;
}
