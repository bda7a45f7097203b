#include "PuzzleSheets.h"

#include "GridDrawing.h"
#include "PuzzleGenerator.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kPuzzlesPerRow = 2;       // four to a page
constexpr int kSolutionsPerRow = 4;     // sixteen to a page
constexpr double kCaptionShare = 0.12;  // of a place's height, for the caption above its board

BoardPicture PictureOf(const Puzzle& puzzle)
{
    BoardPicture cells;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int value = puzzle[cell];
        cells[static_cast<std::size_t>(cell)] = {value >= 1 && value <= 9 ? QString::number(value) : QString(),
                                                 Qt::black,
                                                 IsShadedCell(cell / 9, cell % 9) ? ShadedSquareColor() : Qt::white};
    }
    return cells;
}

// Lays out boards `perRow` by `perRow` on pages, each board under its caption.
template <typename Caption>
void PaintBoards(QPainter& painter, QPagedPaintDevice& device, const std::vector<Puzzle>& boards, int perRow,
                 bool newPageFirst, Caption caption)
{
    const QRectF page(0, 0, device.width(), device.height());
    const double place = qMin(page.width(), page.height()) / perRow;
    const double side = place * (1.0 - kCaptionShare) * 0.9;
    QFont font = CellFont();
    font.setBold(false);
    font.setPixelSize(qMax(1, qRound(place * kCaptionShare * 0.5)));
    const int perPage = perRow * perRow;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const int onPage = static_cast<int>(i) % perPage;
        if (onPage == 0 && (i > 0 || newPageFirst))
            device.newPage();
        // The rows this page holds, centred on it.
        const std::size_t onThisPage = std::min<std::size_t>(perPage, boards.size() - (i - onPage));
        const int rows = static_cast<int>((onThisPage + perRow - 1) / perRow);
        const QPointF corner(page.left() + (page.width() - place * perRow) / 2 + onPage % perRow * place,
                             page.top() + (page.height() - place * rows) / 2 + onPage / perRow * place);
        const QRectF captionRect(corner.x(), corner.y(), place, place * kCaptionShare);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(captionRect, Qt::AlignCenter, caption(static_cast<int>(i) + 1));
        const QRectF board(corner.x() + (place - side) / 2, captionRect.bottom(), side, side);
        DrawBoard(painter, board, PictureOf(boards[i]), PrintOptions{});
    }
}

}  // namespace

void PaintPuzzleSheets(QPainter& painter, QPagedPaintDevice& device, const std::vector<Puzzle>& puzzles,
                       Difficulty rating)
{
    const QString name = QString::fromLatin1(DifficultyName(rating));
    PaintBoards(painter, device, puzzles, kPuzzlesPerRow, false,
                [&](int number) {
                    return QCoreApplication::translate("PuzzleSheets", "Puzzle %1 (%2)").arg(number).arg(name);
                });
    std::vector<Puzzle> solutions;
    for (const Puzzle& puzzle : puzzles)
        solutions.push_back(SolutionOf(puzzle));
    PaintBoards(painter, device, solutions, kSolutionsPerRow, true,
                [](int number) { return QCoreApplication::translate("PuzzleSheets", "Solution %1").arg(number); });
}
