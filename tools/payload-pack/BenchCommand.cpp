// bench: packing time, in-memory decoding speed and, for scale, memcpy speed.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "Commands.h"
#include "FileIO.h"
#include "packer/Pack.h"
#include "platform/Stream.h"
#include "update/DecodePayload.h"

namespace {

constexpr int kRuns = 15;

// <chrono> is left out: its unit suffix "µs" has no code page 932 form.
double Now() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// An output stream over a buffer allocated beforehand, so that decoding is
// timed without the growth of a memory stream.
class BufferSink : public TStream {
public:
    explicit BufferSink(std::vector<std::uint8_t>& buffer) : buffer_(buffer) {}
    std::int32_t Read(void*, std::int32_t) override { return 0; }
    std::int32_t Write(const void* bytes, std::int32_t count) override {
        const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes, n);
        used_ += n;
        return static_cast<std::int32_t>(n);
    }

private:
    std::vector<std::uint8_t>& buffer_;
    std::size_t used_ = 0;
};

double FastestDecodeSeconds(const std::vector<std::uint8_t>& payload, std::vector<std::uint8_t>& output) {
    double fastest = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        TMemoryStream input(payload);
        BufferSink sink(output);
        const double start = Now();
        DecodePayload(input, sink);
        fastest = std::min(fastest, Now() - start);
    }
    return fastest;
}

double FastestMemcpySeconds(const std::vector<std::uint8_t>& from, std::vector<std::uint8_t>& to) {
    double fastest = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        const double start = Now();
        std::memcpy(to.data(), from.data(), from.size());
        fastest = std::min(fastest, Now() - start);
    }
    return fastest;
}

}  // namespace

int BenchCommand(const Arguments& args) {
    for (const std::string& path : args) {
        const std::vector<std::uint8_t> file = ReadWholeFile(path);
        const double megabytes = static_cast<double>(file.size()) / 1e6;

        const double start = Now();
        const std::vector<std::uint8_t> payload = packer::PackPayload(file);
        const double packSeconds = Now() - start;

        std::vector<std::uint8_t> output(file.size());
        const double decodeSeconds = FastestDecodeSeconds(payload, output);
        const bool decodedRight = output == file;
        const double memcpySeconds = FastestMemcpySeconds(file, output);

        std::printf("%s bytes=%zu packed=%zu ratio=%.4f pack_s_per_mb=%.3f decode_mb_s=%.0f memcpy_gb_s=%.1f%s\n",
                    path.c_str(), file.size(), payload.size(),
                    static_cast<double>(payload.size()) / std::max<double>(1, file.size()),
                    packSeconds / megabytes, megabytes / decodeSeconds, megabytes / 1e3 / memcpySeconds,
                    decodedRight ? "" : " DECODED-WRONG");
        if (!decodedRight) return 1;
    }
    return 0;
}
