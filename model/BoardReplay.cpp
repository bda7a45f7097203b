#include "BoardReplay.h"

void BoardReplay::Start(const SolveOutcome& outcome)
{
    m_solver.Start(outcome.puzzle, outcome.steps);
    StartTechniques(outcome.puzzle, technique::Explanation());
    Show(Shown::Givens);
}

void BoardReplay::StartTechniques(const Puzzle& givens, const technique::Explanation& explanation)
{
    m_techniques.Start(givens, explanation);
    Show(m_shown);
}

bool BoardReplay::Choose(Path path)
{
    const bool changed = path != m_path;
    m_path = path;
    Show(m_shown);
    return changed;
}

int BoardReplay::StepCount() const
{
    return m_path == Path::Techniques ? m_techniques.StepCount() : m_solver.StepCount();
}

int BoardReplay::Position() const
{
    return m_path == Path::Techniques ? m_techniques.Position() : m_solver.Position();
}

void BoardReplay::GoTo(int position)
{
    if (m_path == Path::Techniques)
        m_techniques.GoTo(position);
    else
        m_solver.GoTo(position);
    Show(Shown::Steps);
}

void BoardReplay::Rewind()
{
    m_solver.GoTo(0);
    m_techniques.GoTo(0);
    Show(Shown::Givens);
}

void BoardReplay::ShowSolution()
{
    Show(Shown::Solution);
}

Puzzle BoardReplay::Digits(const SolveOutcome& outcome) const
{
    if (m_shown == Shown::Givens)
        return outcome.puzzle;
    if (m_shown == Shown::Solution)
        return outcome.board.Values();
    if (m_path == Path::Techniques)
        return m_techniques.Digits();
    return m_solver.Position() == m_solver.StepCount() ? outcome.board.Values() : m_solver.Digits();
}

CandidateMasks BoardReplay::Candidates() const
{
    return m_path == Path::Techniques ? m_techniques.Candidates() : m_solver.Candidates();
}

void BoardReplay::Show(Shown shown)
{
    m_shown = shown;
    if (m_shown != Shown::Steps)
        m_picture = StepPicture{};
    else if (m_path == Path::Techniques)
        m_picture = m_techniques.Picture();
    else
        m_picture = StepPicture{m_solver.Marks(), m_solver.Highlights(), ChainPicture()};
}

std::string BoardReplay::Sentence() const
{
    if (m_shown != Shown::Steps)
        return {};
    return m_path == Path::Techniques ? m_techniques.Sentence() : m_solver.Sentence();
}
