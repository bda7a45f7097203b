#include "NewPuzzles.h"

#include "AskPerson.h"
#include "CheckedPrint.h"
#include "GenerationProgress.h"
#include "PrintPuzzlesDlg.h"
#include "ProfileSettings.h"
#include "PuzzleModel.h"
#include "PuzzleSheets.h"
#include "UserPrompts.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>

#include <random>

NewPuzzles::NewPuzzles(QWidget& window, PuzzleModel& model) : m_window(window), m_model(model) {}

bool NewPuzzles::Enter(Difficulty rating)
{
    if (!m_model.IsEnabled(PuzzleModel::Command::NewPuzzle))
        return false;
    const std::vector<Puzzle> puzzles =
        GeneratePuzzlesWithProgress(&m_window, NewPuzzleOptions(rating, std::random_device()()), 1);
    if (puzzles.empty())
        return false;  // cancelled
    m_model.EnterPuzzle(puzzles.front());
    return true;
}

void NewPuzzles::Print()
{
    // It starts with the choice accepted last time.
    ProfileSettings store;
    Settings settings(store);
    CPrintPuzzlesDlg dialog(settings.PrintPuzzles(), &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PrintPuzzlesChoice choice = dialog.Choice();
    settings.SetPrintPuzzles(choice);
    const std::vector<Puzzle> puzzles =
        GeneratePuzzlesWithProgress(&m_window, NewPuzzleOptions(choice.rating, std::random_device()()), choice.count);
    if (puzzles.empty())
        return;  // cancelled
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_window.windowTitle());
    if (!UserPrompts::Current().ConfirmPrint(&m_window, printer))
        return;
    QPainter painter;
    CheckedPrint print(printer);
    QString reason;
    if (print.Begin(painter)) {
        PaintPuzzleSheets(painter, printer, puzzles, choice.rating);
        if (print.Finish(painter, reason))
            return;
    }
    AskPerson(&m_window,
              reason.isEmpty() ? tr("The puzzles could not be printed.")
                               : tr("The puzzles could not be printed to %1: %2.")
                                     .arg(QDir::toNativeSeparators(print.FileName()), reason),
              QMessageBox::Ok);
}
