// The registry operations over the real Windows registry, through its
// narrow-character functions: names and texts stay code page 932 bytes, as the
// game's installer wrote them.
#pragma once

#include "platform/Registry.h"

class Win32Registry : public RegistryApi {
public:
    RegKey CurrentUser() const override;
    bool CreateKey(RegKey parent, const std::string& path, RegKey& key) override;
    bool OpenKey(RegKey parent, const std::string& subkey, RegKey& key) override;
    bool QueryValue(RegKey key, const std::string& name, std::uint32_t& type, std::uint32_t& size) override;
    bool ReadValue(RegKey key, const std::string& name, std::uint32_t& type, std::vector<std::uint8_t>& data) override;
    void CloseKey(RegKey key) override;
};
