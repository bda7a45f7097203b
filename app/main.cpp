// The desktop program: start-up, then the main window until the person closes it.
#include "DisplayCheck.h"
#include "SuDokuApp.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char* argv[])
{
    // --help and --version answer on a terminal that may have no display to start a window
    // system connection on.
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    if (const std::optional<int> answered = CSuDokuApp::AnswerHelpOrVersion(arguments))
        return *answered;
    if (!DisplayAvailable(argc, argv)) {
        std::fprintf(stderr, "orvandel: %s\n", kNoDisplayMessage);
        return 1;
    }

    std::optional<QApplication> application;
    {
        const PlatformStartGuard guard;
        // Takes Qt's own options (-style, -platform, -reverse, ...) out of argv.
        application.emplace(argc, argv);
    }
    const CSuDokuApp::CommandLine commandLine = CSuDokuApp::ReadCommandLine(QCoreApplication::arguments());
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    CSuDokuApp::InstallTranslations();
    CSuDokuApp app;
    app.InitInstance(commandLine.boardFile);
    return 0;
}
