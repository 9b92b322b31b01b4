// The registry value that the game's installer leaves and the updater reads:
// HKEY_CURRENT_USER\Software\Tavri\ミルフェザDL版, value GameDir. The driver
// uses the narrow functions with code page 932 names, as the updater does, so
// both meet at the same key whatever the system's code page.
#pragma once

#include <windows.h>

#include <string>

namespace game_registry {

// Removes Software\Tavri with everything below it.
void Remove();
// Stores GameDir with exactly these bytes and this type in a fresh section.
bool SetGameDir(DWORD type, const std::string& bytes);
// Stores a path as the installer does: REG_SZ with its terminating zero.
bool SetGameDirPath(const std::string& path);

struct KeyCounts {
    bool exists = false;
    DWORD subkeys = 0;
    DWORD values = 0;
};
KeyCounts MakerKey();

// Lets the section be read but not written, the way a locked-down account
// might. False when the system refuses the permissions.
bool RestrictSectionToReading();

}  // namespace game_registry
