// Opening an address or file through the desktop, with the shell's result codes and the message
// that tells the person why it failed.
//
// Codes follow the Windows shell: 33 and above mean success. The desktop only says whether it
// accepted the address, so a launch reads as kShellLaunched or kShellNoAssociation; the other
// codes of the message table remain for completeness of the report.
#pragma once

#include <QString>

class QWidget;

inline constexpr quint16 kShellLaunched = 42;
inline constexpr quint16 kShellNoAssociation = 31;
inline constexpr quint16 kShellFirstSuccess = 33;

// The maker's web site, opened by the main window's image button: a build setting, the same
// address the package and the metainfo give as the program's home page.
inline constexpr const char* kTessalyWebSite = ORVANDEL_WEB_SITE;
inline constexpr const char* kWebSiteTooltip = "Visit Tessaly Web Site";

// The message for a failed launch of file with code, or an empty text for a success.
QString ShellErrorMessage(quint16 code, const QString& file);

// Hands file (an absolute address, or a local path) to the desktop through
// UserPrompts::Current().OpenUrl; kShellLaunched when it was accepted, kShellNoAssociation if not.
quint16 ShellExecute(const QString& file);

// Shows ShellErrorMessage for a failure in a message box owned by owner, captioned with the
// program's title, and returns the code; a success shows nothing.
quint16 ReportShellResult(QWidget* owner, quint16 code, const QString& file);

// ShellExecute, then ReportShellResult.
quint16 ShellExecuteAndReport(QWidget* owner, const QString& file);
