// The registry object: INI-style access to one key of the current user's
// registry, where sections are subkeys and idents are values.
//
// It works through RegistryApi, the narrow-character registry operations it
// needs, so that the logic runs against the real registry on Windows and
// against an in-memory one in tests. Every key it opens or creates is opened
// with full access and closed again before the call that opened it returns,
// on every exit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using RegKey = std::uintptr_t;

// Value types, as the registry numbers them.
enum : std::uint32_t { kRegNone = 0, kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4, kRegMultiSz = 7 };

class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    // The root of all paths: the current user's hive.
    virtual RegKey CurrentUser() const = 0;
    // Opens path below parent, creating what is missing.
    virtual bool CreateKey(RegKey parent, const std::string& path, RegKey& key) = 0;
    // Opens an existing subkey; never creates one.
    virtual bool OpenKey(RegKey parent, const std::string& subkey, RegKey& key) = 0;
    // Type and size of a value, without reading it.
    virtual bool QueryValue(RegKey key, const std::string& name, std::uint32_t& type, std::uint32_t& size) = 0;
    // Reads a value into data, which must be large enough for it (it is not
    // resized); fails when the value is gone or no longer fits.
    virtual bool ReadValue(RegKey key, const std::string& name, std::uint32_t& type, std::vector<std::uint8_t>& data) = 0;
    virtual void CloseKey(RegKey key) = 0;
};

class TRegIniFile {
public:
    // Opens, creating it when missing, the key at path below the current
    // user's root. A failure is not reported: the object then reads its
    // sections directly below the root.
    TRegIniFile(RegistryApi& api, const std::string& path);
    ~TRegIniFile();
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    // The string value ident of section, or def when the section or the value
    // is missing. Raises ERegistryException when the value cannot be read or is
    // not a string.
    std::string ReadString(const std::string& section, const std::string& ident, const std::string& def);

private:
    RegistryApi& api_;
    RegKey key_ = 0;
    bool keyOpen_ = false;
};
