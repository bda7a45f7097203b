// The menu the Options button drops: New Puzzle with one item per rating, then the commands, each a
// QAction with its text, shortcut, picture and the model's enabling, reached by its OptionsAction
// handle. Its actions are added to the window too, so their shortcuts act wherever the window is active.
#pragma once

#include "Difficulty.h"
#include "PuzzleModel.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QString>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QWidget;

// The commands of the menu, so that a misspelt one does not compile. About stays last.
enum class OptionsAction {
    Open,
    SaveAs,
    SaveGameAs,
    NextPuzzle,
    PreviousPuzzle,
    GoToPuzzle,
    Copy,
    Paste,
    Reset,
    Clear,
    Print,
    PrintPuzzles,
    ShowSolveLogic,
    ShowCandidates,
    PreviousStep,
    NextStep,
    Hint,
    EnterMyDigits,
    CheckMyDigits,
    FillInCandidates,
    CleanUpMarks,
    ShowClashes,
    About,
};
inline constexpr int kOptionsActionCount = static_cast<int>(OptionsAction::About) + 1;

// The QAction's object name, by which accessibility tools and tests find it: the handle's own name.
const char* ObjectName(OptionsAction action);

struct OptionsCommand {
    const char* text = nullptr;  // in the window's translation context; null for a separator
    OptionsAction action = {};
    std::function<void()> run;
    QKeySequence key = {};
    QString picture = {};
    std::optional<PuzzleModel::Command> enabledBy = {};  // none: always enabled
};

class OptionsActions {
    Q_DECLARE_TR_FUNCTIONS(CSuDokuDlg)

public:
    explicit OptionsActions(QWidget& window);

    QMenu& Menu() { return m_menu; }
    void AddNewPuzzle(const std::function<void(Difficulty)>& enter);
    // The commands in menu order.
    void Add(std::initializer_list<OptionsCommand> commands);
    // The command's action; every command is added before it is asked for.
    QAction& Action(OptionsAction action);
    // Enables each command as the model allows.
    void Enable(const PuzzleModel& model);

private:
    QWidget& m_window;
    QMenu m_menu;
    QMenu* m_newPuzzle = nullptr;
    std::array<QAction*, kOptionsActionCount> m_actions = {};
    std::vector<std::pair<QAction*, PuzzleModel::Command>> m_modelCommands;
};
