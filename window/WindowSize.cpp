#include "WindowSize.h"

#include "Settings.h"

#include <QScreen>
#include <QWidget>

void RestoreWindowSize(QWidget& window, const Settings& settings)
{
    const Settings::WindowSize stored = settings.MainWindowSize();
    if (stored.width <= 0 || stored.height <= 0)
        return;
    QSize size(stored.width, stored.height);
    // A size kept from a larger screen must not put the window's edges out of reach.
    if (const QScreen* screen = window.screen())
        size = size.boundedTo(screen->availableGeometry().size());
    window.resize(size.expandedTo(window.minimumSizeHint()));
}

void RememberWindowSize(const QWidget& window, Settings& settings)
{
    const QSize natural = window.minimumSizeHint();
    const bool enlarged = window.width() > natural.width() || window.height() > natural.height();
    settings.SetMainWindowSize(enlarged ? Settings::WindowSize{window.width(), window.height()}
                                        : Settings::WindowSize{});
}
