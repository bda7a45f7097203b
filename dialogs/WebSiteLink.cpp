#include "WebSiteLink.h"

#include "UserPrompts.h"

#include <QCoreApplication>
#include <QUrl>

#include <iterator>

namespace {

// Indexed by code 0..21; the codes without a text of their own use the general message.
constexpr const char* kShellMessages[22] = {
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "System is out of memory, executable file is corrupt, or relocations are invalid.\nExecuting %1"),
    nullptr,
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Associated executable file not found.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Associated executable path not found.\nExecuting %1"),
    nullptr,
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Attempt to dynamically link to a task, or there is a sharing or network protection "
                      "error.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Library requires separate data segments for each task.\nExecuting %1"),
    nullptr,
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "There is insufficient memory to start the application.\nExecuting %1"),
    nullptr,
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Windows version is incorrect.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Executable file is invalid. Either it is not a Windows application or there was an error in "
                      "the .EXE image.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Application designed for a different operating system.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Application designed for MS-DOS 4.0.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Type of executable file is unknown.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Attempt was made to load a real-mode application.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Attempt was made to load a second instance of an executable file containing multiple data "
                      "segments that are not marked read-only.\nExecuting %1"),
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Attempt was made to load a compressed executable.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Dynamic-link library (DLL) file is invalid.  One of the DLLs required to run this application "
                      "is corrupt.\nExecuting %1"),
    QT_TRANSLATE_NOOP("WebSiteLink",
                      "Application requires Microsoft Windows 32-bit extensions.\nExecuting %1"),
};

}  // namespace

QString ShellErrorMessage(quint16 code, const QString& file)
{
    if (code >= kShellFirstSuccess)
        return {};
    if (code < std::size(kShellMessages) && kShellMessages[code])
        return QCoreApplication::translate("WebSiteLink", kShellMessages[code]).arg(file);
    // What the desktop answers when it has nothing to open the address with.
    if (code == kShellNoAssociation)
        return QCoreApplication::translate("WebSiteLink", "No program on this computer could open %1.\nOpen the "
                                                          "address in your web browser yourself.")
            .arg(file);
    return QCoreApplication::translate("WebSiteLink", "Error %1 executing %2.").arg(QString::number(code), file);
}

quint16 ShellExecute(const QString& file)
{
    const QUrl url = QUrl::fromUserInput(file);
    return url.isValid() && UserPrompts::Current().OpenUrl(url) ? kShellLaunched : kShellNoAssociation;
}

quint16 ReportShellResult(QWidget* owner, quint16 code, const QString& file)
{
    const QString message = ShellErrorMessage(code, file);
    if (!message.isEmpty())
        UserPrompts::Current().ShowMessage(owner, QString::fromLatin1(kProgramTitle), message, QMessageBox::Ok);
    return code;
}

quint16 ShellExecuteAndReport(QWidget* owner, const QString& file)
{
    return ReportShellResult(owner, ShellExecute(file), file);
}
