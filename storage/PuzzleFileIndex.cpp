#include "PuzzleFileIndex.h"

#include "FileDescriptor.h"
#include "PuzzleText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Puzzles between two places reading can start again: reaching any puzzle reads at most this
// many, a few kilobytes of a one-a-line collection, and the index of 50,000 stays small.
constexpr std::size_t kResumeStride = 64;
// Nor more bytes than this between two such places, so that long comments, notes or lines that
// make no puzzle are not read again at every move; the index of a file at the size bound holds
// some thousands of them.
constexpr std::size_t kResumeBytes = 32 * 1024;
constexpr std::size_t kChunkBytes = 64 * 1024;

bool Fail(std::string* error, const char* reason)
{
    if (error)
        *error = reason;
    return false;
}

class PuzzleCounter : public PuzzleTextReceiver {
public:
    bool OnPuzzle(const Puzzle&) override
    {
        ++count;
        return true;
    }
    void OnProblem(const PuzzleTextProblem& problem) override
    {
        if (problem.kind == PuzzleTextProblem::Kind::NotText)
            notTextLine = problem.firstLine;
    }

    std::size_t count = 0;
    long notTextLine = 0;
};

// Passes over `skip` puzzles and keeps the next.
class PuzzleFinder : public PuzzleTextReceiver {
public:
    explicit PuzzleFinder(std::size_t skip) : m_skip(skip) {}

    bool OnPuzzle(const Puzzle& puzzle) override
    {
        if (m_skip > 0) {
            --m_skip;
            return true;
        }
        found = puzzle;
        return false;
    }
    void OnProblem(const PuzzleTextProblem&) override {}

    std::optional<Puzzle> found;

private:
    std::size_t m_skip;
};

// Reads the next piece of the file at offset, within kMaxCollectionBytes: its size, 0 at the end,
// -1 on an error.
ssize_t ReadChunk(int descriptor, std::size_t offset, char* buffer)
{
    const std::size_t wanted = std::min(kChunkBytes, kMaxCollectionBytes - offset);
    if (wanted == 0)
        return 0;
    for (;;) {
        const ssize_t count = ::pread(descriptor, buffer, wanted, static_cast<off_t>(offset));
        if (count >= 0 || errno != EINTR)
            return count;
    }
}

// Opens without waiting for a writer, so a FIFO put in place of the file cannot block.
int OpenForReading(const std::filesystem::path& path)
{
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

}  // namespace

bool PuzzleFileIndex::Stamp::operator==(const Stamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

bool PuzzleFileIndex::StampOf(int descriptor, Stamp& stamp, std::string* error)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return Fail(error, std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return Fail(error, S_ISDIR(status.st_mode) ? "it is a directory" : "not a regular file");
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    stamp.size = status.st_size;
    stamp.modified = status.st_mtim;
    return true;
}

bool PuzzleFileIndex::Build(const std::filesystem::path& path, std::string* error)
{
    const FileDescriptor file(OpenForReading(path));
    if (file.Get() < 0)
        return Fail(error, std::strerror(errno));
    Stamp stamp;
    if (!StampOf(file.Get(), stamp, error))
        return false;

    PuzzleCounter counter;
    PuzzleLineReader reader(counter);
    std::vector<Resume> resumes{{0, 0}};
    std::vector<char> buffer(kChunkBytes);
    std::size_t offset = 0;
    bool reading = true;
    bool atEnd = false;
    while (reading && !atEnd) {
        const ssize_t count = ReadChunk(file.Get(), offset, buffer.data());
        if (count < 0)
            return Fail(error, std::strerror(errno));
        atEnd = count == 0;
        std::string_view chunk(buffer.data(), static_cast<std::size_t>(count));
        // Line by line, so that a line end where nothing is gathered can be noted as a fresh start.
        while (reading && !chunk.empty()) {
            const std::size_t lineEnd = chunk.find('\n');
            const std::size_t taken = lineEnd == std::string_view::npos ? chunk.size() : lineEnd + 1;
            reading = reader.Feed(chunk.substr(0, taken));
            offset += taken;
            chunk.remove_prefix(taken);
            if (reading && lineEnd != std::string_view::npos && !reader.Gathering() &&
                (counter.count - resumes.back().puzzlesBefore >= kResumeStride ||
                 offset - resumes.back().offset >= kResumeBytes))
                resumes.push_back({offset, counter.count});
        }
    }
    // A file cut short by the bound ends in the middle of a line, which makes no puzzle.
    if (reading && offset < kMaxCollectionBytes)
        reader.Finish();

    m_path = path;
    m_stamp = stamp;
    m_count = counter.count;
    m_cellCount = reader.CellCount();
    m_notTextLine = counter.notTextLine;
    m_resumes = std::move(resumes);
    return true;
}

PuzzleFileIndex::ReadResult PuzzleFileIndex::Read(std::size_t index, Puzzle& puzzle) const
{
    if (index >= m_count)
        return ReadResult::Changed;
    const FileDescriptor file(OpenForReading(m_path));
    Stamp stamp;
    if (file.Get() < 0 || !StampOf(file.Get(), stamp, nullptr))
        return ReadResult::Unreadable;
    if (!(stamp == m_stamp))
        return ReadResult::Changed;

    // The last place with no more puzzles before it than wanted: the nearest before the puzzle.
    const auto after = std::upper_bound(m_resumes.begin(), m_resumes.end(), index,
                                        [](std::size_t wanted, const Resume& resume) { return wanted < resume.puzzlesBefore; });
    const Resume& resume = *(after - 1);
    PuzzleFinder finder(index - resume.puzzlesBefore);
    PuzzleLineReader reader(finder);
    std::vector<char> buffer(kChunkBytes);
    std::size_t offset = resume.offset;
    bool reading = true;
    while (reading) {
        const ssize_t count = ReadChunk(file.Get(), offset, buffer.data());
        if (count < 0)
            return ReadResult::Unreadable;
        if (count == 0) {
            if (offset < kMaxCollectionBytes)
                reader.Finish();
            break;
        }
        reading = reader.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
        offset += static_cast<std::size_t>(count);
    }
    // Written over in the same second with the same size, say: the puzzle is not where it was.
    if (!finder.found)
        return ReadResult::Changed;
    puzzle = *finder.found;
    return ReadResult::Read;
}
