// What a run of the driver is given on its command line:
//   driver.exe GROUP[,GROUP...] --updater EXE [--no-exe2 EXE]
//       [--short-payload EXE] [--samples DIR] --scratch DIR
//       [--origin X,Y] [--size WxH] [--screenshot BMP] [--wait-for-user]
// Paths may be given as Unix paths; they are reached through drive Z:, which
// a Wine prefix maps to the Unix root.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct Setup {
    std::vector<std::string> groups;
    std::wstring updater;
    std::wstring updaterNoExe2;        // the updater without its EXE2 payload
    std::wstring updaterShortPayload;  // its EXE payload one byte short
    std::string samples;               // the three files as the payloads must reproduce them
    std::string scratch;               // emptied by the caller before the run
    std::optional<POINT> origin;       // where the window must stand on this screen
    std::optional<SIZE> size;
    std::wstring screenshot;  // the demo's picture of the window
    bool waitForUser = false;  // the demo: a person presses Start
};

// Nothing when the command line is not understood.
std::optional<Setup> ParseCommandLine(int argc, wchar_t** argv);

// A new, empty folder under the scratch folder, named after the case; its
// path has no trailing separator.
std::string NewFolder(const Setup& setup, const std::string& label);
// The contents of one of the three sample files, by target index.
const std::string& SampleBytes(const Setup& setup, std::size_t target);
