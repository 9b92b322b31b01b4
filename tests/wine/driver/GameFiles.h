// Game folders and their files. Paths are code page 932 strings, the way the
// updater forms them from the registry value; the driver reaches the files
// through the wide functions so that its own code page does not matter.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

// The updater's targets, in the order it writes them.
inline constexpr std::array<const char*, 3> kTargetNames = {"kbm_data2.pak", "mirufeza.exe", "gatebox.exe"};

std::optional<std::string> ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
bool MakeDirectory(const std::string& path);
// Names in a folder, without "." and "..".
std::vector<std::string> Entries(const std::string& folder);
bool MakeReadOnly(const std::string& path);

// A file that this process holds open without sharing, as the running game
// would hold its own program.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path);
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    ~HeldOpen();
    bool Holding() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};
