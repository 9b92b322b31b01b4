// The Wine test driver: runs groups of black-box cases against the updater.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "Check.h"
#include "GameRegistry.h"
#include "Groups.h"

int wmain(int argc, wchar_t** argv) {
    const std::optional<Setup> setup = ParseCommandLine(argc, argv);
    if (!setup) {
        std::fputs("usage: driver GROUP[,GROUP...] --updater EXE --scratch DIR [options]\n", stderr);
        return 2;
    }
    const std::map<std::string, void (*)(const Setup&)> groups = {
        {"update", RunUpdateCases},     {"failure", RunFailureCases}, {"instance", RunInstanceCases},
        {"registry", RunRegistryCases}, {"placement", RunPlacementCases}, {"window", RunWindowCases},
        {"banner", RunBannerCases},     {"texts", RunTextCases},
    };
    if (setup->groups == std::vector<std::string>{"demo"}) return RunDemo(*setup);
    for (const std::string& name : setup->groups) {
        const auto group = groups.find(name);
        if (group == groups.end()) {
            std::fprintf(stderr, "unknown group %s\n", name.c_str());
            return 2;
        }
    }
    for (const std::string& name : setup->groups) groups.at(name)(*setup);
    // The registry is the prefix's, shared by every later run: leave no game behind.
    game_registry::Remove();
    return check::Summary();
}
