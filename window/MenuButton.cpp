#include "MenuButton.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcutEvent>

CMenuButton::CMenuButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

void CMenuButton::SetMenu(QMenu* menu)
{
    if (m_menu)
        disconnect(m_menu, nullptr, this, nullptr);
    m_menu = menu;
    // The menu triggers the chosen action as it hides, while it is still being shown from here.
    if (m_menu)
        connect(m_menu, &QMenu::aboutToHide, this, [this] { setDown(false); });
}

bool CMenuButton::event(QEvent* event)
{
    // The button's only shortcut is the mnemonic of its text. A plain button would click, and the
    // clicked signal would repeat the command chosen last time; the menu is what the key promises.
    if (event->type() == QEvent::Shortcut && m_menu && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        setFocus(Qt::ShortcutFocusReason);
        DropMenu();
        return true;
    }
    return QPushButton::event(event);
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
    m_menu->exec(mapToGlobal(rect().bottomLeft()));
    setDown(false);
}
