// Every modal question the program asks the person (message boxes, file dialogs, the print dialog)
// and the hand-over of web addresses to the desktop, in one place. The program uses the desktop
// implementation; tests install their own to answer without showing anything.
//
// A message often quotes something from outside the program (a file name, the clipboard, a
// setting), so every message box shows its text as plain text: a name such as "<img src=...>"
// must read as itself, never load an image or set a heading.
#pragma once

#include <QMessageBox>
#include <QString>

#include <optional>

class QPrinter;
class QUrl;
class QWidget;

// The program's title: the main window's caption and that of its message boxes and progress windows.
inline constexpr const char* kProgramTitle = "Vantrel Orvandel";

struct FileDialogSettings {
    QString title;
    QString startPath;      // folder or file name the dialog opens at
    QString filter;         // Qt filter text, e.g. "Su Doku Files (*.sdf)"
    QString defaultSuffix;  // added to a name typed without one, e.g. "sdf"
};

struct NumberQuestion {
    QString caption;
    QString label;
    int value = 1;  // offered at first
    int minimum = 1;
    // The largest number wanted. The field takes larger ones too: a number is read whole, for
    // the caller to refuse, never cut to its first digits.
    int maximum = 1;
};

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A message box without icon, its text plain; returns the button pressed.
    QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons);
    // The chosen path, or an empty text when the person cancels.
    virtual QString GetOpenFileName(QWidget* parent, const FileDialogSettings& settings) = 0;
    // Asks before an existing file is replaced; the chosen path, or an empty text on cancel.
    virtual QString GetSaveFileName(QWidget* parent, const FileDialogSettings& settings) = 0;
    // True when the person confirmed printing to the printer as configured in the dialog.
    virtual bool ConfirmPrint(QWidget* parent, QPrinter& printer) = 0;
    // True when the desktop accepted the address.
    virtual bool OpenUrl(const QUrl& url) = 0;
    // A whole number from the question's minimum up, or none when the person cancels.
    virtual std::optional<int> GetNumber(QWidget* parent, const NumberQuestion& question) = 0;

    // The prompts in use: the desktop's unless a test has installed others.
    static UserPrompts& Current();
    // Installs prompts for the rest of the process; nullptr goes back to the desktop's.
    // The caller keeps ownership.
    static void Install(UserPrompts* prompts);

protected:
    // Runs the message box that ShowMessage has made; returns the button pressed.
    virtual QMessageBox::StandardButton RunMessageBox(QMessageBox& box) = 0;
};
