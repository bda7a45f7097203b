#include "UserPrompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace {

class DesktopPrompts final : public UserPrompts {
public:
    QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(QMessageBox::NoIcon, caption, text, buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

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

UserPrompts& UserPrompts::Current()
{
    return g_installedPrompts ? *g_installedPrompts : g_desktopPrompts;
}

void UserPrompts::Install(UserPrompts* prompts)
{
    g_installedPrompts = prompts;
}
