// New puzzles from the main window: one into the grid, as if typed, or a stack of them printed with
// their solutions. Both are made on a thread behind a progress window the person can cancel.
#pragma once

#include "Difficulty.h"

#include <QCoreApplication>

class PuzzleModel;
class QWidget;

class NewPuzzles {
    Q_DECLARE_TR_FUNCTIONS(CSuDokuDlg)

public:
    NewPuzzles(QWidget& window, PuzzleModel& model);

    // Puts a new puzzle of the rating into the grid (edit state); false when none came.
    bool Enter(Difficulty rating);
    // Prints a chosen number of new puzzles of a chosen rating, with their solutions; a print that
    // fails is reported.
    void Print();

private:
    QWidget& m_window;
    PuzzleModel& m_model;
};
