// How hard a puzzle was for the solver, judged from what its search needed (SolvePuzzle). The names
// are those of the saved-board folders, so a rated puzzle can be filed where it belongs.
#pragma once

#include <optional>
#include <string_view>

enum class Difficulty {
    Easy,         // single-digit deductions alone
    Mild,         // logic alone, with at least one digit set
    Hard,         // one or two guesses on the chain that led to the solution
    RiverAzevod,  // three guesses or more
};
inline constexpr Difficulty kDifficulties[] = {Difficulty::Easy, Difficulty::Mild, Difficulty::Hard, Difficulty::RiverAzevod};

// "Easy", "Mild", "Hard" or "RiverAzevod": the folder name, also shown to the person.
const char* DifficultyName(Difficulty difficulty);
// The rating named by DifficultyName, in any case ("mild", "RIVERAZEVOD"); none for another name.
std::optional<Difficulty> DifficultyFromName(std::string_view name);
