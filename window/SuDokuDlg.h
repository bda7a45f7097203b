// The program's main window: the board grid, the command buttons, the web-site button and the
// Solved, Unique, Status and Rating fields.
//
// The window is in the edit state (m_bSet false) while the person enters a puzzle: clicks, right
// clicks and keys change the grid's cells. "Set Su Doku" reads the grid into both boards, solves
// the working board silently and enters the set state, where the cells are locked and the
// solution can be revealed whole ("Solve") or cell by cell ("Solve Cell"). Only "Set Su Doku" and
// Reset enter the set state; only a confirmed Clear leaves it.
//
// Beside those commands: Copy puts the grid as shown on the clipboard as one line of 81 characters;
// Paste (edit state only) fills the grid from a puzzle in the clipboard's text. Cell edits and
// pastes in the edit state can be undone and redone; a confirmed Clear and an Open start a fresh
// history. After "Set Su Doku" the Unique field tells whether the puzzle has exactly one solution
// (counted apart from the search, which it never changes) and the Rating field how hard the search
// found it; both stay empty until then and again after a confirmed Clear.
//
// Every message box goes through UserPrompts, captioned "Vantrel Orvandel", without icon.
#pragma once

#include "ImageButton.h"
#include "MenuButton.h"
#include "SpreadSheet.h"
#include "SuDokuBoard.h"

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QUndoStack>

#include <cstddef>
#include <functional>

class QLineEdit;
class QPushButton;

class CSuDokuDlg : public QDialog {
    Q_OBJECT

public:
    // appPath is the application path: the folder, normally ending in '/', below which the
    // "Saved Games" folders lie; the saved-board dialogs start there.
    explicit CSuDokuDlg(const QString& appPath = QString(), QWidget* parent = nullptr);

    // The window's own menu (Close, About), offered on Alt+Space and on a right click outside the
    // grid, since window managers keep their title-bar menu to themselves.
    QMenu& SystemMenu() { return m_menuSystem; }
    // Runs a system command: the About item (any id whose upper twelve bits are 16) or Close.
    void OnSysCommand(int commandId);
    // Timer 12346 is the one-shot start-up timer that shows the splash screen; other ids do nothing.
    void OnTimer(int timerId);

    // Opens the saved board at path into both boards and the grid, as Open does (so for the edit
    // state). A path ending in ".txt" is read as puzzle text (its first puzzle); any other as a
    // saved board. A file that cannot be read changes nothing and returns false; so does a text
    // without a board, after a message that says how many cells it found.
    bool OpenBoardFile(const QString& path);

    // The cell text of a value ("?" for -1) and the value of a cell text (-1 unless one digit 1..9).
    static QString ValueToText(int value);
    static int TextToValue(const QString& text);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Set-up.
    void BuildLayout();
    void BuildOptionsMenu();
    void OnInitDialog();
    // Copies the Status, Solved, Unique and Rating texts between the members and the fields.
    void UpdateDataToWindow();
    void UpdateDataFromWindow();
    void ShowSystemMenu(const QPoint& globalPosition);

    // Board display and cell editing.
    void ReadGrid(CSuDokuBoard& board);
    void ShowBoard(const CSuDokuBoard& board);
    void OnGridClick(int column, int row);
    void OnGridDblClick(int column, int row);
    void OnGridRightClick(short clickKind, int column, int row, int x, int y);
    void OnGridKeyUp(short keyCode, short shiftState);
    // Writes a cell's new value in black: the empty text for -1, the digit otherwise.
    void WritePersonCell(int value);

    // Puzzles as text on the clipboard, and the undo history of the edit state's grid edits.
    void OnCopy();
    void OnPaste();
    // Runs an edit of the grid and records what it changed on the undo stack, if anything.
    void RecordGridEdit(const std::function<void()>& edit);
    void OnUndo();
    void OnRedo();
    // "<source> holds N cells; a board needs 81." for a text that is not one board.
    static QString NotABoardText(const QString& source, std::size_t cellCount);

    // Board commands.
    // Every text the Solved, Unique, Status and Rating fields can show.
    static QStringList VerdictTexts();
    void UpdateStatus();
    void EnableControls();
    void OnSetSuDoku();
    // Fills the Unique and Rating texts after the search of "Set Su Doku".
    void RateEnteredPuzzle(bool solved);
    void OnSolve();
    void OnSolveCell();
    void OnOptions();
    void OnReset();
    void OnClear();
    void ClearBoard();
    void OnPrint();
    void OnShowSolveLogic();
    QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons);

    // Windows of the application shell: the help text, the About box, the splash screen, the
    // maker's web site, and the saved-board file dialogs. A save that fails is reported; an Open
    // that cannot read its file is silent.
    void OnHelp();
    void OnAbout();
    void ShowSplash();
    void OnVisitWebSite();
    void OnOpenBoard();
    void OnSaveBoardAs();
    // Reads the first puzzle of a text file; false when there is none or the file cannot be read.
    bool ReadTextPuzzleFile(const QString& path, int values[81]);
    // Where Save As starts: the rating's folder below "Saved Games/", or that folder itself.
    QString SaveFolder() const;

    CImageButton m_btnWebSite;
    CMenuButton m_btnOptions;
    QString m_strStatus;
    QString m_strSolved;
    QString m_strUnique;  // "YES" or "NO"; empty before the first "Set Su Doku" and after Clear
    QString m_strRating;  // "Easy", "Mild", "Hard", "RiverAzevod", or empty (no rating)
    CSpreadSheet m_Grid;
    QIcon m_hIcon;
    QMenu m_menuOptions;
    CSuDokuBoard m_boardSolved;
    CSuDokuBoard m_boardEntered;
    bool m_bSet = false;
    StepList m_listLogic;
    int m_nSolutionCount = 0;  // of the puzzle that m_listLogic solves: 0, 1 or kSeveralSolutions
    QUndoStack m_undoStack;

    QString m_strAppPath;
    QMenu m_menuSystem;
    QTimer m_startupTimer{this};  // named "startupTimer"
    QPushButton* m_btnSetSuDoku = nullptr;
    QPushButton* m_btnSolve = nullptr;
    QPushButton* m_btnSolveCell = nullptr;
    QPushButton* m_btnHelp = nullptr;
    QPushButton* m_btnExit = nullptr;
    QLineEdit* m_editStatus = nullptr;
    QLineEdit* m_editSolved = nullptr;
    QLineEdit* m_editUnique = nullptr;
    QLineEdit* m_editRating = nullptr;
};
