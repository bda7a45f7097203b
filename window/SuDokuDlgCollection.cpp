// Moving through the text file of puzzles opened last, and the window title that says where.
#include "SuDokuDlg.h"

#include "UserPrompts.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <climits>
#include <filesystem>

namespace {

QString Count(std::size_t number)
{
    return QLocale().toString(static_cast<qulonglong>(number));
}

}  // namespace

void CSuDokuDlg::UpdateWindowTitle()
{
    const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection();
    QString title = QString::fromLatin1(kProgramTitle);
    if (place)
        title += QStringLiteral(" - ") + tr("Puzzle %1 of %2").arg(Count(place->number), Count(place->count));
    setWindowTitle(title);
}

void CSuDokuDlg::OnNextPuzzle()
{
    if (const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection())
        MoveToPuzzle(place->number + 1);
}

void CSuDokuDlg::OnPreviousPuzzle()
{
    if (const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection())
        MoveToPuzzle(place->number - 1);
}

void CSuDokuDlg::OnGoToPuzzle()
{
    const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection();
    if (!place)
        return;
    const int last = static_cast<int>(std::min<std::size_t>(place->count, INT_MAX));
    const NumberQuestion question{tr("Go To Puzzle"), tr("Puzzle (1 to %1):").arg(Count(place->count)),
                                  static_cast<int>(std::min<std::size_t>(place->number, INT_MAX)), 1, last};
    if (const std::optional<int> number = UserPrompts::Current().GetNumber(this, question))
        MoveToPuzzle(static_cast<std::size_t>(*number));
}

void CSuDokuDlg::MoveToPuzzle(std::size_t number)
{
    const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection();
    if (!place || number < 1 || number > place->count)
        return;
    // As when closing: a puzzle typed or changed here is in no file yet.
    if (m_model.HasUnsavedPuzzle() &&
        Ask(tr("Go to puzzle %1? The puzzle on the board will be lost.").arg(Count(number)),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const QString file = QDir::toNativeSeparators(QString::fromStdU16String(place->path.u16string()));
    using Result = PuzzleModel::MoveOutcome::Result;
    switch (m_model.GoToPuzzle(number).result) {
    case Result::Moved:
    case Result::NoSuchPuzzle: break;
    case Result::Changed:
        Ask(tr("%1 has changed since it was opened and has been read again (puzzles now: %2). The board is as it "
               "was; choose the puzzle again.")
                .arg(file, Count(m_model.Collection() ? m_model.Collection()->count : 0)),
            QMessageBox::Ok);
        break;
    case Result::Unreadable:
        Ask(tr("%1 can no longer be read as puzzles, so it is closed. The board is as it was.").arg(file),
            QMessageBox::Ok);
        break;
    }
    m_Grid.setFocus();
}
