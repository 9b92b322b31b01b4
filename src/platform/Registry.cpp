#include "platform/Registry.h"

#include "platform/Exceptions.h"
#include "platform/Messages.h"

namespace {

// Closes a key on every way out of the scope that opened it.
class OpenedKey {
public:
    OpenedKey(RegistryApi& api, RegKey key) : api_(api), key_(key) {}
    ~OpenedKey() { api_.CloseKey(key_); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

private:
    RegistryApi& api_;
    RegKey key_;
};

}  // namespace

TRegIniFile::TRegIniFile(RegistryApi& api, const std::string& path) : api_(api) {
    keyOpen_ = api_.CreateKey(api_.CurrentUser(), path, key_);
}

TRegIniFile::~TRegIniFile() {
    if (keyOpen_) api_.CloseKey(key_);
}

std::string TRegIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& def) {
    RegKey sectionKey = 0;
    if (!api_.OpenKey(keyOpen_ ? key_ : api_.CurrentUser(), section, sectionKey)) return def;
    const OpenedKey closeSection(api_, sectionKey);

    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    if (!api_.QueryValue(sectionKey, ident, type, size)) return def;
    if (size == 0) return std::string();

    std::vector<std::uint8_t> data(size);
    if (!api_.ReadValue(sectionKey, ident, type, data))
        throw ERegistryException(Messages::Format(Messages::SRegGetDataFailed, ident));
    if (type != kRegSz && type != kRegExpandSz)
        throw ERegistryException(Messages::Format(Messages::SInvalidRegType, ident));

    std::string text(data.begin(), data.end());
    return text.substr(0, text.find('\0'));
}
