// Moving through the text file of puzzles opened last.
#include "PuzzleModel.h"

#include "PuzzleFileIndex.h"

#include <algorithm>
#include <memory>

std::optional<PuzzleModel::CollectionPlace> PuzzleModel::Collection() const
{
    if (!m_collection)
        return std::nullopt;
    return CollectionPlace{m_collectionIndex + 1, m_collection->Count(), m_collection->Path()};
}

PuzzleModel::MoveOutcome PuzzleModel::GoToPuzzle(std::size_t number)
{
    using Result = MoveOutcome::Result;
    if (!m_collection || number < 1 || number > m_collection->Count())
        return {Result::NoSuchPuzzle};
    const ChangeScope change(*this);
    Puzzle puzzle;
    switch (m_collection->Read(number - 1, puzzle)) {
    case PuzzleFileIndex::ReadResult::Read: break;
    case PuzzleFileIndex::ReadResult::Unreadable:
        m_collection.reset();
        return {Result::Unreadable};
    case PuzzleFileIndex::ReadResult::Changed: {
        // Whatever the person meant by the number, it meant the file as it was.
        auto reread = std::make_shared<PuzzleFileIndex>();
        if (!reread->Build(m_collection->Path()) || reread->Count() == 0) {
            m_collection.reset();
            return {Result::Unreadable};
        }
        m_collectionIndex = std::min(m_collectionIndex, reread->Count() - 1);
        m_collection = std::move(reread);
        return {Result::Changed};
    }
    }
    // Open fills the edit state only: a puzzle set (or solved) makes way first.
    if (m_bSet)
        Clear();
    Open(puzzle);
    m_collectionIndex = number - 1;
    return {Result::Moved};
}

PuzzleModel::MoveOutcome PuzzleModel::NextPuzzle()
{
    return GoToPuzzle(m_collectionIndex + 2);
}

PuzzleModel::MoveOutcome PuzzleModel::PreviousPuzzle()
{
    return GoToPuzzle(m_collectionIndex);
}
