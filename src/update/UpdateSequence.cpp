#include "update/UpdateSequence.h"

#include "platform/Cp932.h"
#include "update/DecodePayload.h"

std::string TargetPath(const std::string& gameDirectory, const std::string& fileName) {
    if (gameDirectory.empty() || Cp932::EndsWithPathSeparator(gameDirectory))
        return gameDirectory + fileName;
    return gameDirectory + "\\" + fileName;
}

bool ExtractPayload(PayloadStore& store, std::string resourceName, std::string targetPath) {
    std::unique_ptr<TStream> payload = store.OpenPayload(resourceName);
    std::unique_ptr<TStream> target = store.CreateTarget(targetPath);
    DecodePayload(*payload, *target);
    payload.reset();
    target.reset();
    return true;
}

void RunUpdate(PayloadStore& store, const std::string& gameDirectory) {
    for (const UpdateStep& step : kUpdateSequence)
        ExtractPayload(store, step.resourceName, TargetPath(gameDirectory, step.targetFileName));
}
