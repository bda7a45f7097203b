// The main window's controls and their places: the grid with the step bar under it, the column of
// command buttons with the web-site button and the four result fields beside it, and the tab order.
#pragma once

#include <QList>

class CImageButton;
class CMenuButton;
class CSpreadSheet;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

struct MainControls {
    QPushButton* setSuDoku = nullptr;
    QPushButton* solve = nullptr;
    QPushButton* solveCell = nullptr;
    QPushButton* help = nullptr;
    QPushButton* exit = nullptr;
    QLineEdit* status = nullptr;
    QLineEdit* solved = nullptr;
    QLineEdit* unique = nullptr;
    QLineEdit* rating = nullptr;
    QToolButton* previousStep = nullptr;
    QToolButton* nextStep = nullptr;
    QLabel* step = nullptr;  // the step's sentence, or a hint, on as many lines as it needs
};

// Makes the controls as children of window and lays them out with the ones the window owns itself.
// The button column is as wide as its widest text, or a verdict's, in the font in use.
MainControls BuildMainLayout(QDialog& window, CSpreadSheet& grid, CMenuButton& options, CImageButton& webSite);
