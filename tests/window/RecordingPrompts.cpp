#include "RecordingPrompts.h"

#include <QPrinter>

QMessageBox::StandardButton RecordingPrompts::RunMessageBox(QMessageBox& box)
{
    const QMessageBox::StandardButtons buttons = box.standardButtons();
    messages.append({box.parentWidget(), box.windowTitle(), box.text(), buttons, box.textFormat()});
    if (whileShowing)
        whileShowing();
    if (!answers.empty()) {
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (buttons & QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
}

QString RecordingPrompts::GetOpenFileName(QWidget*, const FileDialogSettings& settings)
{
    fileDialogs.append({false, settings});
    return openFile;
}

QString RecordingPrompts::GetSaveFileName(QWidget*, const FileDialogSettings& settings)
{
    fileDialogs.append({true, settings});
    return saveFile;
}

bool RecordingPrompts::ConfirmPrint(QWidget*, QPrinter& printer)
{
    ++printRequests;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    return acceptPrint;
}

bool RecordingPrompts::OpenUrl(const QUrl& url)
{
    openedUrls.append(url);
    return desktopAcceptsUrls;
}

std::optional<int> RecordingPrompts::GetNumber(QWidget*, const NumberQuestion& question)
{
    numberQuestions.append(question);
    return numberAnswer;
}
