#include "GameFiles.h"

#include "Text.h"

std::optional<std::string> ReadBytes(const std::string& path) {
    HANDLE file = CreateFileW(WideFromCp932(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD done = 0;
    const bool read = bytes.empty() || ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
    if (!read || done != bytes.size()) return std::nullopt;
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(WideFromCp932(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD done = 0;
    const bool written =
        bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
    return written && done == bytes.size();
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(WideFromCp932(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool MakeDirectory(const std::string& path) { return CreateDirectoryW(WideFromCp932(path).c_str(), nullptr); }

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(WideFromCp932(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(Cp932FromWide(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool MakeReadOnly(const std::string& path) {
    return SetFileAttributesW(WideFromCp932(path).c_str(), FILE_ATTRIBUTE_READONLY);
}

HeldOpen::HeldOpen(const std::string& path)
    : handle_(CreateFileW(WideFromCp932(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                          nullptr)) {}

HeldOpen::~HeldOpen() {
    if (Holding()) CloseHandle(handle_);
}
