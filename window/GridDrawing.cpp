#include "GridDrawing.h"

#include <QPainter>
#include <QRectF>

QColor ShadedSquareColor()
{
    return QColor(220, 217, 253);
}

bool IsShadedCell(int row, int column)
{
    // Squares 0, 2, 4, 6 and 8 (left to right, then top to bottom) are the corners and the centre.
    return ((row / 3) * 3 + column / 3) % 2 == 0;
}

QFont CellFont()
{
    QFont font(QStringLiteral("Times New Roman"), 18, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

void DrawCell(QPainter& painter, const QRectF& cell, const CellPicture& picture, const QFont& font)
{
    painter.fillRect(cell, picture.background);
    if (picture.text.isEmpty())
        return;
    painter.setFont(font);
    painter.setPen(picture.textColor);
    painter.drawText(cell, Qt::AlignCenter, picture.text);
}

void DrawGridLines(QPainter& painter, const QRectF& board, double thinWidth, double thickWidth, bool withBorder)
{
    const double cell = board.width() / 9.0;
    const int first = withBorder ? 0 : 1;
    const int last = withBorder ? 9 : 8;
    for (int line = first; line <= last; ++line) {
        painter.setPen(QPen(Qt::black, line % 3 == 0 ? thickWidth : thinWidth, Qt::SolidLine, Qt::SquareCap));
        const double x = board.left() + line * cell;
        const double y = board.top() + line * cell;
        painter.drawLine(QPointF(x, board.top()), QPointF(x, board.bottom()));
        painter.drawLine(QPointF(board.left(), y), QPointF(board.right(), y));
    }
}

void DrawBoard(QPainter& painter, const QRectF& board, const BoardPicture& cells, const PrintOptions& options)
{
    const double cell = board.width() / 9.0;
    QFont font = CellFont();
    font.setPixelSize(qMax(1, qRound(cell * kDigitHeightPerCell)));
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            CellPicture picture = cells[static_cast<size_t>(row * 9 + column)];
            if (!options.colors)
                picture.textColor = Qt::black;
            if (!options.shading)
                picture.background = Qt::white;
            DrawCell(painter, QRectF(board.left() + column * cell, board.top() + row * cell, cell, cell), picture, font);
        }
    }
    if (options.gridLines)
        DrawGridLines(painter, board, cell / 40.0, cell * 3.0 / 40.0, true);
}
