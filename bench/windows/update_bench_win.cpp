// Runs the update into a folder several times and prints how long each run of
// RunUpdate took, and the fastest.
//
// usage: update-bench DIRECTORY [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Exceptions.h"
#include "update/RunUpdate_win.h"

namespace {

double Milliseconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: update-bench DIRECTORY [RUNS]\n");
        return 2;
    }
    const std::string directory = argv[1];
    const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 5;
    double fastest = 1e9;
    try {
        for (int run = 1; run <= runs; ++run) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            RunUpdate(directory);
            QueryPerformanceCounter(&end);
            const double ms = Milliseconds(end.QuadPart - start.QuadPart);
            fastest = std::min(fastest, ms);
            std::printf("run %d: %.1f ms\n", run, ms);
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "update-bench: the update failed: %s\n", error.Message().c_str());
        return 1;
    }
    std::printf("update_ms=%.1f runs=%d\n", fastest, runs);
    return 0;
}
