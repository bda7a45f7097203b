// Test doubles for the dialog seam and a watcher that answers modal windows, for the tests of the
// secondary windows and start-up.
#pragma once

#include "UserPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QUrl>

// While it lives, answers every question without showing anything and records what was asked.
class RecordingPrompts final : public UserPrompts {
public:
    struct Message {
        QWidget* parent;
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    RecordingPrompts() { UserPrompts::Install(this); }
    ~RecordingPrompts() override { UserPrompts::Install(nullptr); }
    RecordingPrompts(const RecordingPrompts&) = delete;
    RecordingPrompts& operator=(const RecordingPrompts&) = delete;

    QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons) override
    {
        messages.append({parent, caption, text, buttons});
        return QMessageBox::Ok;
    }
    QString GetOpenFileName(QWidget*, const FileDialogSettings&) override { return {}; }
    QString GetSaveFileName(QWidget*, const FileDialogSettings&) override { return {}; }
    bool ConfirmPrint(QWidget*, QPrinter&) override { return false; }
    bool OpenUrl(const QUrl& url) override
    {
        openedUrls.append(url);
        return desktopAcceptsUrls;
    }

    QList<Message> messages;
    QList<QUrl> openedUrls;
    bool desktopAcceptsUrls = true;
};

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

private:
    void AnswerModal()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        seen.append({QString::fromLatin1(dialog->metaObject()->className()), dialog->parentWidget() != nullptr});
        dialog->reject();
    }

    QTimer m_timer;
};
