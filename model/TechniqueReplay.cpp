#include "TechniqueReplay.h"

#include <algorithm>

void TechniqueReplay::Start(const Puzzle& entered, const technique::Explanation& explanation)
{
    m_steps = explanation.steps;
    technique::TechniqueBoard board(entered);
    m_boards.assign(1, board);
    m_boards.reserve(m_steps.size() + 1);
    for (const TechniqueStep& step : m_steps) {
        board.Apply(step);
        m_boards.push_back(board);
    }
    m_position = 0;
}

void TechniqueReplay::GoTo(int position)
{
    m_position = std::clamp(position, 0, StepCount());
}

const TechniqueStep* TechniqueReplay::StepTaken() const
{
    return m_position > 0 ? &m_steps[Index() - 1] : nullptr;
}

StepPicture TechniqueReplay::Picture() const
{
    if (const TechniqueStep* step = StepTaken())
        return EffectPicture(*step, m_boards[Index() - 1]);
    return StepPicture{};
}
