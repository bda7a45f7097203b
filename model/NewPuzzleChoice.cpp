#include "NewPuzzleChoice.h"

#include <algorithm>

PrintPuzzlesChoice PrintPuzzlesChoice::FromStored(std::optional<int> count, std::optional<int> rating)
{
    PrintPuzzlesChoice choice;
    if (count)
        choice.count = std::clamp(*count, kFewest, kMost);
    for (const Difficulty offered : kDifficulties) {
        if (rating == static_cast<int>(offered))
            choice.rating = offered;
    }
    return choice;
}

GeneratorOptions NewPuzzleOptions(Difficulty rating, std::uint64_t seed)
{
    GeneratorOptions options;
    options.rating = rating;
    options.symmetric = true;
    options.seed = seed;
    return options;
}
