// The game as one value: what the parts give up for keeping, and take back.
#include "PuzzleModel.h"

namespace {

constexpr std::uint16_t kAllDigits = 0x1FF;

bool IsDigit(int value)
{
    return value >= 1 && value <= 9;
}

}  // namespace

Game PuzzleModel::CurrentGame() const
{
    Game game;
    game.set = IsSet();
    game.ownDigitsOn = m_work.IsOn();
    if (const std::optional<CollectionPlace> place = Collection(); place && place->number != 0) {
        game.collection = place->path;
        game.number = place->number;
    }
    if (!game.set) {
        game.puzzle = m_work.Current().digits;
        return game;
    }
    game.puzzle = m_puzzle.Givens();
    game.ownDigits = m_work.Current().digits;
    game.ownMarks = m_work.Current().marks;
    game.revealed = m_revealed.Revealed();
    game.hintPlaced = m_revealed.HintPlaced();
    game.struck = m_revealed.Struck();
    return game;
}

bool PuzzleModel::RestoreGame(const Game& game)
{
    const ChangeScope change(*this);
    Clear();
    Open(game.puzzle);
    if (game.collection.empty() || !m_collection.Reopen(game.collection, game.number))
        m_collection.Open(nullptr);
    m_work.SetOn(game.ownDigitsOn);
    if (!game.set)
        return true;
    if (SetSuDoku() == SetOutcome::Inconsistent)
        return false;
    // Only what the puzzle can hold: work in the cells it leaves empty, hints' digits where they revealed one.
    OwnWork::State own;
    std::bitset<kCellCount> revealed;
    Puzzle hintPlaced;
    CandidateMasks struck{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto index = static_cast<std::size_t>(cell);
        if (!m_puzzle.Givens().IsEmpty(cell))
            continue;
        revealed[index] = game.revealed[index];
        struck[index] = game.struck[index] & kAllDigits;
        if (revealed[index]) {
            if (IsDigit(game.hintPlaced[cell]))
                hintPlaced[cell] = game.hintPlaced[cell];
            continue;
        }
        if (IsDigit(game.ownDigits[cell]))
            own.digits[cell] = game.ownDigits[cell];
        own.marks[index] = game.ownMarks[index] & kAllDigits;
    }
    m_revealed.Restore(revealed, hintPlaced, struck);
    m_work.Start(own);
    return true;
}
