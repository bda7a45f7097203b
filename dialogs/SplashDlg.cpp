#include "SplashDlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QShowEvent>

namespace {

constexpr QSize kSplashSize(384, 192);

}  // namespace

CSplashDlg::CSplashDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(kSplashSize);

    // The picture takes no clicks of its own, so a click on it reaches the window.
    auto* picture = new QLabel(this);
    picture->setGeometry(QRect(QPoint(0, 0), kSplashSize));
    picture->setPixmap(QPixmap(QString::fromLatin1(kSplashPicture)));
    picture->setScaledContents(true);

    m_timer.setObjectName(QStringLiteral("splashTimer"));
    m_timer.setInterval(kSplashMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CSplashDlg::EndSplash);
}

void CSplashDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())  // not when the window system merely shows it again
        OnInitDialog();
}

void CSplashDlg::OnInitDialog()
{
    m_timer.start();
}

void CSplashDlg::EndSplash()
{
    m_timer.stop();
    accept();
}

void CSplashDlg::done(int result)
{
    m_timer.stop();
    QDialog::done(result);
}

void CSplashDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        EndSplash();
    QDialog::mouseReleaseEvent(event);
}

void CSplashDlg::keyPressEvent(QKeyEvent* event)
{
    // Without a button there is no default button for Enter to press; it ends the splash as OK.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        EndSplash();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape: cancel
}
