// The help window: the program's help text, stored as an RTF resource, shown formatted and
// read-only, with an "Exit" button. Shown at the first start and by the main window's "Help".
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

class QTextEdit;

class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    // Loads the help text from helpTextPath (tests point it elsewhere). A text that cannot be read
    // leaves the window empty, without a message.
    explicit CHelpDlg(QWidget* parent = nullptr, const QString& helpTextPath = HelpTextResource());
    // The help text in the interface's language: each translation names its own resource.
    static QString HelpTextResource();

    QTextEdit* HelpControl() const { return m_ctrlHelp; }

protected:
    // A new palette shows the text anew, its colours made readable on the new background.
    void changeEvent(QEvent* event) override;

private:
    void OnInitDialog();
    // m_strHelpText into the control, formatted when it is RTF, each coloured text in a shade
    // readable on the control's background.
    void UpdateData();

    QString m_helpTextPath;
    QTextEdit* m_ctrlHelp = nullptr;
    QByteArray m_strHelpText;  // the resource's bytes, ANSI RTF
};

// Constructs a help window with no parent and runs it modally.
void RunHelpDialog();
