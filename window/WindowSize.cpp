#include "WindowSize.h"

#include "Settings.h"

#include <QScreen>
#include <QWidget>

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
