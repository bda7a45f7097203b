#include "BoardFile.h"

#include "FilePrefix.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kSavingMark = ".saving-";
constexpr std::size_t kSavingDigits = 6;
constexpr int kMaxLinkHops = 40;  // as the kernel allows when it resolves a path

bool Fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}

bool FailWithErrno(std::string* error, const char* fallback)
{
    return Fail(error, errno ? std::strerror(errno) : fallback);
}

// The file a save really replaces: a symbolic link is followed, so the link stays a link and the
// file it names gets the board.
fs::path SaveTarget(const fs::path& path)
{
    fs::path target = path;
    std::error_code error;
    for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(target, error); ++hop) {
        const fs::path link = fs::read_symlink(target, error);
        if (error)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

// The longest name the target's folder takes.
std::size_t NameLimit(const fs::path& folder)
{
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// The start of the temporary files' names for a target: its name, cut short where the mark and
// the number would make the name too long for the folder (never inside a UTF-8 character).
std::string SavingPrefix(const fs::path& target)
{
    std::string name = target.filename().string();
    const std::size_t room = NameLimit(target.parent_path()) - std::strlen(kSavingMark) - kSavingDigits;
    if (name.size() > room) {
        name.resize(room);
        while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80)
            name.pop_back();
        if (!name.empty() && (static_cast<unsigned char>(name.back()) & 0x80))
            name.pop_back();
    }
    return name + kSavingMark;
}

// A save that was killed leaves its temporary file behind; the next save of the board removes it.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix)
{
    std::error_code error;
    for (fs::directory_iterator entry(folder.empty() ? fs::path(".") : folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= prefix.size() || name.size() > prefix.size() + kSavingDigits ||
            name.compare(0, prefix.size(), prefix) != 0)
            continue;
        if (name.find_first_not_of("0123456789", prefix.size()) != std::string::npos)
            continue;
        std::error_code ignored;
        if (entry->is_regular_file(ignored))
            fs::remove(entry->path(), ignored);
    }
}

// Creates a new temporary file beside the target; its descriptor, or -1 with errno set.
int CreateTemporary(const fs::path& folder, const std::string& prefix, mode_t mode, fs::path& temporary)
{
    std::random_device entropy;
    for (;;) {
        std::string number = std::to_string(entropy() % 1000000u);
        number.insert(0, kSavingDigits - number.size(), '0');
        temporary = folder / (prefix + number);
        const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
}

bool WriteAll(int descriptor, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

}  // namespace

bool ReadBoardFile(const fs::path& path, Puzzle& puzzle)
{
    std::string bytes;
    if (!ReadFilePrefix(path, kCellCount, bytes))
        return false;
    puzzle = Puzzle::FromLine(bytes);
    return true;
}

bool WriteBoardFile(const fs::path& path, const Puzzle& puzzle, std::string* error)
{
    const std::string bytes = puzzle.ToLine('?');

    const fs::path target = SaveTarget(path);
    const fs::path folder = target.parent_path();
    mode_t mode = 0666;  // narrowed by the umask, as for any new file
    bool replacing = false;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return Fail(error, "it is not a regular file");
        // Checked by the permission bits too, since they do not stop the superuser.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
            return Fail(error, "the file is read-only");
        mode = existing.st_mode & 07777;
        replacing = true;
    }

    const std::string prefix = SavingPrefix(target);
    RemoveStaleTemporaries(folder, prefix);
    fs::path temporary;
    errno = 0;
    const int descriptor = CreateTemporary(folder, prefix, mode, temporary);
    if (descriptor < 0)
        return FailWithErrno(error, "the file could not be created");
    errno = 0;
    // The old file's access stays as it was, whatever the umask; and the board is on the disk
    // before the rename, so a crash cannot leave an empty file behind the name.
    bool written = WriteAll(descriptor, bytes) && (!replacing || ::fchmod(descriptor, mode) == 0) &&
                   ::fsync(descriptor) == 0;
    const int writeError = errno;
    written = ::close(descriptor) == 0 && written;
    if (!written) {
        errno = writeError ? writeError : errno;
        const bool reported = FailWithErrno(error, "the file could not be written");
        ::unlink(temporary.c_str());
        return reported;
    }

    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const bool reported = FailWithErrno(error, "the file could not be replaced");
        ::unlink(temporary.c_str());
        return reported;
    }
    return true;
}
