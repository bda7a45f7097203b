// The program's start-up as a whole: settings in the tests' temporary settings folder, program and
// per-user folders in temporary places, and the windows that come up in turn.
#include "AppStartup.h"
#include "GuiTestSupport.h"
#include "ModalWatcher.h"
#include "SuDokuApp.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString FirstTimeKey(const QString& applicationName)
{
    return applicationName + QStringLiteral("/HELP/FIRST TIME");
}

QSettings StoredSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VantrelInc"),
                     QStringLiteral("Orvandel"));
}

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(places.isValid());
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        programFolder = places.filePath(QStringLiteral("program/"));
        ASSERT_TRUE(QDir().mkpath(programFolder));
        appPlaces = {QStringLiteral("AppTest_%1").arg(QString::fromLatin1(test->name())),
                     programFolder + QStringLiteral("orvandel"), places.filePath(QStringLiteral("data/"))};
        // Closes each start-up window as it comes, the main window once its splash screen has
        // been and after a look at it.
        watcher.beforeClosing = [this](QDialog& window) {
            auto* mainWindow = qobject_cast<CSuDokuDlg*>(&window);
            if (!mainWindow)
                return true;
            const QStringList seen = WindowsSeen();
            if (seen.count(QStringLiteral("CSplashDlg")) <= seen.count(QStringLiteral("CSuDokuDlg")))
                return false;  // its splash screen has not come yet
            lookAtMainWindow(*mainWindow);
            return true;
        };
    }

    QStringList WindowsSeen() const
    {
        QStringList classes;
        for (const ModalWatcher::Seen& window : watcher.seen)
            classes << window.className;
        return classes;
    }
    void ExpectSavedGameFoldersBelow(const QString& appPath)
    {
        for (const char* folder : {"Saved Games/", "Saved Games/Easy/", "Saved Games/Mild/", "Saved Games/Hard/",
                                   "Saved Games/RiverAzevod/"})
            EXPECT_TRUE(QFileInfo(appPath + QLatin1String(folder)).isDir()) << folder;
    }
    // Where the main window's Open dialog starts.
    static QString OpenDialogStart(CSuDokuDlg& mainWindow, RecordingPrompts& prompts)
    {
        ChooseOption(mainWindow, OptionsAction::Open);
        return prompts.fileDialogs.isEmpty() ? QString() : prompts.fileDialogs.last().settings.startPath;
    }

    QTemporaryDir places;
    QString programFolder;
    CSuDokuApp::Places appPlaces;
    RecordingPrompts prompts;
    ModalWatcher watcher;
    std::function<void(CSuDokuDlg&)> lookAtMainWindow = [](CSuDokuDlg&) {};
};

TEST_F(StartUpTest, FirstStartShowsHelpThenTheMainWindowWithItsSplash)
{
    CSuDokuApp app(appPlaces);
    QString openStart;
    lookAtMainWindow = [&](CSuDokuDlg& mainWindow) { openStart = OpenDialogStart(mainWindow, prompts); };
    app.InitInstance();

    EXPECT_EQ(WindowsSeen(), QStringList({"CHelpDlg", "CSplashDlg", "CSuDokuDlg"}));
    for (const ModalWatcher::Seen& window : watcher.seen)
        EXPECT_FALSE(window.hasParent) << window.className.toStdString();
    EXPECT_EQ(StoredSettings().value(FirstTimeKey(appPlaces.applicationName)).toInt(), 0);
    EXPECT_EQ(app.AppPath(), programFolder);
    ExpectSavedGameFoldersBelow(programFolder);
    EXPECT_EQ(openStart, programFolder + QStringLiteral("Saved Games/"));
    EXPECT_TRUE(prompts.messages.isEmpty());

    // The next start goes straight to the main window, and its splash screen.
    watcher.seen.clear();
    CSuDokuApp(appPlaces).InitInstance();
    EXPECT_EQ(WindowsSeen(), QStringList({"CSplashDlg", "CSuDokuDlg"}));
}

