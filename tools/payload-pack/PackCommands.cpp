// pack and unpack: the two directions between a file and its payload.
#include "CliError.h"
#include "Commands.h"
#include "FileIO.h"
#include "packer/Pack.h"
#include "platform/Exceptions.h"

namespace {

// The updater's decoder reports a damaged payload as a stream read error
// (its message is in code page 932, so it is told here in plain words).
std::vector<std::uint8_t> Unpack(const std::vector<std::uint8_t>& payload, const std::string& path) {
    try {
        return packer::UnpackPayload(payload);
    } catch (const EReadError&) {
        throw CliError("'" + path + "' is not a well-formed payload: the decoder stopped with a read error");
    }
}

}  // namespace

// A payload is written only once the updater's decoder has turned it back
// into the very file it was made from.
int PackCommand(const Arguments& args) {
    const std::vector<std::uint8_t> file = ReadWholeFile(args[0]);
    const std::vector<std::uint8_t> payload = packer::PackPayload(file);
    bool reproduces;
    try {
        reproduces = packer::UnpackPayload(payload) == file;
    } catch (const EReadError&) {
        reproduces = false;
    }
    if (!reproduces) throw CliError("the payload made from '" + args[0] + "' does not decode to it; nothing written");
    WriteWholeFile(args[1], payload);
    return 0;
}

int UnpackCommand(const Arguments& args) {
    WriteWholeFile(args[1], Unpack(ReadWholeFile(args[0]), args[0]));
    return 0;
}
