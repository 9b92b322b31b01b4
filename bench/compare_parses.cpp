// compare-parses FILE...: payload sizes from the optimal and the greedy parse.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "GreedyParse.h"
#include "packer/OptimalParse.h"
#include "packer/Pack.h"
#include "packer/PayloadWriter.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: compare-parses FILE...\n", stderr);
        return 2;
    }
    std::size_t optimalTotal = 0;
    std::size_t greedyTotal = 0;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "compare-parses: cannot read '%s'\n", argv[i]);
            return 1;
        }
        const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), {});
        const auto optimal = packer::WritePayload(file.data(), file.size(), packer::ParseOptimal(file.data(), file.size()));
        const auto greedy = packer::WritePayload(file.data(), file.size(), ParseGreedy(file.data(), file.size()));
        if (packer::UnpackPayload(greedy) != file) {
            std::fprintf(stderr, "compare-parses: the greedy payload of '%s' does not decode to it\n", argv[i]);
            return 1;
        }
        std::printf("%s optimal=%zu greedy=%zu optimal/greedy=%.4f\n", argv[i], optimal.size(), greedy.size(),
                    static_cast<double>(optimal.size()) / greedy.size());
        optimalTotal += optimal.size();
        greedyTotal += greedy.size();
    }
    std::printf("corpus optimal=%zu greedy=%zu optimal/greedy=%.4f\n", optimalTotal, greedyTotal,
                static_cast<double>(optimalTotal) / greedyTotal);
    return 0;
}
