// The words for the person's own work: what Check found, and a hint that stops at a wrong own digit.
#pragma once

#include <QString>

class PuzzleModel;

// The line under the board while Check's result or such a hint is on show; empty otherwise.
QString OwnDigitsText(const PuzzleModel& model);
