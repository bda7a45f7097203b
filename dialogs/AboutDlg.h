// The About box: the program icon, its name and version and the maker's notice, with an "OK"
// button. Releasing the left mouse button anywhere but on the button shows the splash screen.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kVersionLine = "Vantrel Orvandel Version " ORVANDEL_VERSION;
    static constexpr const char* kIcon = ":/res/icon.png";

    // Always without a parent.
    CAboutDlg();

    // Runs a splash screen modally over the box; the box takes input again when it has ended.
    void ShowSplash();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;  // OnLButtonUp
};

// Constructs an About box and runs it modally: the Options menu's and the window menu's command.
void RunAboutDialog();
