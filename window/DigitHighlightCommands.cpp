#include "DigitHighlightCommands.h"

#include "ProfileSettings.h"
#include "PuzzleModel.h"
#include "Settings.h"
#include "SpreadSheet.h"

#include <QKeyEvent>
#include <QShortcut>

CDigitHighlightCommands::CDigitHighlightCommands(PuzzleModel& model, CSpreadSheet& grid, QWidget& window)
    : QObject(&window)
    , m_model(model)
    , m_grid(grid)
    , m_clear(new QShortcut(QKeySequence(Qt::Key_Escape), &window))
{
    ProfileSettings store;
    const Settings settings(store);
    m_model.SetCleanMarksOnPlace(settings.CleanMarks());
    m_model.SetShowClashes(settings.ShowClashes());
    for (int digit = 1; digit <= 9; ++digit) {
        const auto key = static_cast<Qt::Key>(Qt::Key_0 + digit);
        auto* highlight = new QShortcut(QKeySequence(Qt::ALT | key), &window);
        highlight->setAutoRepeat(false);  // a held key would turn it on and off
        connect(highlight, &QShortcut::activated, this, [this, digit, key] {
            // Only the grid would type the digit on its release.
            m_heldKey = m_grid.hasFocus() ? key : 0;
            m_model.HighlightDigit(digit);
        });
    }
    connect(m_clear, &QShortcut::activated, this, [this] { m_model.HighlightDigit(0); });
    m_grid.installEventFilter(this);
    Refresh();
}

void CDigitHighlightCommands::ToggleCleanMarks()
{
    const bool on = !m_model.CleansMarksOnPlace();
    ProfileSettings store;
    Settings(store).SetCleanMarks(on);
    m_model.SetCleanMarksOnPlace(on);
}

void CDigitHighlightCommands::ToggleShowClashes()
{
    const bool on = !m_model.ShowsClashes();
    ProfileSettings store;
    Settings(store).SetShowClashes(on);
    m_model.SetShowClashes(on);
}

void CDigitHighlightCommands::Refresh()
{
    m_clear->setEnabled(m_model.HighlightedDigit() != 0);
}

bool CDigitHighlightCommands::eventFilter(QObject* watched, QEvent* event)
{
    // Alt is often let go before the digit: the digit's release must then not type it.
    if (watched == &m_grid && event->type() == QEvent::KeyRelease && m_heldKey != 0) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == m_heldKey) {
            if (!key->isAutoRepeat())
                m_heldKey = 0;
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
