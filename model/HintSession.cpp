#include "HintSession.h"

#include <utility>

void HintSession::Find(const technique::TechniqueBoard& board, const std::optional<Puzzle>& solution,
                       const std::function<void()>& finished)
{
    Drop();
    m_board = board;
    if (!finished) {
        ShowPattern(HintStep(m_board, solution));
        return;
    }
    m_stage = Stage::Working;
    m_work.Start(
        [board = m_board, solution](std::stop_token stop) mutable {
            board.SetStopToken(std::move(stop));
            return HintStep(board, solution);
        },
        finished);
}

bool HintSession::TakeFinished(bool wait)
{
    const std::optional<std::optional<TechniqueStep>> step = wait ? m_work.WaitAndTake() : m_work.TakeIfFinished();
    if (step)
        ShowPattern(*step);
    return step.has_value();
}

void HintSession::ShowPattern(const std::optional<TechniqueStep>& step)
{
    m_stage = Stage::None;
    if (!step) {
        m_stop = HintStop{HintStop::Reason::SeveralSolutions};
        return;
    }
    m_step = *step;
    m_look = LookOf(m_step, m_board);
    m_picture = PatternPicture(m_step, m_look, m_board);
    m_stage = Stage::Pattern;
}

void HintSession::ShowEffect()
{
    m_picture = EffectPicture(m_step, m_board);
    m_stage = Stage::Effect;
}

const TechniqueStep& HintSession::Take()
{
    m_picture = StepPicture{};
    for (const CellDigit& placement : m_step.placed)
        m_picture.marks[static_cast<std::size_t>(placement.cell)] = CellMark::StepCell;
    m_stage = Stage::Taken;
    return m_step;
}

void HintSession::Drop()
{
    m_work.Stop();
    m_stage = Stage::None;
    m_picture = StepPicture{};
    m_stop.reset();
}

std::string HintSession::Sentence() const
{
    return m_stage == Stage::Effect || m_stage == Stage::Taken ? TechniqueSentence(m_step) : std::string();
}
