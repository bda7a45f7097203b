// The desktop program: start-up, then the main window until the person closes it.
#include "SuDokuApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Read before the application exists: --help and --version answer on a terminal that may have
    // no display to start a window system connection on.
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    const CSuDokuApp::CommandLine commandLine = CSuDokuApp::ReadCommandLine(arguments);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;

    QApplication application(argc, argv);
    CSuDokuApp::InstallTranslations();
    CSuDokuApp app;
    app.InitInstance(commandLine.boardFile);
    return 0;
}
