// Opening and saving the puzzle: which reader a file needs, and what may be read at all.
#include "PuzzleModel.h"

#include "BoardFile.h"
#include "PuzzleText.h"

#include <algorithm>
#include <cctype>

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
    if (IsTextPuzzleFile(path)) {
        PuzzleText text;
        if (!ReadFirstPuzzleFile(path, text))
            return {Result::Unreadable};
        if (!text.IsBoard())
            return {Result::NotABoard, text.cellCount};
        puzzle = text.puzzle;
    } else if (!ReadBoardFile(path, puzzle)) {
        return {Result::Unreadable};
    }
    Open(puzzle);
    return {Result::Opened};
}

bool PuzzleModel::SaveFile(const std::filesystem::path& path, BoardSaveFailure& failure)
{
    if (!WriteBoardFile(path, EnteredPuzzle(), &failure))
        return false;
    NoteSaved();
    return true;
}
