#include "Setup.h"

#include <cwchar>
#include <map>

#include "GameFiles.h"
#include "Text.h"

namespace {

std::wstring WindowsPath(std::wstring path) {
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    if (!path.empty() && path.front() == L'\\') path = L"Z:" + path;
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    return path;
}

std::vector<std::string> SplitGroups(const std::wstring& list) {
    std::vector<std::string> groups;
    std::string current;
    for (wchar_t c : list + L",") {
        if (c != L',') {
            current += static_cast<char>(c);
        } else if (!current.empty()) {
            groups.push_back(current);
            current.clear();
        }
    }
    return groups;
}

}  // namespace

std::optional<Setup> ParseCommandLine(int argc, wchar_t** argv) {
    if (argc < 2) return std::nullopt;
    Setup setup;
    setup.groups = SplitGroups(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const std::wstring option = argv[i];
        if (option == L"--wait-for-user") {
            setup.waitForUser = true;
            continue;
        }
        if (i + 1 >= argc) return std::nullopt;
        const std::wstring value = argv[++i];
        if (option == L"--updater") setup.updater = WindowsPath(value);
        else if (option == L"--no-exe2") setup.updaterNoExe2 = WindowsPath(value);
        else if (option == L"--short-payload") setup.updaterShortPayload = WindowsPath(value);
        else if (option == L"--samples") setup.samples = Cp932FromWide(WindowsPath(value));
        else if (option == L"--scratch") setup.scratch = Cp932FromWide(WindowsPath(value));
        else if (option == L"--screenshot") setup.screenshot = WindowsPath(value);
        else if (option == L"--origin") {
            POINT origin{};
            if (std::swscanf(value.c_str(), L"%ld,%ld", &origin.x, &origin.y) != 2) return std::nullopt;
            setup.origin = origin;
        } else if (option == L"--size") {
            SIZE size{};
            if (std::swscanf(value.c_str(), L"%ldx%ld", &size.cx, &size.cy) != 2) return std::nullopt;
            setup.size = size;
        } else {
            return std::nullopt;
        }
    }
    if (setup.groups.empty() || setup.updater.empty() || setup.scratch.empty()) return std::nullopt;
    return setup;
}

std::string NewFolder(const Setup& setup, const std::string& label) {
    static int made = 0;
    const std::string path = setup.scratch + "\\" + std::to_string(++made) + "-" + label;
    MakeDirectory(path);
    return path;
}

const std::string& SampleBytes(const Setup& setup, std::size_t target) {
    static std::map<std::size_t, std::string> loaded;
    auto found = loaded.find(target);
    if (found == loaded.end())
        found = loaded.emplace(target, ReadBytes(setup.samples + "\\" + kTargetNames.at(target)).value_or("")).first;
    return found->second;
}
