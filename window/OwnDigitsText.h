// The words for the person's own work: what Check found, and why a hint stops before a step.
#pragma once

#include <QString>

class PuzzleModel;

// The line under the board while Check's result or a stopped hint is on show; empty otherwise.
QString OwnDigitsText(const PuzzleModel& model);
