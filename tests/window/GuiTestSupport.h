// Helpers for the GUI tests: prompts that answer without showing anything, and ways to drive the
// main window as a person would (clicks, right clicks, keys, the Options menu).
#pragma once

#include "SpreadSheet.h"
#include "SuDokuDlg.h"
#include "RecordingPrompts.h"

#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPushButton;

CSpreadSheet& GridOf(CSuDokuDlg& dialog);
QPushButton* ButtonOf(CSuDokuDlg& dialog, const QString& text);
QString FieldOf(CSuDokuDlg& dialog, const QString& name);  // "Solved", "Unique", "Status" or "Rating"

// The grid's texts row by row: a cell's single character, '.' for an empty cell, '#' otherwise.
std::string GridText(CSpreadSheet& grid);
QString CellText(CSpreadSheet& grid, int column, int row);
QColor CellColor(CSpreadSheet& grid, int column, int row);

// Mouse and keys as a person uses them; the right click and double-click go through the window
// system so that they arrive as real button sequences.
void ClickCell(CSpreadSheet& grid, int column, int row);
void RightClickCell(CSpreadSheet& grid, int column, int row);
void DoubleClickCell(CSpreadSheet& grid, int column, int row, Qt::MouseButton button = Qt::LeftButton);
void TypeInCell(CSpreadSheet& grid, int column, int row, int qtKey, Qt::KeyboardModifiers modifiers = {});
// A key combination such as Ctrl+V pressed while the grid has the focus. The offscreen platform
// leaves a closed menu as the active window where a window manager gives the activation back to
// the main window; this does so first, since the window's shortcuts act only while it is active.
void PressKeysInGrid(CSuDokuDlg& dialog, int qtKey, Qt::KeyboardModifiers modifiers);
// Types an 81-character puzzle ("1".."9" digits, anything else empty) with the digit keys.
void TypePuzzle(CSpreadSheet& grid, const std::string& puzzle81);

// Drops the Options menu with Alt+O and picks the command by clicking it. A disabled command
// cannot be picked: the menu is then closed with nothing chosen. Returns whether the command was enabled.
bool ChooseOption(CSuDokuDlg& dialog, OptionsAction command);
// The texts of the Options menu's commands, in order, with "-" for separators, and which are enabled.
QStringList OptionTexts(CSuDokuDlg& dialog);
bool OptionEnabled(CSuDokuDlg& dialog, OptionsAction command);
// The command's action, found as accessibility tools find it, by its object name; nullptr when missing.
QAction* OptionAction(CSuDokuDlg& dialog, OptionsAction command);

// Opens the solve-logic window from the menu and gives its lines, each followed by '\n'; "not
// shown" when it did not open.
QString SolveLogicLines(CSuDokuDlg& dialog);

// Handles events until the window shows what its model worked out in the background: the hint
// asked for and the technique path.
void WaitForBackgroundWork(CSuDokuDlg& dialog);

// Runs `open` and, once a modal window appears, hands it to `inspect`, then closes it.
void WithModalWindow(const std::function<void()>& open, const std::function<void(QWidget*)>& inspect);

// A new main window with the given application path, shown, its start-up splash screen come and
// gone, and ready for input.
std::unique_ptr<CSuDokuDlg> ShowMainWindow(const QString& appPath = QString());

// A fixture with the main window shown over a temporary application folder (with its Saved Games
// folders) and the recording dialog seam installed.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    CSpreadSheet& Grid() { return GridOf(*dialog); }
    void Press(const QString& button);
    bool InEditState();
    // Types the puzzle and presses "Set Su Doku".
    void SetPuzzle(const std::string& puzzle81);
    // Every cell's text and colour, to tell that nothing at all changed.
    std::string Shown();
    // Writes a file into the Saved Games folder; returns its path.
    QString WriteSavedGame(const QString& name, const QByteArray& bytes) const;

    QTemporaryDir appFolder;
    QString appPath;
    RecordingPrompts prompts;
    std::unique_ptr<CSuDokuDlg> dialog;
};
