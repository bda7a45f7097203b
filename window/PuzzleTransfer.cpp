#include "PuzzleTransfer.h"

#include "AskPerson.h"
#include "GameFile.h"
#include "PuzzleModel.h"
#include "SavedGames.h"
#include "UserPrompts.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Translated where shown: the translator is installed only after these exist.
const char* const kOpenTitle = QT_TRANSLATE_NOOP("CSuDokuDlg", "Vantrel Orvandel Open Saved Board");
const char* const kSaveTitle = QT_TRANSLATE_NOOP("CSuDokuDlg", "Vantrel Orvandel Save Board");
const char* const kSaveGameTitle = QT_TRANSLATE_NOOP("CSuDokuDlg", "Vantrel Orvandel Save Game");
const char* const kSaveFailedText = QT_TRANSLATE_NOOP("CSuDokuDlg", "The board could not be saved to %1: %2.");
const char* const kNotAFileText =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "%1 is not a regular file, so it cannot be opened as a puzzle.");
const char* const kSaveFolderMissingText =
    QT_TRANSLATE_NOOP("CSuDokuDlg",
                      "The folder for saved games %1 could not be made: %2. Save As starts in %3 instead.");
const char* const kBoardFilter = QT_TRANSLATE_NOOP("CSuDokuDlg", "Su Doku Files (*.sdf)");
const char* const kSaveGameFailedText = QT_TRANSLATE_NOOP("CSuDokuDlg", "The game could not be saved to %1: %2.");
const char* const kGameFilter = QT_TRANSLATE_NOOP("CSuDokuDlg", "Su Doku Games (*.sdg)");
const char* const kTextFilter = QT_TRANSLATE_NOOP("CSuDokuDlg", "Text Puzzles (*.txt)");

// The system's own words for its error number, as it gives them.
QString SystemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

FileDialogSettings BoardFileDialog(const QString& title, const QString& folder, const QString& filter)
{
    return {title, folder, filter, QStringLiteral("sdf")};
}

// What a message names for each part of a game file left out, in GameFilePart's order.
const char* const kLeftOutTexts[kGameFilePartCount] = {
    QT_TRANSLATE_NOOP("CSuDokuDlg", "whether the puzzle was set"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "whether My Digits was on"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "own digits"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "marks"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "revealed cells"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "candidates removed by hints"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "the collection and puzzle number"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "lines of an unknown kind"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "everything but the puzzle, as the file is of a later version"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "the end of the game, as the file is cut short"),
    QT_TRANSLATE_NOOP("CSuDokuDlg", "everything after its start, as the file is longer than any game"),
};

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

PuzzleTransfer::PuzzleTransfer(QWidget& window, PuzzleModel& model, const QString& appPath)
    : m_window(window), m_model(model), m_appPath(appPath)
{
}

void PuzzleTransfer::Open()
{
    const QString filters =
        tr(kBoardFilter) + QStringLiteral(";;") + tr(kGameFilter) + QStringLiteral(";;") + tr(kTextFilter);
    const QString savedGames = m_appPath + QString::fromUtf8(kSavedGamesFolder);
    const QString folder = QFileInfo(savedGames).isDir() ? savedGames : QDir::homePath();
    const FileDialogSettings settings = BoardFileDialog(tr(kOpenTitle), folder, filters);
    const QString path = UserPrompts::Current().GetOpenFileName(&m_window, settings);
    if (!path.isEmpty())
        OpenFile(path);
}

bool PuzzleTransfer::OpenFile(const QString& path)
{
    if (const std::optional<GameFileReading> game = ReadGameFile(FileSystemPath(path))) {
        OpenGame(path, *game);
        return true;
    }
    using Result = PuzzleModel::OpenOutcome::Result;
    const PuzzleModel::OpenOutcome outcome = m_model.OpenFile(FileSystemPath(path));
    // A file that cannot be read is passed over silently, as the program always has.
    if (outcome.result == Result::NotAFile)
        AskPerson(&m_window, tr(kNotAFileText).arg(QDir::toNativeSeparators(path)), QMessageBox::Ok);
    else if (outcome.notTextLine > 0)
        // Whatever came after is not counted: the person must not take the puzzles read for all.
        AskPerson(&m_window,
                  tr("The file %1 holds a NUL byte in line %2; this is not a text file, so reading stopped there. "
                     "Puzzles read before it: %3.")
                      .arg(QDir::toNativeSeparators(path), QLocale().toString(static_cast<qlonglong>(outcome.notTextLine)),
                           QLocale().toString(static_cast<qulonglong>(outcome.puzzlesRead))),
                  QMessageBox::Ok);
    else if (outcome.result == Result::NotABoard)
        TellNotABoard(tr("The file %1").arg(QDir::toNativeSeparators(path)), outcome.cellCount);
    return outcome.result == Result::Opened;
}

