#include "BoardArea.h"

#include "SpreadSheet.h"

#include <QEvent>

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

int CBoardArea::BarHeight(int width) const
{
    return m_stepBar.hasHeightForWidth() ? m_stepBar.heightForWidth(width) : m_stepBar.sizeHint().height();
}

QSize CBoardArea::sizeHint() const
{
    const int side = CSpreadSheet::NaturalSide();
    const int width = std::max(side, m_stepBar.minimumSizeHint().width());
    // Before the first layout the bar is taken at the natural width.
    return {width, side + m_spacing + BarHeight(std::max(width, this->width()))};
}

QSize CBoardArea::minimumSizeHint() const
{
    return sizeHint();
}

bool CBoardArea::event(QEvent* event)
{
    // The bar asks for another height when its sentence changes: the window's layout hears of it
    // through this area's size hint.
    if (event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        Arrange();
    }
    return QWidget::event(event);
}

void CBoardArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Arrange();
}

void CBoardArea::Arrange()
{
    const int barHeight = BarHeight(width());
    m_grid.FitInto(std::min(width(), height() - m_spacing - barHeight));
    m_grid.move(0, 0);
    m_stepBar.setGeometry(0, m_grid.height() + m_spacing, width(), barHeight);
}
