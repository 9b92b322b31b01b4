// payload-pack: makes, checks and measures the updater's payloads.
#include <cstdio>
#include <exception>
#include <string>

#include "CliError.h"
#include "Commands.h"

namespace {

constexpr const char* kUsage =
    "usage: payload-pack pack IN OUT     pack file IN into payload OUT\n"
    "       payload-pack unpack IN OUT   decode payload IN into file OUT\n"
    "       payload-pack info IN         show a payload's header and items\n"
    "       payload-pack bench IN...     measure packing and decoding of files\n";

struct Command {
    const char* name;
    std::size_t arguments;  // 0: one or more
    int (*run)(const Arguments&);
};

constexpr Command kCommands[] = {
    {"pack", 2, PackCommand},
    {"unpack", 2, UnpackCommand},
    {"info", 1, InfoCommand},
    {"bench", 0, BenchCommand},
};

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string name = argv[1];
    const Arguments args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (name != command.name) continue;
        if (command.arguments == 0 ? args.empty() : args.size() != command.arguments) return Usage();
        try {
            return command.run(args);
        } catch (const CliError& error) {
            std::fprintf(stderr, "payload-pack: %s\n", error.what());
            return 1;
        } catch (const std::bad_alloc&) {
            std::fprintf(stderr, "payload-pack: out of memory\n");
            return 1;
        }
    }
    return Usage();
}
