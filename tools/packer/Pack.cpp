#include "packer/Pack.h"

#include "packer/OptimalParse.h"
#include "packer/PayloadWriter.h"
#include "platform/Stream.h"
#include "update/DecodePayload.h"

namespace packer {

std::vector<std::uint8_t> PackPayload(const std::vector<std::uint8_t>& file) {
    return WritePayload(file.data(), file.size(), ParseOptimal(file.data(), file.size()));
}

std::vector<std::uint8_t> UnpackPayload(const std::vector<std::uint8_t>& payload) {
    TMemoryStream input(payload);
    TMemoryStream output;
    DecodePayload(input, output);
    return output.Bytes();
}

}  // namespace packer
