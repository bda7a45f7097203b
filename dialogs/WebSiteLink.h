// Opening the maker's web site through the desktop, and the message that tells the person when
// the desktop has nothing to open it with.
#pragma once

#include <QString>

class QWidget;

// The maker's web site, opened by the main window's image button: a build setting, the same
// address the package and the metainfo give as the program's home page.
inline constexpr const char* kTessalyWebSite = ORVANDEL_WEB_SITE;

// What the person is told when no program could open address, with the address to copy.
QString WebSiteFailureMessage(const QString& address);

// Hands address (an absolute address, or a local path) to the desktop through
// UserPrompts::Current().OpenUrl. When it is not accepted, WebSiteFailureMessage is shown in a
// message box owned by owner, captioned with the program's title. Returns whether it was accepted.
bool OpenWebSite(QWidget* owner, const QString& address);
