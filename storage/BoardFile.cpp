#include "BoardFile.h"

#include "FileDescriptor.h"
#include "FilePrefix.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kSavingMark = ".saving-";
constexpr std::size_t kSavingDigits = 6;
constexpr int kMaxLinkHops = 40;  // as the kernel allows when it resolves a path

bool Fail(BoardSaveFailure* failure, BoardSaveFailure::Reason reason, int systemError = 0)
{
    if (failure)
        *failure = {reason, systemError};
    return false;
}

bool FailWithErrno(BoardSaveFailure* failure, BoardSaveFailure::Reason reason)
{
    return Fail(failure, reason, errno);
}

// The file a save really replaces: a symbolic link is followed, so the link stays a link and the
// file it names gets the content.
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

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes the temporary file at path when no save is writing it: a save holds a lock on its
// temporary file from creation to rename, and the lock goes with the process that held it.
void RemoveIfStale(const fs::path& path)
{
    constexpr int kFlags = O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;
    int descriptor = ::open(path.c_str(), O_RDONLY | kFlags);
    if (descriptor < 0 && errno == EACCES)
        descriptor = ::open(path.c_str(), O_WRONLY | kFlags);  // kept with the replaced file's mode
    const FileDescriptor file(descriptor);
    struct stat opened {};
    if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return;
    if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0)
        return;  // a save is writing it
    // Still the file that was locked: the name may have been renamed away meanwhile.
    struct stat named {};
    if (::lstat(path.c_str(), &named) == 0 && SameFile(named, opened))
        ::unlink(path.c_str());
}

// A save that was killed leaves its temporary file behind; the next save of the same file removes it.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix)
{
    std::error_code error;
    for (fs::directory_iterator entry(folder.empty() ? fs::path(".") : folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= prefix.size() || name.size() > prefix.size() + kSavingDigits ||
            name.compare(0, prefix.size(), prefix) != 0)
            continue;
        if (name.find_first_not_of("0123456789", prefix.size()) == std::string::npos)
            RemoveIfStale(entry->path());
    }
}

// Creates a new temporary file beside the target and locks it, so that no other save takes it for
// a stale one; its descriptor, or -1 with errno set.
int CreateTemporary(const fs::path& folder, const std::string& prefix, mode_t mode, fs::path& temporary)
{
    std::random_device entropy;
    for (;;) {
        std::string number = std::to_string(entropy() % 1000000u);
        number.insert(0, kSavingDigits - number.size(), '0');
        temporary = folder / (prefix + number);
        FileDescriptor created(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (created.Get() < 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        // Another save may have found the file in the moment before the lock and removed it: then
        // it has no name any more, and a new one is made.
        struct stat locked {};
        if (::flock(created.Get(), LOCK_EX) != 0 || ::fstat(created.Get(), &locked) != 0)
            return -1;
        if (locked.st_nlink > 0)
            return created.Release();
    }
}

// The replaced file's owner and group stay where the system allows it (the owner only for the
// superuser, the group for its members), and its access whatever the umask; mode is set last,
// since a change of owner clears the set-user-ID bits.
void KeepOwnerAndMode(int descriptor, const struct stat& existing)
{
    if (::fchown(descriptor, existing.st_uid, existing.st_gid) != 0)
        static_cast<void>(::fchown(descriptor, static_cast<uid_t>(-1), existing.st_gid));
    static_cast<void>(::fchmod(descriptor, existing.st_mode & 07777));
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

bool WriteBoardFile(const fs::path& path, const Puzzle& puzzle, BoardSaveFailure* failure)
{
    return ReplaceFileContent(path, puzzle.ToLine('?'), failure);
}

bool ReplaceFileContent(const fs::path& path, const std::string& bytes, BoardSaveFailure* failure)
{
    const fs::path target = SaveTarget(path);
    const fs::path folder = target.parent_path();
    mode_t mode = 0666;  // narrowed by the umask, as for any new file
    bool replacing = false;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return Fail(failure, BoardSaveFailure::Reason::NotARegularFile);
        // Checked by the permission bits too, since they do not stop the superuser.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
            return Fail(failure, BoardSaveFailure::Reason::ReadOnly);
        mode = existing.st_mode & 07777;
        replacing = true;
    }

    const std::string prefix = SavingPrefix(target);
    RemoveStaleTemporaries(folder, prefix);
    fs::path temporary;
    errno = 0;
    // Held open, and so locked, until the rename is done.
    FileDescriptor file(CreateTemporary(folder, prefix, mode, temporary));
    if (file.Get() < 0)
        return FailWithErrno(failure, BoardSaveFailure::Reason::NotCreated);
    if (replacing)
        KeepOwnerAndMode(file.Get(), existing);
    errno = 0;
    // The content is on the disk before the rename, so a crash cannot leave an empty file behind
    // the name.
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0) {
        const bool reported = FailWithErrno(failure, BoardSaveFailure::Reason::NotWritten);
        ::unlink(temporary.c_str());
        return reported;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const bool reported = FailWithErrno(failure, BoardSaveFailure::Reason::NotReplaced);
        ::unlink(temporary.c_str());
        return reported;
    }
    return true;
}
