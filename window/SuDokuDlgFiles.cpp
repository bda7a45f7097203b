// Open and Save As: the saved-board file dialogs and the transfer between a file and the boards.
#include "SuDokuDlg.h"

#include "BoardFile.h"
#include "UserPrompts.h"

#include <QDir>

#include <filesystem>
#include <string>

namespace {

const QString kOpenTitle = QStringLiteral("Vantrel Orvandel Open Saved Board");
const QString kSaveTitle = QStringLiteral("Vantrel Orvandel Save Board");
const QString kSaveFailedText = QStringLiteral("The board could not be saved to %1: %2.");

FileDialogSettings BoardFileDialog(const QString& title, const QString& appPath)
{
    return {title, appPath + QStringLiteral("Saved Games/"), QStringLiteral("Su Doku Files (*.sdf)"),
            QStringLiteral("sdf")};
}

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

void CSuDokuDlg::OnOpenBoard()
{
    const QString path = UserPrompts::Current().GetOpenFileName(this, BoardFileDialog(kOpenTitle, m_strAppPath));
    if (!path.isEmpty())
        OpenBoardFile(path);
}

bool CSuDokuDlg::OpenBoardFile(const QString& path)
{
    int values[81];
    if (!ReadBoardFile(FileSystemPath(path), values))
        return false;
    m_boardSolved.Load(values);
    m_boardEntered.Load(values);
    ShowBoard(m_boardSolved);
    return true;
}

void CSuDokuDlg::OnSaveBoardAs()
{
    const QString path = UserPrompts::Current().GetSaveFileName(this, BoardFileDialog(kSaveTitle, m_strAppPath));
    if (path.isEmpty())
        return;
    // The puzzle as entered, never the solution.
    int values[81];
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            values[row * 9 + column] = m_boardEntered.GetValueRowCol(row, column);
    }
    std::string reason;
    // A silent failure would let the person close the program believing the puzzle was kept.
    if (!WriteBoardFile(FileSystemPath(path), values, &reason))
        Ask(kSaveFailedText.arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)), QMessageBox::Ok);
}
