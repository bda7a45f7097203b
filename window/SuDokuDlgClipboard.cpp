// Puzzles as text through the clipboard, and the undo history of the person's grid edits.
#include "SuDokuDlg.h"

#include "GridEditCommand.h"
#include "PuzzleText.h"

#include <QClipboard>
#include <QGuiApplication>

#include <string_view>

QString CSuDokuDlg::NotABoardText(const QString& source, std::size_t cellCount)
{
    const QString cells = cellCount == 0   ? QStringLiteral("no cells")
                          : cellCount == 1 ? QStringLiteral("1 cell")
                                           : QStringLiteral("%1 cells").arg(cellCount);
    return QStringLiteral("%1 holds %2; a board needs %3.").arg(source, cells).arg(PuzzleText::kBoardCells);
}

void CSuDokuDlg::OnCopy()
{
    // The grid as shown: a revealed digit is copied, a "?" or any other text is an empty cell.
    const BoardPicture cells = m_Grid.Picture();
    int values[81];
    for (size_t cell = 0; cell < cells.size(); ++cell)
        values[cell] = TextToValue(cells[cell].text);
    QGuiApplication::clipboard()->setText(QString::fromStdString(PuzzleToLine(values)));
}

void CSuDokuDlg::OnPaste()
{
    if (m_bSet)
        return;
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    const PuzzleText puzzle = ReadPuzzleText(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    if (!puzzle.IsBoard()) {
        Ask(NotABoardText(QStringLiteral("The clipboard"), puzzle.cellCount), QMessageBox::Ok);
        return;
    }
    // As if the person had typed every cell.
    RecordGridEdit([&] {
        for (int row = 1; row <= 9; ++row) {
            for (int column = 1; column <= 9; ++column) {
                m_Grid.SetRow(row);
                m_Grid.SetCol(column);
                WritePersonCell(puzzle.values[static_cast<size_t>((row - 1) * 9 + (column - 1))]);
            }
        }
    });
}

void CSuDokuDlg::RecordGridEdit(const std::function<void()>& edit)
{
    const GridState before = CaptureGrid(m_Grid);
    edit();
    if (auto change = CGridEditCommand::FromChange(m_Grid, before, CaptureGrid(m_Grid)))
        m_undoStack.push(change.release());
}

void CSuDokuDlg::OnUndo()
{
    if (!m_bSet)
        m_undoStack.undo();
}

void CSuDokuDlg::OnRedo()
{
    if (!m_bSet)
        m_undoStack.redo();
}
