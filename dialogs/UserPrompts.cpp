#include "UserPrompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <limits>

namespace {

class DesktopPrompts final : public UserPrompts {
public:
    QString GetOpenFileName(QWidget* parent, const FileDialogSettings& settings) override
    {
        QFileDialog dialog(parent, settings.title, settings.startPath, settings.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(settings.defaultSuffix);
        return RunFileDialog(dialog);
    }

    QString GetSaveFileName(QWidget* parent, const FileDialogSettings& settings) override
    {
        QFileDialog dialog(parent, settings.title, settings.startPath, settings.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(settings.defaultSuffix);
        return RunFileDialog(dialog);
    }

    bool ConfirmPrint(QWidget* parent, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

    std::optional<int> GetNumber(QWidget* parent, const NumberQuestion& question) override
    {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(question.caption);
        dialog.setLabelText(question.label);
        dialog.setInputMode(QInputDialog::IntInput);
        dialog.setIntRange(question.minimum, std::numeric_limits<int>::max());
        dialog.setIntValue(question.value);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.intValue();
    }

protected:
    QMessageBox::StandardButton RunMessageBox(QMessageBox& box) override
    {
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

private:
    static QString RunFileDialog(QFileDialog& dialog)
    {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

DesktopPrompts g_desktopPrompts;
UserPrompts* g_installedPrompts = nullptr;

}  // namespace

QMessageBox::StandardButton UserPrompts::ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                                     QMessageBox::StandardButtons buttons)
{
    // The format is fixed before the text arrives: a label guessing rich text would already have
    // laid out the markup, loading whatever an <img> points at.
    QMessageBox box(QMessageBox::NoIcon, caption, QString(), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    return RunMessageBox(box);
}

UserPrompts& UserPrompts::Current()
{
    return g_installedPrompts ? *g_installedPrompts : g_desktopPrompts;
}

void UserPrompts::Install(UserPrompts* prompts)
{
    g_installedPrompts = prompts;
}
