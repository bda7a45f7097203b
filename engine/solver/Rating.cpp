#include "Rating.h"

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
