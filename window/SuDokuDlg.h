// The program's main window: the board grid with the step bar under it (Previous Step, the step's
// sentence, Next Step), the command buttons, the web-site button and the Solved, Unique, Status
// and Rating fields.
//
// The puzzle itself, its states and the rules of every command live in the PuzzleModel below the
// window: the handlers forward the person's clicks, keys and commands to it and show the dialogs
// the model's answers call for; whenever the model reports a change, Refresh draws what it shows. Every message box goes through UserPrompts,
// captioned "Vantrel Orvandel", without icon.
#pragma once

#include "ImageButton.h"
#include "MenuButton.h"
#include "PuzzleModel.h"
#include "SpreadSheet.h"

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QString>

#include <cstddef>
#include <utility>
#include <vector>

class CSolveLogicDlg;
class QLineEdit;
class QPushButton;
class QToolButton;

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

    // Opens the saved board at path into the grid, as Open does (so for the edit state). A path
    // ending in ".txt" is read as puzzle text (its first puzzle, the rest to move through with Next
    // Puzzle); any other as a saved board. A file
    // that cannot be read changes nothing and returns false; so does a text without a board, after a
    // message that says how many cells it found, and anything but a regular file, after a message.
    bool OpenBoardFile(const QString& path);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Escape, and Enter where it would reach Exit, close the window only after the person has
    // agreed to lose a puzzle that is not saved: such keys are easily pressed by mistake. Exit
    // itself, the title bar and Alt+F4 close without a question.
    void keyPressEvent(QKeyEvent* event) override;
    // Remembers the window's size in the settings when the person has made it larger.
    void hideEvent(QHideEvent* event) override;

private:
    // Set-up.
    void BuildLayout();
    // Each command a named QAction with its text, shortcut, picture and enabling.
    void BuildOptionsMenu();
    void OnInitDialog();
    // Draws the model: the enabling at once; the cells, the step line and the verdicts too, unless
    // they are held back until a message about the change has been read (m_bBoardHeld).
    void Refresh();
    // Shows the model's Status, Solved, Unique and Rating texts in the fields.
    void UpdateDataToWindow();
    void ShowSystemMenu(const QPoint& globalPosition);
    // The size remembered from the last run, within the screen and never below the natural size.
    void RestoreWindowSize();

    // Drawing the model's cells, and the person's cell editing.
    void ShowBoard();
    void OnGridClick(int column, int row);
    void OnGridDblClick(int column, int row);
    void OnGridRightClick(short clickKind, int column, int row, int x, int y);
    void OnGridDigit(int digit);

    // Puzzles as text on the clipboard, and the undo history of the edit state.
    void OnCopy();
    void OnPaste();
    void OnUndo();
    void OnRedo();
    // "<source> holds N cells; a board needs 81." for a text that is not one board.
    static QString NotABoardText(const QString& source, std::size_t cellCount);

    // Board commands.
    void EnableControls();
    void OnSetSuDoku();
    void OnSolve();
    void OnSolveCell();
    void OnReset();
    void OnClear();
    void OnPrint();
    void OnShowSolveLogic();

    // The reasoning on the board: the candidates, the replay of the solve and the hint. The
    // solve-logic window, while open, follows the replay and drives it.
    void OnShowCandidates();
    void OnPreviousStep();
    void OnNextStep();
    void OnHint();
    void OnSolveLogicStepChosen(int step);
    // The replay walks the path of the tab chosen.
    void OnSolveLogicTabChosen(int tab);
    // Puts a new puzzle of the rating into the grid, as if typed (edit state).
    void OnNewPuzzle(Difficulty rating);
    // Prints a chosen number of new puzzles of a chosen rating, with their solutions.
    void OnPrintPuzzles();
    void ShowSolveLogicSteps();
    // "Difficulty 4.2 (XY-Wing)", or empty while the puzzle set has no technique path.
    QString TechniqueDifficultyText() const;
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
    // The text file of puzzles opened last: moving through it (asking first when the board holds a
    // puzzle of the person's), and the title that says where in it the board is.
    void OnNextPuzzle();
    void OnPreviousPuzzle();
    void OnGoToPuzzle();
    void MoveToPuzzle(std::size_t number);
    void UpdateWindowTitle();
    // Where Save As starts: the rating's folder, or the nearest that exists (the home folder when
    // none below the application path does), after a message, once a run, when one is missing.
    QString SaveAsFolder();

    CImageButton m_btnWebSite;
    CMenuButton m_btnOptions;
    CSpreadSheet m_Grid;
    QIcon m_hIcon;
    QMenu m_menuOptions;
    PuzzleModel m_model;

    QString m_strAppPath;
    QMenu m_menuSystem;
    QPushButton* m_btnSetSuDoku = nullptr;
    QPushButton* m_btnSolve = nullptr;
    QPushButton* m_btnSolveCell = nullptr;
    QPushButton* m_btnHelp = nullptr;
    QPushButton* m_btnExit = nullptr;
    QLineEdit* m_editStatus = nullptr;
    QLineEdit* m_editSolved = nullptr;
    QLineEdit* m_editUnique = nullptr;
    QLineEdit* m_editRating = nullptr;
    QToolButton* m_btnPreviousStep = nullptr;
    QToolButton* m_btnNextStep = nullptr;
    QLineEdit* m_editStep = nullptr;  // the step's sentence, or a hint
    QAction* m_actionShowCandidates = nullptr;
    QMenu* m_menuNewPuzzle = nullptr;
    // The Options commands the model enables.
    std::vector<std::pair<QAction*, PuzzleModel::Command>> m_modelCommands;
    bool m_bShowCandidates = false;  // remembered in the settings
    CSolveLogicDlg* m_dlgSolveLogic = nullptr;  // made when first shown
    bool m_bToldSaveFolderMissing = false;
    bool m_bBoardHeld = false;
};
