// Moving through the text file of puzzles opened last (Next, Previous and Go To Puzzle), asking
// first when the board holds a puzzle of the person's, and the window title that says where.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstddef>

class PuzzleModel;
class QWidget;

class CollectionMoves {
    Q_DECLARE_TR_FUNCTIONS(CSuDokuDlg)

public:
    CollectionMoves(QWidget& window, PuzzleModel& model);

    void Next();
    void Previous();
    void GoTo();
    // "Vantrel Orvandel - Puzzle 2 of 1,465" while the board holds a puzzle of a collection, else
    // the program's title.
    QString WindowTitle() const;

private:
    void MoveTo(std::size_t number);

    QWidget& m_window;
    PuzzleModel& m_model;
};
