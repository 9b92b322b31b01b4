// Where the game is installed, as its installer recorded it for the current
// user: HKEY_CURRENT_USER\Software\Tavri, section "ミルフェザDL版", value
// "GameDir". The text is kept exactly as stored (code page 932 bytes, not
// trimmed, expanded or given a separator). Empty means the game is not
// installed, whatever made it so.
#pragma once

#include <string>

class RegistryApi;

extern std::string GameDirectory;

// Reads the value once into GameDirectory. Creates the maker key when it is
// missing. Raises ERegistryException when the value cannot be read or is not a
// string; GameDirectory then stays empty.
void ReadGameDirectory(RegistryApi& registry);
