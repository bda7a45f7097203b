// Puzzles as text through the clipboard, and the undo history of the edit state.
#include "SuDokuDlg.h"

#include <QClipboard>
#include <QGuiApplication>

#include <string_view>

QString CSuDokuDlg::NotABoardText(const QString& source, std::size_t cellCount)
{
    const QString cells = cellCount == 0   ? tr("no cells")
                          : cellCount == 1 ? tr("1 cell")
                                           : tr("%1 cells").arg(cellCount);
    return tr("%1 holds %2; a board needs %3.").arg(source, cells).arg(kCellCount);
}

void CSuDokuDlg::OnCopy()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_model.CopyText()));
}

void CSuDokuDlg::OnPaste()
{
    if (!m_model.IsEnabled(PuzzleModel::Command::Paste))
        return;
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    const std::size_t cellCount = m_model.Paste(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    if (cellCount != kCellCount)
        Ask(NotABoardText(tr("The clipboard"), cellCount), QMessageBox::Ok);
}

void CSuDokuDlg::OnUndo()
{
    m_model.Undo();
}

void CSuDokuDlg::OnRedo()
{
    m_model.Redo();
}
