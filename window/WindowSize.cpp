#include "WindowSize.h"

#include "Settings.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

PixelSize ToPixels(QSize size)
{
    return {size.width(), size.height()};
}

// What the window manager's frame adds to the window's size; nothing before the window is shown.
PixelSize FrameOf(const QWidget& window)
{
    return ToPixels(window.frameGeometry().size() - window.geometry().size());
}

// Fits the window, frame and all, into the screen's free area once the window manager has framed
// it: a size kept without its frame, or under another window manager, may reach past the screen.
class FrameFit final : public QObject {
public:
    explicit FrameFit(QWidget& window) : QObject(&window), m_window(window) { window.installEventFilter(this); }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() != QEvent::Move && event->type() != QEvent::Resize)
            return false;
        // Once: later moves and sizes are the person's.
        const PixelSize frame = FrameOf(m_window);
        const bool framed = frame.width > 0 || frame.height > 0;
        if (!m_window.isMaximized() && !m_window.isFullScreen() && !framed)
            return false;
        m_window.removeEventFilter(this);
        deleteLater();
        if (framed && !m_window.isMaximized() && !m_window.isFullScreen() && m_window.screen())
            Fit(frame);
        return false;
    }

private:
    void Fit(PixelSize frame)
    {
        const QRect available = m_window.screen()->availableGeometry();
        const PixelSize size = ReopenedSize(ToPixels(m_window.size()), ToPixels(m_window.minimumSizeHint()),
                                            ToPixels(available.size()), frame);
        if (QSize(size.width, size.height) != m_window.size())
            m_window.resize(size.width, size.height);
        const QSize outer(size.width + frame.width, size.height + frame.height);
        const QPoint farthest(std::max(available.left(), available.right() + 1 - outer.width()),
                              std::max(available.top(), available.bottom() + 1 - outer.height()));
        const QPoint place(std::clamp(m_window.x(), available.left(), farthest.x()),
                           std::clamp(m_window.y(), available.top(), farthest.y()));
        if (place != m_window.pos())
            m_window.move(place);
    }

    QWidget& m_window;
};

}  // namespace

void RestoreWindowSize(QWidget& window, const Settings& settings)
{
    const Settings::KeptWindow kept = settings.MainWindow();
    if (const QScreen* screen = window.screen()) {
        const PixelSize size = ReopenedSize(kept.normal, ToPixels(window.minimumSizeHint()),
                                            ToPixels(screen->availableGeometry().size()), kept.frame);
        window.resize(size.width, size.height);
    }
    if (kept.maximised)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    new FrameFit(window);
}

void RememberWindowSize(const QWidget& window, Settings& settings)
{
    Settings::KeptWindow kept = settings.MainWindow();
    kept.maximised = window.isMaximized();
    // A maximised window's frame may lose its borders: the one measured in the normal state stays.
    if (!kept.maximised)
        kept.frame = FrameOf(window);
    const QSize normal = kept.maximised ? window.normalGeometry().size() : window.size();
    const QSize natural = window.minimumSizeHint();
    const bool enlarged = normal.width() > natural.width() || normal.height() > natural.height();
    kept.normal = enlarged ? ToPixels(normal) : PixelSize{};
    settings.SetMainWindow(kept);
}
