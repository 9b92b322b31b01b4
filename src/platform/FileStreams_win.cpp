#include "platform/FileStreams_win.h"

#include <algorithm>
#include <cstring>

#include "platform/Exceptions.h"
#include "platform/Messages.h"

TResourceStream::TResourceStream(HMODULE module, const std::string& name, LPCSTR type) {
    HRSRC info = FindResourceA(module, name.c_str(), type);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw EResNotFound(Messages::Format(Messages::SResNotFound, name));
    data_ = static_cast<const std::uint8_t*>(data);
    size_ = static_cast<std::int32_t>(SizeofResource(module, info));
}

std::int32_t TResourceStream::Read(void* buffer, std::int32_t count) {
    const std::int32_t n = std::max(0, std::min(count, size_ - position_));
    std::memcpy(buffer, data_ + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

// The payload lives in the loaded image, which is read-only.
std::int32_t TResourceStream::Write(const void*, std::int32_t) { return 0; }

TFileStream::TFileStream(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) throw EFCreateError(Messages::Format(Messages::SFCreateError, path));
}

TFileStream::~TFileStream() { CloseHandle(handle_); }

std::int32_t TFileStream::Read(void* buffer, std::int32_t count) {
    DWORD done = 0;
    if (count <= 0 || !ReadFile(handle_, buffer, static_cast<DWORD>(count), &done, nullptr)) return 0;
    return static_cast<std::int32_t>(done);
}

std::int32_t TFileStream::Write(const void* buffer, std::int32_t count) {
    DWORD done = 0;
    if (count <= 0 || !WriteFile(handle_, buffer, static_cast<DWORD>(count), &done, nullptr)) return 0;
    return static_cast<std::int32_t>(done);
}
