// Open and Save As: the saved-board file dialogs and the transfer between a file and the boards.
#include "SuDokuDlg.h"

#include "BoardFile.h"
#include "PuzzleText.h"
#include "UserPrompts.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

namespace {

const QString kOpenTitle = QStringLiteral("Vantrel Orvandel Open Saved Board");
const QString kSaveTitle = QStringLiteral("Vantrel Orvandel Save Board");
const QString kSaveFailedText = QStringLiteral("The board could not be saved to %1: %2.");
const QString kNotAFileText = QStringLiteral("%1 is not a regular file, so it cannot be opened as a puzzle.");
const QString kBoardFilter = QStringLiteral("Su Doku Files (*.sdf)");
const QString kOpenFilter = kBoardFilter + QStringLiteral(";;Text Puzzles (*.txt)");
const QString kSavedGames = QStringLiteral("Saved Games/");

FileDialogSettings BoardFileDialog(const QString& title, const QString& folder, const QString& filter)
{
    return {title, folder, filter, QStringLiteral("sdf")};
}

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

bool IsTextPuzzleFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void CSuDokuDlg::OnOpenBoard()
{
    const FileDialogSettings settings = BoardFileDialog(kOpenTitle, m_strAppPath + kSavedGames, kOpenFilter);
    const QString path = UserPrompts::Current().GetOpenFileName(this, settings);
    if (!path.isEmpty())
        OpenBoardFile(path);
}

bool CSuDokuDlg::OpenBoardFile(const QString& path)
{
    // A folder, a FIFO or a device is no puzzle; the readers refuse it without reading, and the
    // person learns why nothing opened.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(FileSystemPath(path), error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        Ask(kNotAFileText.arg(QDir::toNativeSeparators(path)), QMessageBox::Ok);
        return false;
    }
    int values[81];
    if (IsTextPuzzleFile(path)) {
        if (!ReadTextPuzzleFile(path, values))
            return false;
    } else if (!ReadBoardFile(FileSystemPath(path), values)) {
        return false;
    }
    m_model.Open(values);
    ShowBoard();
    return true;
}

bool CSuDokuDlg::ReadTextPuzzleFile(const QString& path, int values[81])
{
    PuzzleText puzzle;
    if (!ReadFirstPuzzleFile(FileSystemPath(path), puzzle))
        return false;  // silent, like a saved board that cannot be read
    if (!puzzle.IsBoard()) {
        Ask(NotABoardText(QStringLiteral("The file %1").arg(QDir::toNativeSeparators(path)), puzzle.cellCount),
            QMessageBox::Ok);
        return false;
    }
    std::copy(puzzle.values.begin(), puzzle.values.end(), values);
    return true;
}

void CSuDokuDlg::OnSaveBoardAs()
{
    const QString saveFolder = QString::fromStdString(m_model.SaveFolder(m_strAppPath.toStdString()));
    const QString path =
        UserPrompts::Current().GetSaveFileName(this, BoardFileDialog(kSaveTitle, saveFolder, kBoardFilter));
    if (path.isEmpty())
        return;
    // The puzzle as entered, never the solution.
    const std::array<int, 81> values = m_model.EnteredPuzzle();
    std::string reason;
    // A silent failure would let the person close the program believing the puzzle was kept.
    if (!WriteBoardFile(FileSystemPath(path), values.data(), &reason))
        Ask(kSaveFailedText.arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)), QMessageBox::Ok);
}
