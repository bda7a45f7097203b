#include "ChainDrawing.h"

#include "GridDrawing.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>

namespace {

// Dark on the light board, light on the dark one, reaching 3:1 on every tint a cell can take; no
// red, which strikes candidates out.
constexpr std::array<QRgb, kChainColours> kLightColours = {qRgb(0, 70, 185),   qRgb(133, 56, 0), qRgb(0, 92, 41),
                                                           qRgb(132, 26, 145), qRgb(0, 87, 99),  qRgb(96, 76, 0)};
constexpr std::array<QRgb, kChainColours> kDarkColours = {qRgb(158, 201, 255), qRgb(255, 183, 115), qRgb(110, 225, 130),
                                                          qRgb(241, 176, 248), qRgb(80, 225, 225),  qRgb(235, 205, 90)};

struct Geometry {
    QRectF board;
    int focusCell;

    double Cell() const { return board.width() / 9.0; }
    // The middle of the candidate's place in its cell, and the radius that clears its digit.
    QPointF Centre(const CellDigit& candidate) const
    {
        const QRectF cell(board.left() + candidate.cell % 9 * Cell(), board.top() + candidate.cell / 9 * Cell(), Cell(),
                          Cell());
        return CandidatePlace(cell, candidate.cell == focusCell, candidate.digit).center();
    }
    double Radius() const { return Cell() / 3.0 * 0.42; }
};

// A line under each stroke in the board's own light or dark, so that it stands off the digits it crosses.
QColor HaloColour(bool dark)
{
    return dark ? QColor(20, 20, 24, 170) : QColor(255, 255, 255, 190);
}

QPen ArrowPen(const QColor& colour, double width, bool strong)
{
    QPen pen(colour, width, strong ? Qt::SolidLine : Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
    if (!strong)
        pen.setDashPattern({3.0, 2.0});
    return pen;
}

// A gentle bend to the left of its way, so that a chain's arrows keep off the candidates lying
// straight between their ends and the same link of two branches shows twice.
QPainterPath ArrowPath(QPointF from, QPointF to, double radius, int branch, QPointF& tip, QPointF& back)
{
    const QLineF line(from, to);
    const double length = line.length();
    const QPointF unit = (to - from) / length;
    const QPointF left(unit.y(), -unit.x());
    const double bend = length > 2.5 * radius ? length * 0.12 * (1 + 0.5 * branch) : 0;
    const QPointF control = (from + to) / 2 + left * bend;
    const auto towards = [](QPointF start, QPointF target, double distance) {
        const QLineF way(start, target);
        return way.length() <= distance ? start : start + (target - start) * (distance / way.length());
    };
    const QPointF start = towards(from, control, radius);
    tip = towards(to, control, radius);
    back = tip + (control - to) / QLineF(to, control).length() * radius * 0.9;
    QPainterPath path(start);
    path.quadTo(control, back);
    return path;
}

QPolygonF ArrowHead(QPointF tip, QPointF back)
{
    const QPointF along = tip - back;
    const QPointF across(-along.y() * 0.5, along.x() * 0.5);
    return QPolygonF({tip, back + across, back - across});
}

}  // namespace

QColor ChainColour(int branch, bool dark)
{
    const auto index = static_cast<std::size_t>(branch % kChainColours);
    return QColor(dark ? kDarkColours[index] : kLightColours[index]);
}

void DrawChain(QPainter& painter, const QRectF& board, const ChainPicture& chain, bool dark, int focusCell)
{
    if (chain.starts.empty() && chain.arrows.empty())
        return;
    const Geometry geometry{board, focusCell};
    const double width = std::max(1.5, geometry.Cell() / 24.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const bool halo : {true, false}) {
        for (const ChainArrow& arrow : chain.arrows) {
            const QColor colour = halo ? HaloColour(dark) : ChainColour(arrow.branch, dark);
            QPointF tip;
            QPointF back;
            const QPainterPath path = ArrowPath(geometry.Centre(arrow.from), geometry.Centre(arrow.to),
                                                geometry.Radius(), arrow.branch, tip, back);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(halo ? QPen(colour, width * 2.6, Qt::SolidLine, Qt::RoundCap) : ArrowPen(colour, width, arrow.strong));
            painter.drawPath(path);
            painter.setPen(QPen(colour, halo ? width * 1.6 : width * 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(colour);
            painter.drawPolygon(ArrowHead(tip, back));
        }
        for (const ChainStart& start : chain.starts) {
            const QColor colour = halo ? HaloColour(dark) : ChainColour(start.branch, dark);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(halo ? QPen(colour, width * 2.8) : ArrowPen(colour, width * 1.4, start.assumedTrue));
            const double radius = geometry.Radius() * 1.15;
            painter.drawEllipse(geometry.Centre(start.candidate), radius, radius);
        }
    }
    painter.restore();
}
