// The solve-logic window of the main window: made when first shown, placed beside the main window,
// filled from the model, and kept on the step the replay shows; choosing a line or a tab in it
// drives the replay.
#pragma once

#include "TechniqueText.h"

#include <QCoreApplication>
#include <QString>

class CSolveLogicDlg;
class CSpreadSheet;
class QDialog;

class SolveLogicWindow {
    Q_DECLARE_TR_FUNCTIONS(CSuDokuDlg)

public:
    // owner: the main window, which the new window goes beside, never over its board.
    SolveLogicWindow(QDialog& owner, const CSpreadSheet& board, PuzzleModel& model);

    // Shows the window, with the model's steps, while the model allows it.
    void Show();
    // Refills the window with the model's steps while it is shown.
    void Update();
    // Selects the line of the step the replay shows.
    void Follow();
    void Hide();

    // The difficulty in words ("Difficulty 4.2 (XY-Wing)" by default, "4.2 — XY-Wing" for a title),
    // that the techniques are still being worked out, or empty while the puzzle set has no technique path.
    static QString DifficultyOf(const PuzzleModel& model,
                                QString (*words)(const PuzzleModel::TechniqueRating&) = DifficultyText);

private:
    void Create();
    void Fill();

    QDialog& m_owner;
    const CSpreadSheet& m_board;
    PuzzleModel& m_model;
    CSolveLogicDlg* m_window = nullptr;  // made when first shown; a child of the owner
};
