// Start-up: the settings, the application path, the saved-board folders and the first-start help,
// with real settings and folders in temporary places.
#include "AppStartup.h"
#include "HelpDlg.h"
#include "ProfileSettings.h"
#include "ModalWatcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// Each test reads and writes the settings of a program name of its own, so none sees another's.
QString FreshProgramName()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return QStringLiteral("%1_%2").arg(QString::fromLatin1(test->test_suite_name()), QString::fromLatin1(test->name()))
        .replace(u'/', u'_');
}

QSettings StoredSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VantrelInc"), QStringLiteral("Orvandel"));
}

void StoreAppPath(const QString& program, const QString& appPath)
{
    StoredSettings().setValue(program + QStringLiteral("/DEBUG/APP_PATH"), appPath);
}

void ExpectSavedGameFolders(const QString& appPath)
{
    for (const char* folder : {"Saved Games", "Saved Games/Easy", "Saved Games/Mild", "Saved Games/Hard",
                               "Saved Games/RiverAzevod"})
        EXPECT_TRUE(QFileInfo(appPath + QLatin1String(folder)).isDir()) << appPath.toStdString() << folder;
}

const std::function<void()> kNoHelp = [] {};

TEST(ProfileSettings, ProgramNameIsTheProgramFilesBaseName)
{
    EXPECT_EQ(ProgramBaseName(), QStringLiteral("window_tests"));
}

TEST(ProfileSettings, ValuesLiveInAGroupPerProgramAndSection)
{
    const QString program = FreshProgramName();
    ProfileSettings profile(program);
    EXPECT_EQ(profile.GetProfileString(kDebugSection, kAppPathEntry, QStringLiteral("none")), QStringLiteral("none"));
    EXPECT_EQ(profile.ReadNumber("HELP", "FIRST TIME").value_or(1), 1);

    profile.WriteNumber("HELP", "FIRST TIME", 0);
    EXPECT_EQ(StoredSettings().value(program + QStringLiteral("/HELP/FIRST TIME")).toInt(), 0);
    EXPECT_EQ(ProfileSettings(program).ReadNumber("HELP", "FIRST TIME").value_or(1), 0);
    // Another program name starts afresh.
    EXPECT_EQ(ProfileSettings(program + QStringLiteral("_other")).ReadNumber("HELP", "FIRST TIME").value_or(1), 1);
}

TEST(ProfileSettings, ASettingsFileThatIsAFifoIsNeitherReadNorWritten)
{
    // Opening a FIFO to read would wait for a writer that never comes.
    const QByteArray fifo = QFile::encodeName(SettingsFilePath());
    QFile::remove(SettingsFilePath());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(SettingsFilePath()).path()) && ::mkfifo(fifo.constData(), 0600) == 0);
    ProfileSettings profile(FreshProgramName());
    profile.WriteNumber("HELP", "FIRST TIME", 0);
    EXPECT_EQ(profile.ReadNumber("HELP", "FIRST TIME").value_or(1), 1);
    struct stat status {};
    EXPECT_TRUE(::stat(fifo.constData(), &status) == 0 && S_ISFIFO(status.st_mode)) << "not replaced by a file";
    QFile::remove(SettingsFilePath());
}

TEST(ProfileSettings, ANonNumberReadsAsTheDefault)
{
    const QString program = FreshProgramName();
    StoredSettings().setValue(program + QStringLiteral("/HELP/FIRST TIME"), QStringLiteral("often"));
    EXPECT_EQ(ProfileSettings(program).ReadNumber("HELP", "FIRST TIME").value_or(1), 1);
}

TEST(ProfileSettings, TheRememberedSettingsAreKeptUnderTheirSections)
{
    const QString program = FreshProgramName();
    ProfileSettings store(program);
    Settings settings(store);
    EXPECT_FALSE(settings.ShowCandidates());
    EXPECT_EQ(settings.PrintPuzzles(), PrintPuzzlesChoice());
    settings.SetShowCandidates(true);
    settings.SetPrintPuzzles({7, Difficulty::Hard});
    EXPECT_EQ(StoredSettings().value(program + QStringLiteral("/VIEW/SHOW CANDIDATES")).toInt(), 1);
    EXPECT_EQ(StoredSettings().value(program + QStringLiteral("/PRINT PUZZLES/COUNT")).toInt(), 7);
    EXPECT_EQ(StoredSettings().value(program + QStringLiteral("/PRINT PUZZLES/RATING")).toInt(), 2);
    ProfileSettings next(program);
    EXPECT_TRUE(Settings(next).ShowCandidates());
    EXPECT_EQ(Settings(next).PrintPuzzles(), (PrintPuzzlesChoice{7, Difficulty::Hard}));
}

