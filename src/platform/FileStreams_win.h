// The streams of one extraction: a read-only stream over a resource of the
// updater's own executable, read in place from the loaded image, and a stream
// on a newly created file.
#pragma once

#include <string>

#include <windows.h>

#include "platform/Stream.h"

class TResourceStream : public TStream {
public:
    // Raises EResNotFound "<name> リソースが見つかりません" when the module
    // carries no resource of that name and type.
    TResourceStream(HMODULE module, const std::string& name, LPCSTR type);

    std::int32_t Read(void* buffer, std::int32_t count) override;
    std::int32_t Write(const void* buffer, std::int32_t count) override;

private:
    const std::uint8_t* data_ = nullptr;
    std::int32_t size_ = 0;
    std::int32_t position_ = 0;
};

class TFileStream : public TStream {
public:
    // Creates the file, or truncates an existing one, opened without sharing.
    // Raises EFCreateError "ファイル <path> を作成できません".
    explicit TFileStream(const std::string& path);
    ~TFileStream() override;

    std::int32_t Read(void* buffer, std::int32_t count) override;
    std::int32_t Write(const void* buffer, std::int32_t count) override;

private:
    HANDLE handle_;
};
