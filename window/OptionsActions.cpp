#include "OptionsActions.h"

#include "Artwork.h"

#include <QAction>
#include <QWidget>

const char* ObjectName(OptionsAction action)
{
    switch (action) {
    case OptionsAction::Open: return "Open";
    case OptionsAction::SaveAs: return "SaveAs";
    case OptionsAction::SaveGameAs: return "SaveGameAs";
    case OptionsAction::NextPuzzle: return "NextPuzzle";
    case OptionsAction::PreviousPuzzle: return "PreviousPuzzle";
    case OptionsAction::GoToPuzzle: return "GoToPuzzle";
    case OptionsAction::Copy: return "Copy";
    case OptionsAction::Paste: return "Paste";
    case OptionsAction::Reset: return "Reset";
    case OptionsAction::Clear: return "Clear";
    case OptionsAction::Print: return "Print";
    case OptionsAction::PrintPuzzles: return "PrintPuzzles";
    case OptionsAction::ShowSolveLogic: return "ShowSolveLogic";
    case OptionsAction::ShowCandidates: return "ShowCandidates";
    case OptionsAction::PreviousStep: return "PreviousStep";
    case OptionsAction::NextStep: return "NextStep";
    case OptionsAction::Hint: return "Hint";
    case OptionsAction::EnterMyDigits: return "EnterMyDigits";
    case OptionsAction::CheckMyDigits: return "CheckMyDigits";
    case OptionsAction::FillInCandidates: return "FillInCandidates";
    case OptionsAction::CleanUpMarks: return "CleanUpMarks";
    case OptionsAction::ShowClashes: return "ShowClashes";
    case OptionsAction::About: return "About";
    }
    return "";
}

OptionsActions::OptionsActions(QWidget& window) : m_window(window), m_menu(QStringLiteral("OPTIONS"), &window)
{
    m_menu.setObjectName(QStringLiteral("Options"));
}

void OptionsActions::AddNewPuzzle(const std::function<void(Difficulty)>& enter)
{
    m_newPuzzle = m_menu.addMenu(tr("New Puzzle"));
    m_newPuzzle->setObjectName(QStringLiteral("NewPuzzle"));
    for (const Difficulty rating : kDifficulties) {
        const QString name = QString::fromLatin1(DifficultyName(rating));
        QAction* action = m_newPuzzle->addAction(name);
        action->setObjectName(QStringLiteral("NewPuzzle") + name);
        QObject::connect(action, &QAction::triggered, &m_window, [enter, rating] { enter(rating); });
    }
}

void OptionsActions::Add(std::initializer_list<OptionsCommand> commands)
{
    for (const OptionsCommand& command : commands) {
        if (!command.text) {
            m_menu.addSeparator();
            continue;
        }
        // The shortcut after a tab, in the words of the language in use ("Strg+C" in German); it
        // acts wherever the window is active.
        const QString text = tr(command.text);
        QAction* action = m_menu.addAction(
            command.key.isEmpty() ? text : text + u'\t' + command.key.toString(QKeySequence::NativeText));
        action->setObjectName(QString::fromLatin1(ObjectName(command.action)));
        m_actions[static_cast<size_t>(command.action)] = action;
        action->setShortcut(command.key);
        if (!command.picture.isEmpty())
            action->setIcon(Artwork::Load(command.picture));
        if (command.enabledBy)
            m_modelCommands.emplace_back(action, *command.enabledBy);
        m_window.addAction(action);
        QObject::connect(action, &QAction::triggered, &m_window, command.run);
    }
}

QAction& OptionsActions::Action(OptionsAction action)
{
    return *m_actions[static_cast<size_t>(action)];
}

void OptionsActions::Enable(const PuzzleModel& model)
{
    if (m_newPuzzle)
        m_newPuzzle->setEnabled(model.IsEnabled(PuzzleModel::Command::NewPuzzle));
    for (const auto& [action, command] : m_modelCommands)
        action->setEnabled(model.IsEnabled(command));
}
