#include "shell/GameDirectory.h"

#include "platform/Registry.h"
#include "shell/GameTitle.h"

std::string GameDirectory;

namespace {
const std::string kMakerKey = std::string("Software\\") + "Tavri";
const char* const kSection = kGameTitle;
const char* const kValueName = "GameDir";
}  // namespace

void ReadGameDirectory(RegistryApi& registry) {
    TRegIniFile settings(registry, kMakerKey);
    GameDirectory = settings.ReadString(kSection, kValueName, "");
}
