// The program's main window: the board grid with the step bar under it (Previous Step, the step's
// sentence, Next Step), the command buttons, the web-site button and the Solved, Unique, Status
// and Rating fields.
//
// The puzzle itself, its states and the rules of every command live in the PuzzleModel below the
// window: the handlers forward the person's clicks, keys and commands to it and show the dialogs
// the model's answers call for; whenever the model reports a change, Refresh draws what it shows.
// The window owns and wires the parts that do its larger jobs: the layout (MainLayout), the Options
// menu (OptionsActions), files and the clipboard (PuzzleTransfer), new puzzles (NewPuzzles), the
// solve-logic window (SolveLogicWindow), moving through a collection (CollectionMoves) and the
// person's own-digit switch and mark keys (COwnDigitsCommands). Every message box goes through UserPrompts, captioned
// "Vantrel Orvandel", without icon.
#pragma once

#include "CollectionMoves.h"
#include "ImageButton.h"
#include "MainLayout.h"
#include "MenuButton.h"
#include "NewPuzzles.h"
#include "OptionsActions.h"
#include "PuzzleModel.h"
#include "PuzzleTransfer.h"
#include "SolveLogicWindow.h"
#include "SpreadSheet.h"

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QString>

class CDigitHighlightCommands;
class COwnDigitsCommands;

class CSuDokuDlg : public QDialog {
    Q_OBJECT

public:
    // appPath is the application path: the folder, normally ending in '/', below which the
    // "Saved Games" folders lie; the saved-board dialogs start there.
    explicit CSuDokuDlg(const QString& appPath = QString(), QWidget* parent = nullptr);

    // The window's own menu (Close, About), offered on Alt+Space and on a right click outside the
    // grid, since window managers keep their title-bar menu to themselves.
    QMenu& SystemMenu() { return m_menuSystem; }

    // Opens the saved board at path into the grid, as Open does (see PuzzleTransfer::OpenFile).
    bool OpenBoardFile(const QString& path) { return m_transfer.OpenFile(path); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Escape, and Enter where it would reach Exit, close the window only after the person has
    // agreed to lose a puzzle that is not saved: such keys are easily pressed by mistake. Exit
    // itself, the title bar and Alt+F4 close without a question.
    void keyPressEvent(QKeyEvent* event) override;
    // Remembers the window's size in the settings when the person has made it larger.
    void hideEvent(QHideEvent* event) override;

private:
    // Set-up: the Options commands, in menu order, each with its text, handle, handler, shortcut,
    // picture and enabling; then the system menu and the start-up splash screen.
    void BuildOptionsMenu();
    void OnInitDialog();
    // Draws the model: the enabling at once; the cells, the step line and the verdicts too, unless
    // they are held back until a message about the change has been read (m_bBoardHeld).
    void Refresh();
    void EnableControls();
    // Shows the model's Status, Solved, Unique and Rating texts in the fields.
    void UpdateDataToWindow();
    void ShowSystemMenu(const QPoint& globalPosition);

    // Drawing the model's cells, and the person's cell editing.
    void ShowBoard();
    void OnGridClick(int column, int row);
    void OnGridRightClick(short clickKind, int column, int row, int x, int y);
    void OnGridDigit(int digit);

    // Board commands.
    void OnSetSuDoku();
    void OnSolveCell();
    void OnReset();
    void OnClear();
    void OnPrint();
    void OnShowCandidates();
    void OnNewPuzzle(Difficulty rating);
    void OnAbout();
    QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons);
    // Runs a move through the open collection, then gives the grid the keys again.
    void MoveInCollection(void (CollectionMoves::*move)());

    CImageButton m_btnWebSite;
    CMenuButton m_btnOptions;
    CSpreadSheet m_Grid;
    QIcon m_hIcon;
    PuzzleModel m_model;
    QMenu m_menuSystem;
    MainControls m_controls;
    OptionsActions m_options;
    PuzzleTransfer m_transfer;
    NewPuzzles m_newPuzzles;
    SolveLogicWindow m_solveLogic;
    CollectionMoves m_collection;
    COwnDigitsCommands* m_ownDigits = nullptr;  // a child of the window
    CDigitHighlightCommands* m_digitHighlight = nullptr;  // a child of the window
    bool m_bShowCandidates = false;  // remembered in the settings
    bool m_bBoardHeld = false;
};