TEST(StartUp, FirstStartShowsTheHelpWindowThenStoresZero)
{
    QTemporaryDir appFolder;
    const QString program = FreshProgramName();
    StoreAppPath(program, appFolder.path() + u'/');
    ProfileSettings profile(program);

    ModalWatcher watcher;
    PrepareStartUp(profile, QString(), QString(), RunHelpDialog);
    ASSERT_EQ(watcher.seen.size(), 1);
    EXPECT_EQ(watcher.seen[0].className, QStringLiteral("CHelpDlg"));
    EXPECT_FALSE(watcher.seen[0].hasParent);  // no main dialog yet
    EXPECT_EQ(StoredSettings().value(program + QStringLiteral("/HELP/FIRST TIME")).toInt(), 0);

    // The next start goes straight on.
    ProfileSettings nextStart(program);
    PrepareStartUp(nextStart, QString(), QString(), RunHelpDialog);
    EXPECT_EQ(watcher.seen.size(), 1);
}

TEST(StartUp, AnyNonZeroFirstTimeShowsTheHelpAgain)
{
    const QString program = FreshProgramName();
    ProfileSettings profile(program);
    int shown = 0;
    const auto countHelp = [&shown] { ++shown; };
    for (int stored : {0, 5, -1, 1}) {
        profile.WriteNumber("HELP", "FIRST TIME", stored);
        const int before = shown;
        ShowHelpOnFirstStart(profile, countHelp);
        EXPECT_EQ(shown - before, stored != 0 ? 1 : 0) << stored;
        EXPECT_EQ(profile.ReadNumber("HELP", "FIRST TIME").value_or(1), 0);
    }
}

TEST(StartUp, FirstTimeIsClearedOnlyAfterTheHelpHasClosed)
{
    const QString program = FreshProgramName();
    ProfileSettings profile(program);
    int storedWhileShown = -1;
    ShowHelpOnFirstStart(profile, [&] {
        storedWhileShown = ProfileSettings(program).ReadNumber("HELP", "FIRST TIME").value_or(1);
    });
    EXPECT_EQ(storedWhileShown, 1);
    EXPECT_EQ(profile.ReadNumber("HELP", "FIRST TIME").value_or(1), 0);
}

TEST(StartUp, AppPathWithTrailingSeparatorHoldsTheFolders)
{
    QTemporaryDir boards;
    const QString program = FreshProgramName();
    StoreAppPath(program, boards.path() + u'/');
    ProfileSettings profile(program);

    EXPECT_EQ(PrepareStartUp(profile, QStringLiteral("/ignored/orvandel"), QString(), kNoHelp), boards.path() + u'/');
    ExpectSavedGameFolders(boards.path() + u'/');
}

TEST(StartUp, AppPathWithoutTrailingSeparatorGetsOne)
{
    QTemporaryDir top;
    const QString appPath = top.filePath(QStringLiteral("Boards"));
    ASSERT_TRUE(QDir().mkpath(appPath));
    const QString program = FreshProgramName();
    StoreAppPath(program, appPath);
    ProfileSettings profile(program);

    EXPECT_EQ(PrepareStartUp(profile, QString(), QString(), kNoHelp), appPath + u'/');
    ExpectSavedGameFolders(appPath + u'/');
    EXPECT_FALSE(QFileInfo::exists(top.filePath(QStringLiteral("BoardsSaved Games"))));
}

TEST(StartUp, WithoutAppPathTheProgramsFolderHoldsTheFolders)
{
    QTemporaryDir programFolder;
    const QString program = FreshProgramName();
    ProfileSettings profile(program);

    const QString appPath =
        PrepareStartUp(profile, programFolder.filePath(QStringLiteral("orvandel")), QStringLiteral("/unused/"), kNoHelp);
    EXPECT_EQ(appPath, programFolder.path() + u'/');
    ExpectSavedGameFolders(appPath);
}

