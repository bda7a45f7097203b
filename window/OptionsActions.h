// The menu the Options button drops: New Puzzle with one item per rating, then the commands, each a
// named QAction with its text, shortcut, picture and the model's enabling. Its actions are added to
// the window too, so their shortcuts act wherever the window is active.
#pragma once

#include "Difficulty.h"
#include "PuzzleModel.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QWidget;

struct OptionsCommand {
    const char* text = nullptr;  // in the window's translation context; null for a separator
    const char* name = nullptr;  // the action's object name
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
    // The action of that object name, or nullptr.
    QAction* Action(const char* name);
    // Enables each command as the model allows.
    void Enable(const PuzzleModel& model);

private:
    QWidget& m_window;
    QMenu m_menu;
    QMenu* m_newPuzzle = nullptr;
    std::vector<std::pair<QAction*, PuzzleModel::Command>> m_modelCommands;
};
