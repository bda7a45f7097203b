// The commands of the person's own work on a set puzzle: Enter My Digits (a switch, remembered in
// the settings), Check My Digits and Fill In Candidates in the Options menu, and Shift+digit on the
// grid, which toggles that pencil mark in the cell with the focus. Digits and Space reach the own
// digits through the grid's usual keys; everything else the model decides.
#pragma once

#include <QObject>

class CSpreadSheet;
class PuzzleModel;
class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

class COwnDigitsCommands : public QObject {
    Q_OBJECT

public:
    // Watches the grid's keys and enables the commands as the model changes; the window owns it.
    COwnDigitsCommands(PuzzleModel& model, CSpreadSheet& grid, QWidget& window);

    // Puts the three commands into the menu before `before` (at its end when null); their keys act
    // wherever the window is active.
    void AddTo(QMenu& menu, QAction* before);

    // The digit 1..9 of a main-keyboard digit key pressed with Shift, whatever symbol the layout
    // gives it; 0 for any other key, and where the layout types the digit itself with Shift.
    static int ShiftedDigit(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnEnterMyDigits();
    void OnCheckMyDigits();
    void OnFillInCandidates();
    void Enable();

    PuzzleModel& m_model;
    CSpreadSheet& m_grid;
    QWidget& m_window;
    QAction* m_actionEnter = nullptr;
    QAction* m_actionCheck = nullptr;
    QAction* m_actionFillIn = nullptr;
    // The digit key that last set a mark, until its release.
    int m_heldKey = 0;
    quint32 m_heldScanCode = 0;
};
