#pragma once

// The game's title as its installer spells it: it names the game's section in
// the registry and is thanked for in the banner.
inline constexpr const char* kGameTitle = "ミルフェザDL版";
