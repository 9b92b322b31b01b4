#include "GameRegistry.h"

#include <aclapi.h>

#include <vector>

namespace game_registry {
namespace {

const char* const kMakerKey = "Software\\Tavri";
const char* const kSectionKey = "Software\\Tavri\\ミルフェザDL版";

HKEY CreateSection() {
    HKEY section = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSectionKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &section, nullptr) !=
        ERROR_SUCCESS)
        return nullptr;
    return section;
}

}  // namespace

void Remove() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kMakerKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kMakerKey);
}

bool SetGameDir(DWORD type, const std::string& bytes) {
    Remove();
    HKEY section = CreateSection();
    if (!section) return false;
    // RegSetValueExA quietly counts one more byte for a string whose data is
    // followed by a zero in memory. A non-zero byte behind the data keeps the
    // value exactly as long as asked, with or without its own terminator.
    std::vector<BYTE> data(bytes.begin(), bytes.end());
    data.push_back('X');
    const LONG status = RegSetValueExA(section, "GameDir", 0, type, data.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(section);
    return status == ERROR_SUCCESS;
}

bool SetGameDirPath(const std::string& path) { return SetGameDir(REG_SZ, path + '\0'); }

KeyCounts MakerKey() {
    KeyCounts counts;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kMakerKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return counts;
    counts.exists = true;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &counts.subkeys, nullptr, nullptr, &counts.values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return counts;
}

bool RestrictSectionToReading() {
    HKEY section = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSectionKey, 0, KEY_ALL_ACCESS, &section) != ERROR_SUCCESS) return false;
    // Everyone may read the section, query its permissions, change them back
    // and delete it; nobody may write it.
    EXPLICIT_ACCESS_A grant{};
    grant.grfAccessPermissions = KEY_READ | WRITE_DAC | DELETE;
    grant.grfAccessMode = SET_ACCESS;
    grant.grfInheritance = NO_INHERITANCE;
    grant.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    grant.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    grant.Trustee.ptstrName = const_cast<char*>("EVERYONE");
    PACL acl = nullptr;
    DWORD status = SetEntriesInAclA(1, &grant, nullptr, &acl);
    if (status == ERROR_SUCCESS)
        status =
            SetSecurityInfo(section, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                            nullptr, nullptr, acl, nullptr);
    LocalFree(acl);
    RegCloseKey(section);
    return status == ERROR_SUCCESS;
}

}  // namespace game_registry
