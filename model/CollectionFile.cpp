#include "CollectionFile.h"

#include "PuzzleFileIndex.h"

#include <algorithm>
#include <utility>

void CollectionFile::Open(std::shared_ptr<const PuzzleFileIndex> index)
{
    m_index = std::move(index);
    m_position = 0;
    m_puzzleOnBoard = true;
}

bool CollectionFile::Reopen(const std::filesystem::path& path, std::size_t number)
{
    m_index.reset();
    auto index = std::make_shared<PuzzleFileIndex>();
    if (number < 1 || !index->Build(path) || index->Count() < 2 || number > index->Count())
        return false;
    m_index = std::move(index);
    m_position = number - 1;
    m_puzzleOnBoard = true;
    return true;
}

std::optional<CollectionPlace> CollectionFile::Place() const
{
    if (!m_index)
        return std::nullopt;
    const std::size_t count = m_index->Count();
    // From a place the file no longer holds, the neighbours are those of where it stood, kept
    // within the file.
    const std::size_t previous = std::min(m_position, count);
    const std::size_t next = m_position + 2 <= count ? m_position + 2 : 0;
    return CollectionPlace{m_puzzleOnBoard ? m_position + 1 : 0, count, m_index->Path(), previous, next,
                           m_index->NotTextLine()};
}

bool CollectionFile::HasPrevious() const
{
    return m_index && m_position > 0;
}

bool CollectionFile::HasNext() const
{
    return m_index && m_position + 1 < m_index->Count();
}

CollectionMove CollectionFile::Go(std::size_t number, const Puzzle& onBoard, Puzzle& puzzle)
{
    using Result = CollectionMove::Result;
    if (!m_index || number < 1 || number > m_index->Count())
        return {Result::NoSuchPuzzle};
    switch (m_index->Read(number - 1, puzzle)) {
    case PuzzleFileIndex::ReadResult::Read: break;
    case PuzzleFileIndex::ReadResult::Unreadable:
        m_index.reset();
        return {Result::Unreadable};
    case PuzzleFileIndex::ReadResult::Changed: {
        // Whatever the person meant by the number, it meant the file as it was.
        auto reread = std::make_shared<PuzzleFileIndex>();
        if (!reread->Build(m_index->Path()) || reread->Count() == 0) {
            m_index.reset();
            return {Result::Unreadable};
        }
        // The place stands only while the file still holds the board's puzzle there.
        Puzzle there;
        m_puzzleOnBoard = m_puzzleOnBoard && reread->Read(m_position, there) == PuzzleFileIndex::ReadResult::Read &&
                          there == onBoard;
        m_index = std::move(reread);
        return {Result::Changed};
    }
    }
    m_position = number - 1;
    m_puzzleOnBoard = true;
    return {Result::Moved};
}
