// The splash screen: the splash picture alone in a frameless modal window. It ends itself three
// seconds after it was shown, or at once on a click, Enter or Escape.
#pragma once

#include <QDialog>
#include <QTimer>

class CSplashDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kSplashMilliseconds = 3000;
    static constexpr const char* kSplashPicture = ":/res/splash.png";

    // A missing picture leaves the window blank; the timer still ends it.
    explicit CSplashDlg(QWidget* parent = nullptr);

    // Stops the timer, so that it never fires for a splash screen that has ended.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;  // starts the three seconds
    void mouseReleaseEvent(QMouseEvent* event) override;  // OnLButtonUp
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnInitDialog();
    void EndSplash();

    QTimer m_timer{this};
};
