#include "FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CliError.h"

namespace {

constexpr long long kMaxFileSize = 0x7FFFFFFF;

[[noreturn]] void Fail(const std::string& path, const char* what) {
    throw CliError("cannot " + std::string(what) + " '" + path + "': " + std::strerror(errno));
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { if (fd_ >= 0) ::close(fd_); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// 0 when every byte is written, else the error that stopped the writing.
int WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY));
    if (file.get() < 0) Fail(path, "read");
    struct stat info;
    if (::fstat(file.get(), &info) != 0) Fail(path, "read");
    if (!S_ISREG(info.st_mode)) throw CliError("cannot read '" + path + "': not a regular file");
    if (info.st_size > kMaxFileSize)
        throw CliError("'" + path + "' holds 2^31 bytes or more; a payload describes less than 2^31");

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(path, "read");
        if (n == 0) throw CliError("cannot read '" + path + "': it shrank while being read");
        done += static_cast<std::size_t>(n);
    }
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) Fail(path, "write");
    int error = WriteAll(fd, bytes);
    if (::fchmod(fd, 0644) != 0 && error == 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        errno = error;
        Fail(path, "write");
    }
}
