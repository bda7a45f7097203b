#include "OwnDigitsCommands.h"

#include "ProfileSettings.h"
#include "PuzzleModel.h"
#include "Settings.h"
#include "SpreadSheet.h"

#include <QGuiApplication>
#include <QKeyEvent>

COwnDigitsCommands::COwnDigitsCommands(PuzzleModel& model, CSpreadSheet& grid, QWidget& window)
    : QObject(&window)
    , m_model(model)
    , m_grid(grid)
{
    ProfileSettings store;
    m_model.SetOwnDigitsOn(Settings(store).MyDigits());
    m_grid.installEventFilter(this);
}

void COwnDigitsCommands::ToggleMyDigits()
{
    const bool on = !m_model.OwnDigitsOn();
    ProfileSettings store;
    Settings(store).SetMyDigits(on);
    m_model.SetOwnDigitsOn(on);
}

int COwnDigitsCommands::ShiftedDigit(const QKeyEvent& event)
{
    // A layout that puts the digits themselves on Shift (AZERTY) types digits with it: no mark there.
    const bool typesDigit = event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9;
    if (!event.modifiers().testFlag(Qt::ShiftModifier) || typesDigit)
        return 0;
    // The symbol a layout puts on a shifted digit key ('!' for 1 on a US keyboard) says nothing of
    // the digit; the key itself does. Windows names it by its digit, X11 by its key code, 10..18.
    const quint32 virtualKey = event.nativeVirtualKey();
    if (virtualKey >= '1' && virtualKey <= '9')
        return static_cast<int>(virtualKey - '0');
    const quint32 scanCode = event.nativeScanCode();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && scanCode >= 10 && scanCode <= 18)
        return static_cast<int>(scanCode - 9);
    return 0;
}

bool COwnDigitsCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_grid || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        // Shift is often let go before the digit: the digit's release must then not type it.
        const bool held = m_heldKey && (key->nativeScanCode() != 0 ? key->nativeScanCode() == m_heldScanCode
                                                                   : key->key() == m_heldKey);
        if (held && !key->isAutoRepeat())
            m_heldKey = 0;
        return held;
    }
    const int digit = m_model.IsSet() && m_model.OwnDigitsOn() ? ShiftedDigit(*key) : 0;
    if (digit == 0)
        return QObject::eventFilter(watched, event);
    if (!key->isAutoRepeat()) {
        m_heldKey = key->key();
        m_heldScanCode = key->nativeScanCode();
        m_model.ToggleOwnMark(m_grid.ActiveCell(), digit);
    }
    return true;
}
