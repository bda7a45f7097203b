// Ctrl+Home and Ctrl+End for the read-only texts of the help and solve-logic windows. A read-only
// text shows no cursor to move, so these keys would do nothing there; they scroll to the start and
// the end of the text instead, as in a browser.
#pragma once

class QAbstractScrollArea;
class QWidget;

// Adds the two keys to window, acting on text while the window is active.
void AddDocumentStartAndEndKeys(QWidget& window, QAbstractScrollArea& text);
