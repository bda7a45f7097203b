#include "AskPerson.h"

#include "UserPrompts.h"

QMessageBox::StandardButton AskPerson(QWidget* window, const QString& text, QMessageBox::StandardButtons buttons)
{
    return UserPrompts::Current().ShowMessage(window, QString::fromLatin1(kProgramTitle), text, buttons);
}
