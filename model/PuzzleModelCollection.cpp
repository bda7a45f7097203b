// Moving through the text file of puzzles opened last.
#include "PuzzleModel.h"

#include "PuzzleFileIndex.h"

#include <algorithm>
#include <memory>

std::optional<PuzzleModel::CollectionPlace> PuzzleModel::Collection() const
{
    if (!m_collection)
        return std::nullopt;
    const std::size_t count = m_collection->Count();
    // From a place the file no longer holds, the neighbours are those of where it stood, kept
    // within the file.
    const std::size_t previous = std::min(m_collectionIndex, count);
    const std::size_t next = m_collectionIndex + 2 <= count ? m_collectionIndex + 2 : 0;
    return CollectionPlace{m_collectionPuzzleOnBoard ? m_collectionIndex + 1 : 0, count, m_collection->Path(),
                           previous, next, m_collection->NotTextLine()};
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
        // The place stands only while the file still holds the board's puzzle there.
        Puzzle there;
        m_collectionPuzzleOnBoard = m_collectionPuzzleOnBoard &&
                                    reread->Read(m_collectionIndex, there) == PuzzleFileIndex::ReadResult::Read &&
                                    there == m_savedPuzzle;
        m_collection = std::move(reread);
        return {Result::Changed};
    }
    }
    // Open fills the edit state only: a puzzle set (or solved) makes way first.
    if (m_bSet)
        Clear();
    Open(puzzle);
    // The verdicts judged the puzzle left; this one has none until it is set.
    m_strSolved.clear();
    m_strStatus.clear();
    m_collectionIndex = number - 1;
    m_collectionPuzzleOnBoard = true;
    return {Result::Moved};
}

PuzzleModel::MoveOutcome PuzzleModel::NextPuzzle()
{
    const std::optional<CollectionPlace> place = Collection();
    return GoToPuzzle(place ? place->next : 0);
}

PuzzleModel::MoveOutcome PuzzleModel::PreviousPuzzle()
{
    const std::optional<CollectionPlace> place = Collection();
    return GoToPuzzle(place ? place->previous : 0);
}
