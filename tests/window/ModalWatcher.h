// A watcher that answers modal windows, for the tests of the secondary windows and start-up.
#pragma once

#include "RecordingPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>

// While it lives, closes (rejects) every modal dialog that comes up and records its class name
// and whether it had a parent, so a test can run a command that opens a modal window.
class ModalWatcher {
public:
    struct Seen {
        QString className;
        bool hasParent;
    };

    ModalWatcher()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { AnswerModal(); });
        m_timer.start();
    }

    QList<Seen> seen;
    // When set, called with each modal dialog before it is closed; while it returns false the
    // dialog stays open and is offered again at the next round.
    std::function<bool(QDialog&)> beforeClosing;

private:
    void AnswerModal()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (beforeClosing) {
            // The callback may run nested event loops of its own; no second round meanwhile.
            m_timer.stop();
            const QPointer<QDialog> guarded(dialog);
            const bool ready = beforeClosing(*dialog);
            m_timer.start();
            if (!ready || !guarded || !guarded->isVisible())
                return;
        }
        seen.append({QString::fromLatin1(dialog->metaObject()->className()), dialog->parentWidget() != nullptr});
        dialog->reject();
    }

    QTimer m_timer;
};
