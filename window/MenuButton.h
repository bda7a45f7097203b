// A push button that drops its menu below itself, on a click, on Space, Enter or Down while it has
// the focus, and on its Alt key. It stays down while the menu is open; when the menu closes it
// records the chosen command id (0 when nothing was chosen) and then sends clicked. The menu's
// actions carry their command ids as data.
#pragma once

#include <QPushButton>

class QMenu;

class CMenuButton : public QPushButton {
    Q_OBJECT

public:
    explicit CMenuButton(const QString& text, QWidget* parent = nullptr);

    // The menu to drop; the button does not own it. nullptr: the button only sends clicked.
    void SetMenu(QMenu* menu);
    // The command id chosen the last time the menu was dropped, 0 when none.
    int GetMenuResult() const { return m_nMenuResult; }

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DropMenu();

    QMenu* m_menu = nullptr;
    int m_nMenuResult = 0;
};
