// Open and Save As: the saved-board file dialogs and the transfer between a file and the boards.
#include "SuDokuDlg.h"

#include "SavedGames.h"
#include "UserPrompts.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <string>

namespace {

// Translated where shown: the translator is installed only after these exist.
const char* const kOpenTitle = QT_TRANSLATE_NOOP("CSuDokuDlg", "Vantrel Orvandel Open Saved Board");
const char* const kSaveTitle = QT_TRANSLATE_NOOP("CSuDokuDlg", "Vantrel Orvandel Save Board");
const char* const kSaveFailedText = QT_TRANSLATE_NOOP("CSuDokuDlg", "The board could not be saved to %1: %2.");
const char* const kNotAFileText =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "%1 is not a regular file, so it cannot be opened as a puzzle.");
const char* const kSaveFolderMissingText =
    QT_TRANSLATE_NOOP("CSuDokuDlg",
                      "The folder for saved games %1 could not be made: %2. Save As starts in %3 instead.");
const char* const kBoardFilter = QT_TRANSLATE_NOOP("CSuDokuDlg", "Su Doku Files (*.sdf)");
const char* const kTextFilter = QT_TRANSLATE_NOOP("CSuDokuDlg", "Text Puzzles (*.txt)");

FileDialogSettings BoardFileDialog(const QString& title, const QString& folder, const QString& filter)
{
    return {title, folder, filter, QStringLiteral("sdf")};
}

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

void CSuDokuDlg::OnOpenBoard()
{
    const QString filters = tr(kBoardFilter) + QStringLiteral(";;") + tr(kTextFilter);
    const QString savedGames = m_strAppPath + QString::fromUtf8(kSavedGamesFolder);
    const QString folder = QFileInfo(savedGames).isDir() ? savedGames : QDir::homePath();
    const FileDialogSettings settings = BoardFileDialog(tr(kOpenTitle), folder, filters);
    const QString path = UserPrompts::Current().GetOpenFileName(this, settings);
    if (!path.isEmpty())
        OpenBoardFile(path);
}

bool CSuDokuDlg::OpenBoardFile(const QString& path)
{
    using Result = PuzzleModel::OpenOutcome::Result;
    const PuzzleModel::OpenOutcome outcome = m_model.OpenFile(FileSystemPath(path));
    // A file that cannot be read is passed over silently, as the program always has.
    if (outcome.result == Result::NotAFile)
        Ask(tr(kNotAFileText).arg(QDir::toNativeSeparators(path)), QMessageBox::Ok);
    else if (outcome.result == Result::NotABoard)
        Ask(NotABoardText(tr("The file %1").arg(QDir::toNativeSeparators(path)), outcome.cellCount), QMessageBox::Ok);
    return outcome.result == Result::Opened;
}

QString CSuDokuDlg::SaveAsFolder()
{
    const PuzzleModel::SaveFolderChoice choice = m_model.SaveFolder(m_strAppPath.toStdString());
    const QString folder = choice.folder.empty() ? QDir::homePath() : QString::fromStdString(choice.folder);
    // Said once a run: the person learns why the folders are not there, and is not nagged.
    if (!choice.missing.empty() && !m_bToldSaveFolderMissing) {
        m_bToldSaveFolderMissing = true;
        Ask(tr(kSaveFolderMissingText)
                .arg(QDir::toNativeSeparators(QString::fromStdString(choice.missing)),
                     QString::fromStdString(choice.reason), QDir::toNativeSeparators(folder)),
            QMessageBox::Ok);
    }
    return folder;
}

void CSuDokuDlg::OnSaveBoardAs()
{
    const QString saveFolder = SaveAsFolder();
    const QString path =
        UserPrompts::Current().GetSaveFileName(this, BoardFileDialog(tr(kSaveTitle), saveFolder, tr(kBoardFilter)));
    if (path.isEmpty())
        return;
    std::string reason;
    // A silent failure would let the person close the program believing the puzzle was kept.
    if (!m_model.SaveFile(FileSystemPath(path), reason))
        Ask(tr(kSaveFailedText).arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)), QMessageBox::Ok);
}
