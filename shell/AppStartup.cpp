#include "AppStartup.h"

#include "ProfileSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramFolder(const QString& programFilePath)
{
    const qsizetype lastSeparator = programFilePath.lastIndexOf(u'/');
    if (lastSeparator > 0)
        return programFilePath.left(lastSeparator + 1);
    return programFilePath;
}

QString UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/';
}

QString ResolveAppPath(const QString& appPathSetting, const QString& programFilePath, const QString& userDataFolder)
{
    if (!appPathSetting.isEmpty())
        return appPathSetting;
    const QString programFolder = ProgramFolder(programFilePath);
    const QFileInfo folder(programFolder);
    if (folder.isDir() && folder.isWritable())
        return programFolder;
    // An installed program's folder is not the person's to write in; keep their boards with them.
    QDir().mkpath(userDataFolder);
    return userDataFolder;
}

void CreateSavedGameFolders(const QString& appPath)
{
    for (const QString& folder : kSavedGameFolders)
        QDir().mkdir(appPath + folder);
}

void ShowHelpOnFirstStart(ProfileSettings& profile, const std::function<void()>& showHelp)
{
    if (profile.GetProfileInt(kHelpSection, kFirstTimeEntry, 1) == 0)
        return;
    showHelp();
    profile.WriteProfileInt(kHelpSection, kFirstTimeEntry, 0);
}

QString PrepareStartUp(ProfileSettings& profile, const QString& programFilePath, const QString& userDataFolder,
                       const std::function<void()>& showHelp)
{
    const QString appPath =
        ResolveAppPath(profile.GetProfileString(kDebugSection, kAppPathEntry, QString()), programFilePath, userDataFolder);
    CreateSavedGameFolders(appPath);
    ShowHelpOnFirstStart(profile, showHelp);
    return appPath;
}
