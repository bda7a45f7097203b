// New puzzles: one into the grid, or a stack of them on paper.
#include "SuDokuDlg.h"

#include "CheckedPrint.h"
#include "GenerationProgress.h"
#include "PrintPuzzlesDlg.h"
#include "PuzzleSheets.h"
#include "UserPrompts.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>

#include <random>

void CSuDokuDlg::OnNewPuzzle(Difficulty rating)
{
    if (!m_model.IsEnabled(PuzzleModel::Command::NewPuzzle))
        return;
    const GeneratorOptions options{rating, true, std::random_device()()};
    const std::vector<Puzzle> puzzles = GeneratePuzzlesWithProgress(this, options, 1);
    if (puzzles.empty())
        return;  // cancelled
    m_model.EnterPuzzle(puzzles.front());
    m_Grid.setFocus();
}

void CSuDokuDlg::OnPrintPuzzles()
{
    CPrintPuzzlesDlg choice(this);
    if (choice.exec() != QDialog::Accepted)
        return;
    const GeneratorOptions options{choice.Rating(), true, std::random_device()()};
    const std::vector<Puzzle> puzzles = GeneratePuzzlesWithProgress(this, options, choice.Count());
    if (puzzles.empty())
        return;  // cancelled
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!UserPrompts::Current().ConfirmPrint(this, printer))
        return;
    QPainter painter;
    CheckedPrint print(printer);
    QString reason;
    if (print.Begin(painter)) {
        PaintPuzzleSheets(painter, printer, puzzles, choice.Rating());
        if (print.Finish(painter, reason))
            return;
    }
    Ask(reason.isEmpty() ? tr("The puzzles could not be printed.")
                         : tr("The puzzles could not be printed to %1: %2.")
                               .arg(QDir::toNativeSeparators(print.FileName()), reason),
        QMessageBox::Ok);
}
