// The technique finder's words in the interface's language: where a hint says to look, and the
// puzzle's difficulty on the technique scale. The technique names and sentences stay English, as
// the solver's sentences do.
#pragma once

#include "PuzzleModel.h"

#include <QString>

// "X-Wing: look at digit 7 in rows y=2 and y=8."
QString LookText(const TechniqueLook& look);
// "Difficulty 4.2 (XY-Wing)", and what a path with a guess needs.
QString DifficultyText(const PuzzleModel::TechniqueRating& rating);
// The same, short and number first for a window title, where the window manager cuts the end off:
// "4.2 — XY-Wing".
QString DifficultyTitle(const PuzzleModel::TechniqueRating& rating);
