// The person's own work on a set puzzle: the Enter My Digits switch, remembered in the settings, and
// Shift+digit on the grid, which toggles that pencil mark in the cell with the focus. Digits and
// Space reach the own digits through the grid's usual keys; everything else the model decides.
#pragma once

#include <QObject>

class CSpreadSheet;
class PuzzleModel;
class QKeyEvent;
class QWidget;

class COwnDigitsCommands : public QObject {
    Q_OBJECT

public:
    // Turns the switch as the settings left it and watches the grid's keys; the window owns it.
    COwnDigitsCommands(PuzzleModel& model, CSpreadSheet& grid, QWidget& window);

    // Enter My Digits: turns the switch over and remembers it.
    void ToggleMyDigits();

    // The digit 1..9 of a main-keyboard digit key pressed with Shift, whatever symbol the layout
    // gives it; 0 for any other key, and where the layout types the digit itself with Shift.
    static int ShiftedDigit(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PuzzleModel& m_model;
    CSpreadSheet& m_grid;
    // The digit key that last set a mark, until its release.
    int m_heldKey = 0;
    quint32 m_heldScanCode = 0;
};
