#include "update/RunUpdate_win.h"

#include <windows.h>

#include "platform/FileStreams_win.h"
#include "update/UpdateSequence.h"

namespace {

class ModulePayloads : public PayloadStore {
public:
    std::unique_ptr<TStream> OpenPayload(const std::string& resourceName) override {
        return std::make_unique<TResourceStream>(GetModuleHandleW(nullptr), resourceName, RT_RCDATA);
    }
    std::unique_ptr<TStream> CreateTarget(const std::string& targetPath) override {
        return std::make_unique<TFileStream>(targetPath);
    }
};

}  // namespace

void RunUpdate(const std::string& gameDirectory) {
    ModulePayloads payloads;
    RunUpdate(payloads, gameDirectory);
}
