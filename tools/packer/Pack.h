// Whole files in, whole payloads out.
#pragma once

#include <cstdint>
#include <vector>

namespace packer {

// The smallest payload the optimal parse finds for the file.
std::vector<std::uint8_t> PackPayload(const std::vector<std::uint8_t>& file);

// The file a payload decodes to, by the updater's own decoder. Raises what
// the decoder raises for a malformed payload.
std::vector<std::uint8_t> UnpackPayload(const std::vector<std::uint8_t>& payload);

}  // namespace packer