TEST(StartUp, AnUnwritableProgramFolderGivesWayToTheUserDataFolder)
{
    QTemporaryDir places;
    // A regular file stands where the program's folder would be: nothing can be created there.
    QFile blocker(places.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString userData = places.filePath(QStringLiteral("share/VantrelInc/Orvandel/"));
    ProfileSettings profile(FreshProgramName());

    const QString appPath = PrepareStartUp(profile, places.filePath(QStringLiteral("blocked/orvandel")), userData, kNoHelp);
    EXPECT_EQ(appPath, userData);
    ExpectSavedGameFolders(userData);
}

TEST(StartUp, AnUnusableAppPathIsPassedOverSilently)
{
    RecordingPrompts prompts;
    QTemporaryDir places;
    QFile blocker(places.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unusable = places.filePath(QStringLiteral("file/below/"));
    const QString program = FreshProgramName();
    StoreAppPath(program, unusable);
    ProfileSettings profile(program);

    EXPECT_EQ(PrepareStartUp(profile, QString(), QString(), kNoHelp), unusable);
    EXPECT_FALSE(QFileInfo::exists(unusable + QStringLiteral("Saved Games")));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST(StartUp, ExistingFoldersAreKeptAsTheyAre)
{
    QTemporaryDir boards;
    const QString appPath = boards.path() + u'/';
    CreateSavedGameFolders(appPath);
    QFile saved(appPath + QStringLiteral("Saved Games/Easy/kept.sdf"));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
    saved.write(QByteArray(81, '?'));
    saved.close();

    CreateSavedGameFolders(appPath);
    ExpectSavedGameFolders(appPath);
    EXPECT_EQ(QFileInfo(saved.fileName()).size(), 81);
}

struct FolderCase {
    const char* name;
    const char* programFile;
    const char* folder;
};

void PrintTo(const FolderCase& folderCase, std::ostream* out)
{
    *out << folderCase.name;
}

class ProgramFolderRule : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderRule, CutsAtTheLastSeparatorAfterTheFirstCharacter)
{
    EXPECT_EQ(ProgramFolder(QString::fromLatin1(GetParam().programFile)), QString::fromLatin1(GetParam().folder));
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, ProgramFolderRule,
    ::testing::Values(FolderCase{"Installed", "/usr/bin/orvandel", "/usr/bin/"},
                      FolderCase{"WindowsStyle", "C:/Games/Puzzle/board.exe", "C:/Games/Puzzle/"},
                      FolderCase{"AtTheRoot", "/orvandel", "/orvandel"},
                      FolderCase{"NoFolder", "orvandel", "orvandel"},
                      FolderCase{"Relative", "bin/orvandel", "bin/"}),
    [](const auto& info) { return info.param.name; });

TEST(StartUp, AProgramAtTheRootIsNotAFolderSoTheUserDataFolderIsUsed)
{
    QTemporaryDir places;
    const QString userData = places.path() + u'/';
    EXPECT_EQ(ResolveAppPath(QString(), QStringLiteral("/orvandel"), userData, QString()), userData);
}

TEST(StartUp, SystemProgramFoldersAreNeverTheApplicationPath)
{
    QTemporaryDir places;
    const QString userData = places.path() + QStringLiteral("/user/");
    const QString installBin = places.path() + QStringLiteral("/prefix/bin/");
    const QString ownFolder = places.path() + QStringLiteral("/own/");
    ASSERT_TRUE(QDir().mkpath(installBin) && QDir().mkpath(ownFolder));

    const struct {
        QString folder;
        bool system;
    } rows[] = {{QStringLiteral("/usr/bin/"), true},          {QStringLiteral("/usr/local/bin"), true},
                {QStringLiteral("/opt/vantrel/bin/"), true},   {QStringLiteral("/bin/"), true},
                {QStringLiteral("/sbin"), true},               {installBin, true},
                {QStringLiteral("/usrlocal/bin/"), false},     {QStringLiteral("/home/someone/bin/"), false},
                {ownFolder, false}};
    for (const auto& row : rows)
        EXPECT_EQ(IsSystemProgramFolder(row.folder, installBin), row.system) << row.folder.toStdString();

    // Writable for root, yet the person's folder stands in; a folder of one's own is used as it is.
    EXPECT_EQ(ResolveAppPath(QString(), QStringLiteral("/usr/bin/orvandel"), userData, installBin), userData);
    EXPECT_EQ(ResolveAppPath(QString(), installBin + QStringLiteral("orvandel"), userData, installBin), userData);
    EXPECT_EQ(ResolveAppPath(QString(), ownFolder + QStringLiteral("orvandel"), userData, installBin), ownFolder);
}

}  // namespace
