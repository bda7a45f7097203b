#include "Difficulty.h"

#include <algorithm>

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

std::optional<Difficulty> DifficultyFromName(std::string_view name)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (const Difficulty difficulty :
         {Difficulty::Easy, Difficulty::Mild, Difficulty::Hard, Difficulty::RiverAzevod}) {
        const std::string_view known = DifficultyName(difficulty);
        if (std::equal(name.begin(), name.end(), known.begin(), known.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }))
            return difficulty;
    }
    return std::nullopt;
}
