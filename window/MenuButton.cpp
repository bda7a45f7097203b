#include "MenuButton.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

CMenuButton::CMenuButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

void CMenuButton::SetMenu(QMenu* menu)
{
    m_menu = menu;
}

void CMenuButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_menu)
        DropMenu();
    else
        QPushButton::mousePressEvent(event);
}

void CMenuButton::keyPressEvent(QKeyEvent* event)
{
    const bool opensMenu = event->key() == Qt::Key_Space || event->key() == Qt::Key_Down ||
                           event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (opensMenu && m_menu && !event->isAutoRepeat())
        DropMenu();
    else
        QPushButton::keyPressEvent(event);
}

void CMenuButton::DropMenu()
{
    setDown(true);
    const QAction* chosen = m_menu->exec(mapToGlobal(rect().bottomLeft()));
    setDown(false);
    m_nMenuResult = chosen ? chosen->data().toInt() : 0;
    emit clicked();
}
