#include "SuDokuApp.h"

#include "AppStartup.h"
#include "HelpDlg.h"
#include "ProfileSettings.h"
#include "SuDokuDlg.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <utility>

namespace {

constexpr int kExitUsageError = 2;

const char kUsage[] =
    "Usage: orvandel [BOARD.sdf]\n"
    "Vantrel Orvandel: a Su Doku assistant that solves the puzzle you enter and explains every step.\n"
    "\n"
    "BOARD.sdf, when given, is a saved board opened into the grid, ready for Set Su Doku.\n"
    "\n"
    "Options:\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n";

int UsageError(const QString& reason)
{
    std::fprintf(stderr, "orvandel: %s (see --help)\n", qPrintable(reason));
    return kExitUsageError;
}

}  // namespace

CSuDokuApp::CSuDokuApp()
{
    NameApplication();
    m_places = ProgramPlaces();
}

CSuDokuApp::CSuDokuApp(Places places) : m_places(std::move(places))
{
}

void CSuDokuApp::NameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VantrelInc"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvandel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANDEL_VERSION));
}

CSuDokuApp::Places CSuDokuApp::ProgramPlaces()
{
    return {ProgramBaseName(), QCoreApplication::applicationFilePath(), UserDataFolder()};
}

void CSuDokuApp::InstallTranslations(const QLocale& locale)
{
    // Owned by the application, so they last as long as the texts they translate.
    auto* qtTranslator = new QTranslator(QCoreApplication::instance());
    if (qtTranslator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, QStringLiteral("orvandel"), QStringLiteral("_"), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(translator);
}

CSuDokuApp::CommandLine CSuDokuApp::ReadCommandLine(const QStringList& arguments)
{
    CommandLine commandLine;
    bool optionsEnded = false;
    for (const QString& argument : arguments.mid(1)) {
        const bool isOption = !optionsEnded && argument.startsWith(u'-') && argument != QLatin1String("-");
        if (isOption && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (isOption && argument == QLatin1String("--help")) {
            std::fputs(kUsage, stdout);
            return {0, {}};
        } else if (isOption && argument == QLatin1String("--version")) {
            std::printf("orvandel %s\n", ORVANDEL_VERSION);
            return {0, {}};
        } else if (isOption) {
            return {UsageError(QStringLiteral("unknown option '%1'").arg(argument)), {}};
        } else if (!commandLine.boardFile.isEmpty()) {
            return {UsageError(QStringLiteral("only one board can be opened")), {}};
        } else {
            commandLine.boardFile = argument;
        }
    }
    return commandLine;
}

void CSuDokuApp::InitInstance(const QString& boardFile)
{
    ProfileSettings profile(m_places.applicationName);
    m_strAppPath = PrepareStartUp(profile, m_places.programFilePath, m_places.userDataFolder, RunHelpDialog);

    CSuDokuDlg dialog(m_strAppPath);
    if (!boardFile.isEmpty())
        dialog.OpenBoardFile(boardFile);
    dialog.exec();
}