QString PuzzleTransfer::SaveAsFolder()
{
    const PuzzleModel::SaveFolderChoice choice = m_model.SaveFolder(m_appPath.toStdString());
    const QString folder = choice.folder.empty() ? QDir::homePath() : QString::fromStdString(choice.folder);
    // Said once a run: the person learns why the folders are not there, and is not nagged.
    if (!choice.missing.empty() && !m_toldSaveFolderMissing) {
        m_toldSaveFolderMissing = true;
        const QString reason = choice.problem == PuzzleModel::SaveFolderChoice::Problem::FileInTheWay
                                   ? tr("a file of that name is in the way")
                                   : SystemErrorText(choice.systemError);
        AskPerson(&m_window,
                  tr(kSaveFolderMissingText)
                      .arg(QDir::toNativeSeparators(QString::fromStdString(choice.missing)), reason,
                           QDir::toNativeSeparators(folder)),
                  QMessageBox::Ok);
    }
    return folder;
}

void PuzzleTransfer::SaveAs()
{
    const QString saveFolder = SaveAsFolder();
    const QString path = UserPrompts::Current().GetSaveFileName(
        &m_window, BoardFileDialog(tr(kSaveTitle), saveFolder, tr(kBoardFilter)));
    if (path.isEmpty())
        return;
    BoardSaveFailure failure;
    // A silent failure would let the person close the program believing the puzzle was kept.
    if (!m_model.SaveFile(FileSystemPath(path), failure))
        AskPerson(&m_window, tr(kSaveFailedText).arg(QDir::toNativeSeparators(path), SaveFailureText(failure)),
                  QMessageBox::Ok);
}

void PuzzleTransfer::SaveGameAs()
{
    const QString path = UserPrompts::Current().GetSaveFileName(
        &m_window, {tr(kSaveGameTitle), SaveAsFolder(), tr(kGameFilter), QStringLiteral("sdg")});
    if (path.isEmpty())
        return;
    BoardSaveFailure failure;
    if (!WriteGameFile(FileSystemPath(path), m_model.CurrentGame(), &failure))
        AskPerson(&m_window, tr(kSaveGameFailedText).arg(QDir::toNativeSeparators(path), SaveFailureText(failure)),
                  QMessageBox::Ok);
}

void PuzzleTransfer::OpenGame(const QString& path, const GameFileReading& reading)
{
    QStringList leftOut;
    for (std::size_t part = 0; part < kGameFilePartCount; ++part)
        if (reading.dropped.test(part))
            leftOut << tr(kLeftOutTexts[part]);
    if (!m_model.RestoreGame(reading.game))
        leftOut << tr("the work on it, as the puzzle contains an inconsistency");
    if (!leftOut.isEmpty())
        AskPerson(&m_window,
                  tr("The game in %1 opened without what could not be used: %2.")
                      .arg(QDir::toNativeSeparators(path), leftOut.join(tr(", "))),
                  QMessageBox::Ok);
}

QString PuzzleTransfer::SaveFailureText(const BoardSaveFailure& failure)
{
    using Reason = BoardSaveFailure::Reason;
    if (failure.systemError != 0)
        return SystemErrorText(failure.systemError);
    switch (failure.reason) {
    case Reason::NotARegularFile:
        return tr("it is not a regular file");
    case Reason::ReadOnly:
        return tr("the file is read-only");
    case Reason::NotCreated:
        return tr("the file could not be created");
    case Reason::NotWritten:
        return tr("the file could not be written");
    case Reason::NotReplaced:
        return tr("the file could not be replaced");
    }
    return tr("the file could not be written");
}

void PuzzleTransfer::Copy()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_model.CopyText()));
}

void PuzzleTransfer::Paste()
{
    if (!m_model.IsEnabled(PuzzleModel::Command::Paste))
        return;
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    const std::size_t cellCount =
        m_model.Paste(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (cellCount != kCellCount)
        TellNotABoard(tr("The clipboard"), cellCount);
}

void PuzzleTransfer::TellNotABoard(const QString& source, std::size_t cellCount)
{
    const QString cells = cellCount == 0   ? tr("no cells")
                          : cellCount == 1 ? tr("1 cell")
                                           : tr("%1 cells").arg(cellCount);
    AskPerson(&m_window, tr("%1 holds %2; a board needs %3.").arg(source, cells).arg(kCellCount), QMessageBox::Ok);
}
