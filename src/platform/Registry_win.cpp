#include "platform/Registry_win.h"

#include <windows.h>

namespace {
HKEY AsHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }
RegKey AsRegKey(HKEY key) { return reinterpret_cast<RegKey>(key); }
}  // namespace

RegKey Win32Registry::CurrentUser() const { return AsRegKey(HKEY_CURRENT_USER); }

bool Win32Registry::CreateKey(RegKey parent, const std::string& path, RegKey& key) {
    HKEY created = nullptr;
    const LONG status = RegCreateKeyExA(AsHkey(parent), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_ALL_ACCESS, nullptr, &created, nullptr);
    key = AsRegKey(created);
    return status == ERROR_SUCCESS;
}

bool Win32Registry::OpenKey(RegKey parent, const std::string& subkey, RegKey& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(AsHkey(parent), subkey.c_str(), 0, KEY_ALL_ACCESS, &opened);
    key = AsRegKey(opened);
    return status == ERROR_SUCCESS;
}

bool Win32Registry::QueryValue(RegKey key, const std::string& name, std::uint32_t& type, std::uint32_t& size) {
    DWORD valueType = REG_NONE;
    DWORD valueSize = 0;
    const LONG status = RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &valueType, nullptr, &valueSize);
    type = valueType;
    size = valueSize;
    return status == ERROR_SUCCESS;
}

bool Win32Registry::ReadValue(RegKey key, const std::string& name, std::uint32_t& type,
                              std::vector<std::uint8_t>& data) {
    DWORD valueType = REG_NONE;
    DWORD valueSize = static_cast<DWORD>(data.size());
    const LONG status = RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &valueType, data.data(), &valueSize);
    type = valueType;
    return status == ERROR_SUCCESS;
}

void Win32Registry::CloseKey(RegKey key) { RegCloseKey(AsHkey(key)); }
