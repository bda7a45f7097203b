// The main window's size, kept from one run to the next.
#include "SuDokuDlg.h"

#include "ProfileSettings.h"

#include <QHideEvent>
#include <QScreen>

void CSuDokuDlg::RestoreWindowSize()
{
    const ProfileSettings settings;
    const QSize stored(settings.GetProfileInt(kViewSection, kWindowWidthEntry, 0),
                       settings.GetProfileInt(kViewSection, kWindowHeightEntry, 0));
    if (stored.width() <= 0 || stored.height() <= 0)
        return;
    QSize size = stored;
    // A size kept from a larger screen must not put the window's edges out of reach.
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size.expandedTo(minimumSizeHint()));
}

void CSuDokuDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // A window at its natural size keeps following the font of the next run.
    const QSize natural = minimumSizeHint();
    const bool enlarged = width() > natural.width() || height() > natural.height();
    ProfileSettings settings;
    settings.WriteProfileInt(kViewSection, kWindowWidthEntry, enlarged ? width() : 0);
    settings.WriteProfileInt(kViewSection, kWindowHeightEntry, enlarged ? height() : 0);
}
