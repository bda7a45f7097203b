// Moving through the text file of puzzles opened last, and the window title that says where.
#include "CollectionMoves.h"

#include "AskPerson.h"
#include "PuzzleModel.h"
#include "UserPrompts.h"

#include <QDir>
#include <QLocale>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <filesystem>

namespace {

QString Count(std::size_t number)
{
    return QLocale().toString(static_cast<qulonglong>(number));
}

}  // namespace

CollectionMoves::CollectionMoves(QWidget& window, PuzzleModel& model) : m_window(window), m_model(model) {}

QString CollectionMoves::WindowTitle() const
{
    const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection();
    QString title = QString::fromLatin1(kProgramTitle);
    if (place && place->number > 0)
        title += QStringLiteral(" - ") + tr("Puzzle %1 of %2").arg(Count(place->number), Count(place->count));
    return title;
}

void CollectionMoves::Next()
{
    if (const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection())
        MoveTo(place->next);
}

void CollectionMoves::Previous()
{
    if (const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection())
        MoveTo(place->previous);
}

void CollectionMoves::GoTo()
{
    const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection();
    if (!place)
        return;
    const int last = static_cast<int>(std::min<std::size_t>(place->count, INT_MAX));
    const std::size_t offered = std::max<std::size_t>(place->number, 1);
    const NumberQuestion question{tr("Go To Puzzle"), tr("Puzzle (1 to %1):").arg(Count(place->count)),
                                  static_cast<int>(std::min<std::size_t>(offered, INT_MAX)), 1, last};
    const std::optional<int> number = UserPrompts::Current().GetNumber(&m_window, question);
    if (!number)
        return;
    if (*number < 1 || *number > last) {
        AskPerson(&m_window, tr("There is no puzzle %1 here: this collection holds puzzles 1 to %2.")
                                 .arg(QLocale().toString(*number), Count(place->count)),
                  QMessageBox::Ok);
        return;
    }
    MoveTo(static_cast<std::size_t>(*number));
}

void CollectionMoves::MoveTo(std::size_t number)
{
    const std::optional<PuzzleModel::CollectionPlace> place = m_model.Collection();
    if (!place || number < 1 || number > place->count)
        return;
    // As when closing: a puzzle typed or changed here is in no file yet.
    if (m_model.HasUnsavedPuzzle() &&
        AskPerson(&m_window, tr("Go to puzzle %1? The puzzle on the board will be lost.").arg(Count(number)),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const QString file = QDir::toNativeSeparators(QString::fromStdU16String(place->path.u16string()));
    using Result = PuzzleModel::MoveOutcome::Result;
    switch (m_model.GoToPuzzle(number).result) {
    case Result::Moved:
    case Result::NoSuchPuzzle: break;
    case Result::Changed: {
        const std::optional<PuzzleModel::CollectionPlace> now = m_model.Collection();
        QString text = tr("%1 has changed since it was opened and has been read again (puzzles now: %2). The board is as it "
                          "was; choose the puzzle again.")
                           .arg(file, Count(now ? now->count : 0));
        if (now && now->notTextLine > 0)
            text += QLatin1Char(' ') + tr("Line %1 holds a NUL byte; this is not a text file, so reading stopped there.")
                                           .arg(Count(static_cast<std::size_t>(now->notTextLine)));
        AskPerson(&m_window, text, QMessageBox::Ok);
        break;
    }
    case Result::Unreadable:
        AskPerson(&m_window, tr("%1 can no longer be read as puzzles, so it is closed. The board is as it was.").arg(file),
            QMessageBox::Ok);
        break;
    }
}
