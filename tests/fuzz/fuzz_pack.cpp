// Packing any file and decoding the payload with the updater's decoder gives
// the file back, byte for byte.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "packer/Pack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> file(data, data + size);
    if (packer::UnpackPayload(packer::PackPayload(file)) != file) std::abort();
    return 0;
}
