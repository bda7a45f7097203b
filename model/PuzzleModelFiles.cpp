// Opening and saving the puzzle: which reader a file needs, and what may be read at all.
#include "PuzzleModel.h"

#include "BoardFile.h"
#include "PuzzleFileIndex.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <utility>

namespace {

bool IsTextPuzzleFile(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".txt";
}

}  // namespace

PuzzleModel::OpenOutcome PuzzleModel::OpenFile(const std::filesystem::path& path)
{
    using Result = OpenOutcome::Result;
    // A folder, a FIFO or a device is no puzzle: reading one could block or read without end.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return {Result::NotAFile};
    Puzzle puzzle;
    std::shared_ptr<PuzzleFileIndex> collection;
    OpenOutcome opened{Result::Opened};
    if (IsTextPuzzleFile(path)) {
        // Read through once to count the puzzles; only the first is taken now.
        collection = std::make_shared<PuzzleFileIndex>();
        if (!collection->Build(path))
            return {Result::Unreadable};
        opened.notTextLine = collection->NotTextLine();
        opened.puzzlesRead = collection->Count();
        if (collection->Count() == 0)
            return {Result::NotABoard, collection->CellCount(), opened.notTextLine};
        if (collection->Read(0, puzzle) != PuzzleFileIndex::ReadResult::Read)
            return {Result::Unreadable};
        if (collection->Count() == 1)
            collection.reset();
    } else if (!ReadBoardFile(path, puzzle)) {
        return {Result::Unreadable};
    }
    const ChangeScope change(*this);
    if (!IsSet())
        m_collection.Open(std::move(collection));
    Open(puzzle);
    return opened;
}

bool PuzzleModel::SaveFile(const std::filesystem::path& path, BoardSaveFailure& failure)
{
    if (!WriteBoardFile(path, EnteredPuzzle(), &failure))
        return false;
    NoteSaved();
    return true;
}
