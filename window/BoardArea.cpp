#include "BoardArea.h"

#include "SpreadSheet.h"

#include <algorithm>

CBoardArea::CBoardArea(CSpreadSheet& grid, QWidget& stepBar, int spacing, QWidget* parent)
    : QWidget(parent)
    , m_grid(grid)
    , m_stepBar(stepBar)
    , m_spacing(spacing)
{
    m_grid.setParent(this);
    m_stepBar.setParent(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize CBoardArea::sizeHint() const
{
    const int side = CSpreadSheet::NaturalSide();
    return {std::max(side, m_stepBar.minimumSizeHint().width()), side + m_spacing + m_stepBar.sizeHint().height()};
}

QSize CBoardArea::minimumSizeHint() const
{
    return sizeHint();
}

void CBoardArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int barHeight = m_stepBar.sizeHint().height();
    m_grid.FitInto(std::min(width(), height() - m_spacing - barHeight));
    m_grid.move(0, 0);
    m_stepBar.setGeometry(0, m_grid.height() + m_spacing, width(), barHeight);
}
