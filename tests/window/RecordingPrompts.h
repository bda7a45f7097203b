// The dialog seam for tests: answers every question without showing anything and records what
// was asked. Installed for as long as it lives.
#pragma once

#include "UserPrompts.h"

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <deque>
#include <functional>
#include <optional>

class RecordingPrompts final : public UserPrompts {
public:
    struct Message {
        QWidget* parent;
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
        Qt::TextFormat format;
    };
    struct FileDialog {
        bool save;
        FileDialogSettings settings;
    };

    RecordingPrompts() { UserPrompts::Install(this); }
    ~RecordingPrompts() override { UserPrompts::Install(nullptr); }
    RecordingPrompts(const RecordingPrompts&) = delete;
    RecordingPrompts& operator=(const RecordingPrompts&) = delete;

    // The file dialogs answer with openFile and saveFile (empty: cancelled).
    QString GetOpenFileName(QWidget* parent, const FileDialogSettings& settings) override;
    QString GetSaveFileName(QWidget* parent, const FileDialogSettings& settings) override;
    // Prints go to printFile as PDF when acceptPrint is set.
    bool ConfirmPrint(QWidget* parent, QPrinter& printer) override;
    bool OpenUrl(const QUrl& url) override;
    // Records the question and answers numberAnswer (none: cancelled).
    std::optional<int> GetNumber(QWidget* parent, const NumberQuestion& question) override;

    QList<Message> messages;
    std::deque<QMessageBox::StandardButton> answers;
    std::function<void()> whileShowing;  // called as each message box would be on show

    QList<FileDialog> fileDialogs;
    QString openFile;
    QString saveFile;

    QString printFile;
    bool acceptPrint = true;
    int printRequests = 0;

    QList<NumberQuestion> numberQuestions;
    std::optional<int> numberAnswer;

    QList<QUrl> openedUrls;
    bool desktopAcceptsUrls = true;

protected:
    // Records the box unshown; answers from `answers` in turn, then Ok where offered, otherwise No.
    QMessageBox::StandardButton RunMessageBox(QMessageBox& box) override;
};
