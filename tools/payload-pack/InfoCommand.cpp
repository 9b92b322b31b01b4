// info: a payload's header and the count of its items by kind.
#include <cstdio>
#include <stdexcept>

#include "CliError.h"
#include "Commands.h"
#include "FileIO.h"
#include "packer/PayloadSummary.h"

int InfoCommand(const Arguments& args) {
    const std::vector<std::uint8_t> payload = ReadWholeFile(args[0]);
    packer::PayloadSummary summary;
    try {
        summary = packer::SummarizePayload(payload);
    } catch (const std::runtime_error& error) {
        throw CliError("'" + args[0] + "' is not a well-formed payload: " + error.what());
    }
    const double ratio = summary.unpackedSize > 0 ? static_cast<double>(payload.size()) / summary.unpackedSize : 0.0;
    std::printf("mark %02X %02X %02X %02X\n", summary.mark[0], summary.mark[1], summary.mark[2], summary.mark[3]);
    std::printf("packed size %d\nunpacked size %d\nratio %.4f\n", summary.packedSize, summary.unpackedSize, ratio);
    std::printf("literals %lld\nliteral runs %lld\nshort copies %lld\nnear copies %lld\nfar copies %lld\n",
                summary.literals, summary.literalRuns, summary.shortCopies, summary.nearCopies, summary.farCopies);
    return 0;
}
