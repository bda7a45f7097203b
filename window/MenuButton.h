// A push button that drops its menu below itself, on a click, on Space, Enter or Down while it has
// the focus, and on its Alt key. It stays down while the menu is open and comes up as the menu
// closes, before a chosen action runs.
#pragma once

#include <QPushButton>

class QMenu;

class CMenuButton : public QPushButton {
    Q_OBJECT

public:
    explicit CMenuButton(const QString& text, QWidget* parent = nullptr);

    // The menu to drop; the button does not own it. nullptr: the button only sends clicked.
    void SetMenu(QMenu* menu);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DropMenu();

    QMenu* m_menu = nullptr;
};
