// Looking at one digit across the board: Alt+1 to Alt+9 highlight it (the same again clears it),
// Escape clears it while one is highlighted and keeps its other meanings otherwise; and the two
// switches that go with placing own digits, Clean Up My Marks and Show Clashes, remembered in the
// settings.
#pragma once

#include <QObject>

class CSpreadSheet;
class PuzzleModel;
class QShortcut;
class QWidget;

class CDigitHighlightCommands : public QObject {
    Q_OBJECT

public:
    // Turns the switches as the settings left them and adds the keys to the window, which owns it.
    CDigitHighlightCommands(PuzzleModel& model, CSpreadSheet& grid, QWidget& window);

    // Turn a switch over and remember it.
    void ToggleCleanMarks();
    void ToggleShowClashes();
    // Escape takes its highlighting meaning only while a digit is highlighted.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PuzzleModel& m_model;
    CSpreadSheet& m_grid;
    QShortcut* m_clear = nullptr;
    // The digit key whose press highlighted, until its release, which must not type the digit.
    int m_heldKey = 0;
};
