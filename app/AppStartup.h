// What the application does at start-up before the main dialog: work out the application path,
// make sure the folders for saved boards exist, and show the help window on the very first start.
// Every step is silent: nothing here reports a problem to the person.
#pragma once

#include <QString>

#include <functional>

class ProfileSettings;

// The folder of programFilePath with a trailing '/', when its last '/' stands after the first
// character; otherwise programFilePath unchanged.
QString ProgramFolder(const QString& programFilePath);

// The per-user application data folder with a trailing '/': where the application path goes when
// the program's own folder cannot be written.
QString UserDataFolder();

// True for a folder that belongs to the system rather than to a person: installBinFolder (the
// install prefix's bin), or /usr, /bin, /sbin, /opt or any folder below them, after links are resolved.
bool IsSystemProgramFolder(const QString& folder, const QString& installBinFolder);

// The application path: appPathSetting when it is not empty, with a '/' added when it does not end
// in one; otherwise ProgramFolder(programFilePath) when that is a folder that can be written and is
// no system program folder; otherwise userDataFolder, which is then created if missing.
QString ResolveAppPath(const QString& appPathSetting, const QString& programFilePath, const QString& userDataFolder,
                       const QString& installBinFolder);

// Creates each of SavedGameFolders() below appPath, one level at a time; folders that exist or
// cannot be made are passed over.
void CreateSavedGameFolders(const QString& appPath);

// When "FIRST TIME" (section "HELP", default 1) is not 0, runs showHelp and, once it has returned,
// stores "FIRST TIME" = 0.
void ShowHelpOnFirstStart(ProfileSettings& profile, const std::function<void()>& showHelp);

// The start-up sequence before the main dialog: reads "APP_PATH" (section "DEBUG"), resolves the
// application path, creates the saved-board folders and shows the help on the first start.
// Returns the application path. The program passes QCoreApplication::applicationFilePath(),
// UserDataFolder() and RunHelpDialog.
QString PrepareStartUp(ProfileSettings& profile, const QString& programFilePath, const QString& userDataFolder,
                       const std::function<void()>& showHelp);
