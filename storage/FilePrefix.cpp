#include "FilePrefix.h"

#include "FileDescriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

bool Fail(std::string* error, const char* reason)
{
    if (error)
        *error = reason;
    return false;
}

}  // namespace

bool ReadFilePrefix(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes, std::string* error)
{
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0)
        return Fail(error, std::strerror(errno));
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0)
        return Fail(error, std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return Fail(error, S_ISDIR(status.st_mode) ? "it is a directory" : "not a regular file");

    std::string read(maxBytes, '\0');
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t count = ::read(file.Get(), read.data() + filled, maxBytes - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Fail(error, std::strerror(errno));
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    read.resize(filled);
    bytes = std::move(read);
    return true;
}
