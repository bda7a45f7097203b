#include "Difficulty.h"

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
