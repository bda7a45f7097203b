// The main window's ways into the application shell: help, About, the start-up splash screen and
// the maker's web site.
#include "SuDokuDlg.h"

#include "AboutDlg.h"
#include "HelpDlg.h"
#include "SplashDlg.h"
#include "WebSiteLink.h"

void CSuDokuDlg::OnHelp()
{
    RunHelpDialog();
}

void CSuDokuDlg::OnAbout()
{
    RunAboutDialog();
}

void CSuDokuDlg::ShowSplash()
{
    CSplashDlg splash;
    splash.exec();
}

void CSuDokuDlg::OnVisitWebSite()
{
    OpenWebSite(this, QString::fromLatin1(kTessalyWebSite));
}
