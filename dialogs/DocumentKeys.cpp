#include "DocumentKeys.h"

#include <QAbstractScrollArea>
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>

void AddDocumentStartAndEndKeys(QWidget& window, QAbstractScrollArea& text)
{
    auto* toStart = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), &window);
    QObject::connect(toStart, &QShortcut::activated, &text,
                     [&text] { text.verticalScrollBar()->setValue(text.verticalScrollBar()->minimum()); });
    auto* toEnd = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_End), &window);
    QObject::connect(toEnd, &QShortcut::activated, &text,
                     [&text] { text.verticalScrollBar()->setValue(text.verticalScrollBar()->maximum()); });
}
