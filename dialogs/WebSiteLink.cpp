#include "WebSiteLink.h"

#include "UserPrompts.h"

#include <QCoreApplication>
#include <QUrl>

QString WebSiteFailureMessage(const QString& address)
{
    return QCoreApplication::translate("WebSiteLink", "No program on this computer could open %1.\nOpen the "
                                                      "address in your web browser yourself.")
        .arg(address);
}

bool OpenWebSite(QWidget* owner, const QString& address)
{
    const QUrl url = QUrl::fromUserInput(address);
    if (url.isValid() && UserPrompts::Current().OpenUrl(url))
        return true;
    UserPrompts::Current().ShowMessage(owner, QString::fromLatin1(kProgramTitle), WebSiteFailureMessage(address),
                                       QMessageBox::Ok);
    return false;
}
