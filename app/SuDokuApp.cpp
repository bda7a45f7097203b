#include "SuDokuApp.h"

#include "AppStartup.h"
#include "HelpDlg.h"
#include "ProfileSettings.h"
#include "SuDokuDlg.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

constexpr int kExitUsageError = 2;

const char kUsage[] =
    "Usage: orvandel [QT OPTIONS] [BOARD.sdf]\n"
    "Vantrel Orvandel: a Su Doku assistant that solves the puzzle you enter and explains every step.\n"
    "\n"
    "BOARD.sdf, when given, is a saved board opened into the grid, ready for Set Su Doku.\n"
    "\n"
    "Options:\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "Qt's own options are taken too, such as -style fusion, -platform offscreen, -reverse\n"
    "and -stylesheet FILE.\n";

int UsageError(const QString& reason)
{
    std::fprintf(stderr, "orvandel: %s (see --help)\n", qPrintable(reason));
    return kExitUsageError;
}

// A failed write of an answer is an error like any other: a script must not take it for success.
int Answer(const QByteArray& text)
{
    errno = 0;
    std::fputs(text.constData(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "orvandel: cannot write to standard output: %s\n", std::strerror(errno != 0 ? errno : EIO));
    return kExitUsageError;
}

QByteArray VersionLine()
{
    return QByteArrayLiteral("orvandel " ORVANDEL_VERSION "\n");
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

std::optional<int> CSuDokuApp::AnswerHelpOrVersion(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help"))
            return Answer(kUsage);
        if (argument == QLatin1String("--version"))
            return Answer(VersionLine());
    }
    return std::nullopt;
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
            return {Answer(kUsage), {}};
        } else if (isOption && argument == QLatin1String("--version")) {
            return {Answer(VersionLine()), {}};
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
