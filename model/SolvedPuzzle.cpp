#include "SolvedPuzzle.h"

#include "Difficulty.h"

namespace {

const std::string kYes = "YES";
const std::string kNo = "NO";
const std::string kConsistent = "OK";
const std::string kInconsistent = "INCONSISTENT";

}  // namespace

bool SolvedPuzzle::Solve(const Puzzle& puzzle)
{
    SolvePuzzle(puzzle, m_outcome);
    m_set = m_outcome.result != SolveResult::Inconsistent;
    m_judged = true;
    return m_set;
}

void SolvedPuzzle::Clear()
{
    m_outcome = SolveOutcome();
    m_set = false;
    m_judged = true;
}

std::string SolvedPuzzle::Solved() const
{
    if (!m_judged)
        return {};
    return m_outcome.board.IsSolved() ? kYes : kNo;
}

std::string SolvedPuzzle::Status() const
{
    if (!m_judged)
        return {};
    return m_outcome.board.IsConsistent() ? kConsistent : kInconsistent;
}

std::string SolvedPuzzle::Unique() const
{
    if (!m_set)
        return {};
    return HasOneSolution() ? kYes : kNo;
}

std::string SolvedPuzzle::Rating() const
{
    return m_set && m_outcome.rating ? DifficultyName(*m_outcome.rating) : std::string();
}

std::vector<std::string> SolvedPuzzle::VerdictTexts()
{
    std::vector<std::string> texts = {kYes, kNo, kConsistent, kInconsistent};
    for (const Difficulty rating : kDifficulties)
        texts.emplace_back(DifficultyName(rating));
    return texts;
}
