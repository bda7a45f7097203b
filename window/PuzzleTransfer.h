// Puzzles into and out of the main window: Open, Save As and Save Game As with their file dialogs
// and the Save As folder, and the puzzle as text on the clipboard. Each forwards to the model and words its answer;
// a save that fails is reported, an Open that cannot read its file is silent.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstddef>

class PuzzleModel;
struct BoardSaveFailure;
struct GameFileReading;
class QWidget;

class PuzzleTransfer {
    Q_DECLARE_TR_FUNCTIONS(CSuDokuDlg)

public:
    // appPath: the folder, normally ending in '/', below which the "Saved Games" folders lie.
    PuzzleTransfer(QWidget& window, PuzzleModel& model, const QString& appPath);

    void Open();
    // Opens the file into the grid, as Open does. A game file, known by its content whatever its
    // name, is restored with as much of the game as is sound, after a message naming what was left
    // out. Otherwise a path ending in ".txt" is read as puzzle text
    // (its first puzzle); any other as a saved board. A file that cannot be read changes nothing
    // and returns false; so does a text without a board, after a message that says how many cells
    // it found, and anything but a regular file, after a message.
    bool OpenFile(const QString& path);
    void SaveAs();
    // Saves the whole game, the person's work with it, as a game file.
    void SaveGameAs();
    void Copy();
    void Paste();

    // Why a save failed, in words: the system's when it gave an error number.
    static QString SaveFailureText(const BoardSaveFailure& failure);

private:
    void OpenGame(const QString& path, const GameFileReading& reading);
    // Where Save As starts: the rating's folder, or the nearest that exists (the home folder when
    // none below the application path does), after a message, once a run, when one is missing.
    QString SaveAsFolder();
    // "<source> holds N cells; a board needs 81." for a text that is not one board.
    void TellNotABoard(const QString& source, std::size_t cellCount);

    QWidget& m_window;
    PuzzleModel& m_model;
    QString m_appPath;
    bool m_toldSaveFolderMissing = false;
};
