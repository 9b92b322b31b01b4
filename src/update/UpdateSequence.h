// The update itself: three payloads carried by the updater, each decoded into
// one file of the game directory, in a fixed order. The first failure ends the
// sequence; files written before it stay replaced, later ones stay untouched.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/Stream.h"

struct UpdateStep {
    const char* resourceName;
    const char* targetFileName;
};

// The data file first, then the main program, then the launcher.
inline constexpr std::array<UpdateStep, 3> kUpdateSequence{{
    {"SCR2", "kbm_data2.pak"},
    {"EXE", "mirufeza.exe"},
    {"EXE2", "gatebox.exe"},
}};

// Where the updater's payloads come from and where its files go. The Windows
// half opens resources of its own executable and creates real files.
class PayloadStore {
public:
    virtual ~PayloadStore() = default;
    // Raises EResNotFound when the executable carries no such payload.
    virtual std::unique_ptr<TStream> OpenPayload(const std::string& resourceName) = 0;
    // Creates or truncates the file; raises EFCreateError naming the path.
    virtual std::unique_ptr<TStream> CreateTarget(const std::string& targetPath) = 0;
};

// The game directory, a separator unless it already ends in one, the file
// name. Installers store the directory with its trailing "\", but one without
// it must not send the files beside the game folder. An empty directory gives
// the bare file name.
std::string TargetPath(const std::string& gameDirectory, const std::string& fileName);

// Decodes one payload into one newly created file. The payload is opened
// before the target is created, so a missing payload leaves the target alone.
// Failures leave as exceptions; the result is always true.
bool ExtractPayload(PayloadStore& store, std::string resourceName, std::string targetPath);

void RunUpdate(PayloadStore& store, const std::string& gameDirectory);
