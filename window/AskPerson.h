// The main window's message boxes, for the classes that do its jobs: each captioned with the
// program's title, without icon.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

QMessageBox::StandardButton AskPerson(QWidget* window, const QString& text, QMessageBox::StandardButtons buttons);
