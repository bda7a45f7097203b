// Moving through the text file of puzzles opened last.
#include "PuzzleModel.h"

PuzzleModel::MoveOutcome PuzzleModel::GoToPuzzle(std::size_t number)
{
    const std::optional<CollectionPlace> place = Collection();
    if (!place || number < 1 || number > place->count)
        return {MoveOutcome::Result::NoSuchPuzzle};
    const ChangeScope change(*this);
    Puzzle puzzle;
    const MoveOutcome moved = m_collection.Go(number, m_savedPuzzle, puzzle);
    if (moved.result != MoveOutcome::Result::Moved)
        return moved;
    // Open fills the edit state only: a puzzle set (or solved) makes way first.
    if (IsSet())
        Clear();
    Open(puzzle);
    // The verdicts judged the puzzle left; this one has none until it is set.
    m_puzzle.HideJudgement();
    return moved;
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