TEST_F(StartUpTest, AnUnwritableProgramFolderGivesWayToTheUserDataFolder)
{
    // A regular file where the program's folder should be: nothing can be written there.
    QFile blocker(places.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    appPlaces.programFilePath = blocker.fileName() + QStringLiteral("/orvandel");
    StoredSettings().setValue(FirstTimeKey(appPlaces.applicationName), 0);

    CSuDokuApp app(appPlaces);
    QString openStart;
    lookAtMainWindow = [&](CSuDokuDlg& mainWindow) { openStart = OpenDialogStart(mainWindow, prompts); };
    app.InitInstance();

    EXPECT_EQ(app.AppPath(), appPlaces.userDataFolder);
    ExpectSavedGameFoldersBelow(appPlaces.userDataFolder);
    EXPECT_EQ(openStart, appPlaces.userDataFolder + QStringLiteral("Saved Games/"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(StartUpTest, ABoardGivenOnTheCommandLineOpensIntoTheGrid)
{
    StoredSettings().setValue(FirstTimeKey(appPlaces.applicationName), 0);
    QFile board(places.filePath(QStringLiteral("puzzle.sdf")));
    ASSERT_TRUE(board.open(QIODevice::WriteOnly));
    board.write("5" + QByteArray(79, '?') + "3");
    board.close();

    std::string shown;
    bool editState = false;
    lookAtMainWindow = [&](CSuDokuDlg& mainWindow) {
        shown = GridText(GridOf(mainWindow));
        editState = ButtonOf(mainWindow, QStringLiteral("Set Su Doku"))->isEnabled();
    };
    CSuDokuApp(appPlaces).InitInstance(
        CSuDokuApp::ReadCommandLine({QStringLiteral("orvandel"), board.fileName()}).boardFile);
    EXPECT_EQ(shown, "5" + std::string(79, '.') + "3");
    EXPECT_TRUE(editState);

    // After "--" a name that looks like an option is a file too; one that cannot be read leaves
    // the grid empty, without a message.
    shown.clear();
    const QStringList missing = {QStringLiteral("orvandel"), QStringLiteral("--"), QStringLiteral("--missing.sdf")};
    const CSuDokuApp::CommandLine missingBoard = CSuDokuApp::ReadCommandLine(missing);
    EXPECT_FALSE(missingBoard.exitStatus);
    CSuDokuApp(appPlaces).InitInstance(missingBoard.boardFile);
    EXPECT_EQ(shown, std::string(81, '.'));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(StartUpTest, HelpVersionAndUnusableCommandLinesShowNoWindow)
{
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {{{"orvandel", "--help"}, 0},
                 {{"orvandel", "--version"}, 0},
                 {{"orvandel", "--solve"}, 2},
                 {{"orvandel", "a.sdf", "b.sdf"}, 2}};
    for (const auto& commandLine : cases)
        EXPECT_EQ(CSuDokuApp::ReadCommandLine(commandLine.arguments).exitStatus, commandLine.status)
            << commandLine.arguments.join(u' ').toStdString();
    EXPECT_TRUE(watcher.seen.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(programFolder + QStringLiteral("Saved Games")));
}

TEST(ProgramWithoutDisplay, AnswersHelpAndVersion)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    for (const auto& [option, answer] : {std::pair{"--help", "Usage: orvandel"}, std::pair{"--version", "orvandel "}}) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORVANDEL_PROGRAM), {QString::fromLatin1(option)});
        ASSERT_TRUE(program.waitForFinished(30000)) << option;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << option;
        EXPECT_EQ(program.exitCode(), 0) << option;
        EXPECT_TRUE(program.readAllStandardOutput().startsWith(answer)) << option;
    }
}

struct ProgramRun {
    const char* name;
    QStringList arguments;
    QStringList environment;  // NAME=value to set; every display variable is removed first
    int status;
    const char* message;  // part of the error output
    bool fullOutput = false;  // standard output is /dev/full
};

TEST(ProgramStart, WithoutDisplayWithQtOptionsAndWithAFullDevice)
{
    QTemporaryDir places;
    const QString styleSheet = places.filePath(QStringLiteral("style.qss"));
    QFile styleFile(styleSheet);
    ASSERT_TRUE(styleFile.open(QIODevice::WriteOnly));
    styleFile.close();
    const ProgramRun runs[] = {
        {"no display", {}, {}, 1, "orvandel: no display found (set DISPLAY, or run under xvfb-run)\n"},
        {"only xcb, without a display", {"-platform", "xcb"}, {}, 1, "no display found"},
        {"a display that is not there", {}, {"DISPLAY=:4321"}, 1, "could not connect to display"},
        {"Qt's options are Qt's", {"-platform", "offscreen", "-style", "fusion", "-reverse", "-stylesheet", styleSheet, "--bogus"},
         {}, 2, "orvandel: unknown option '--bogus'"},
        {"the platform from the environment", {"-style=fusion", "a.sdf", "b.sdf"}, {"QT_QPA_PLATFORM=offscreen"}, 2,
         "only one board can be opened"},
        {"help to a full device", {"--help"}, {}, 2, "cannot write to standard output: No space left on device", true},
        {"version to a full device", {"--version"}, {}, 2, "No space left on device", true},
    };
    for (const ProgramRun& run : runs) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(variable));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), places.path());  // holds no Wayland socket
        for (const QString& variable : run.environment)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QProcess program;
        program.setProcessEnvironment(environment);
        if (run.fullOutput)
            program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(ORVANDEL_PROGRAM), run.arguments);
        ASSERT_TRUE(program.waitForFinished(30000)) << run.name;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << run.name;
        EXPECT_EQ(program.exitCode(), run.status) << run.name;
        const QByteArray errors = program.readAllStandardError();
        EXPECT_TRUE(errors.contains(run.message)) << run.name << ": " << errors.toStdString();
    }
}

TEST(ApplicationNames, PlaceTheSettingsAndThePerUserFolder)
{
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();

    CSuDokuApp::NameApplication();
    EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("VantrelInc"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Orvandel"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral(ORVANDEL_VERSION));
    const CSuDokuApp::Places program = CSuDokuApp::ProgramPlaces();
    EXPECT_EQ(program.applicationName, QStringLiteral("window_tests"));
    EXPECT_EQ(program.programFilePath, QCoreApplication::applicationFilePath());
    EXPECT_EQ(program.userDataFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/');
    EXPECT_TRUE(program.userDataFolder.endsWith(QStringLiteral("/VantrelInc/Orvandel/")));

    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
}

}  // namespace
