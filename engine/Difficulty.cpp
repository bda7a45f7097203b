#include "Difficulty.h"

#include <algorithm>

namespace {

// Every digit-set sentence, for columns, rows and squares alike, and no other sentence holds this.
constexpr const char* kDigitSetWording = "one of digits ";

bool UsesDigitSets(const StepList& steps)
{
    return std::any_of(steps.begin(), steps.end(),
                       [](const std::string& step) { return step.find(kDigitSetWording) != std::string::npos; });
}

}  // namespace

std::optional<Difficulty> RateSearch(bool solved, int guessLevel, const StepList& steps)
{
    return RateSearch(solved, guessLevel, solved && guessLevel == 0 && UsesDigitSets(steps));
}

std::optional<Difficulty> RateSearch(bool solved, int guessLevel, bool usedDigitSets)
{
    if (!solved)
        return std::nullopt;
    if (guessLevel >= 3)
        return Difficulty::RiverAzevod;
    if (guessLevel >= 1)
        return Difficulty::Hard;
    return usedDigitSets ? Difficulty::Mild : Difficulty::Easy;
}

const char* DifficultyName(Difficulty difficulty)
{
    switch (difficulty) {
    case Difficulty::Easy:
        return "Easy";
    case Difficulty::Mild:
        return "Mild";
    case Difficulty::Hard:
        return "Hard";
    case Difficulty::RiverAzevod:
        return "RiverAzevod";
    }
    return "";
}
