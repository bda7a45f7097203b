#include "TechniqueReplay.h"

#include <algorithm>

void TechniqueReplay::Start(const Puzzle& entered, const technique::Explanation& explanation)
{
    const std::vector<TechniqueStep>& steps = explanation.steps;
    StepReplay::Start(technique::TechniqueBoard(entered), steps,
                      [](technique::TechniqueBoard& board, const TechniqueStep& step) { board.Apply(step); });
    m_lines.clear();
    m_rating.reset();
    for (const TechniqueStep& step : steps) {
        const bool guess = step.technique == Technique::Guess;
        m_lines.push_back({guess ? std::nullopt : std::optional<double>(step.difficulty), TechniqueSentence(step)});
    }
    if (!explanation.explained || !explanation.hardest)
        return;
    // The technique of the hardest step, also where a guess comes after it.
    const auto hardest = std::find_if(steps.begin(), steps.end(), [&](const TechniqueStep& step) {
        return step.technique != Technique::Guess && step.difficulty == explanation.difficulty;
    });
    m_rating = TechniqueRating{explanation.difficulty, hardest == steps.end() ? "" : TechniqueName(hardest->technique),
                               *explanation.hardest == Technique::Guess};
}

StepPicture TechniqueReplay::Picture() const
{
    if (const TechniqueStep* step = StepTaken())
        return EffectPicture(*step, BoardBefore());
    return StepPicture{};
}

std::string TechniqueReplay::Sentence() const
{
    const TechniqueStep* step = StepTaken();
    return step ? TechniqueSentence(*step) : std::string();
}
