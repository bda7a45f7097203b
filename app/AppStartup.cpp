#include "AppStartup.h"

#include "ProfileSettings.h"
#include "SavedGames.h"

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

bool IsSystemProgramFolder(const QString& folder, const QString& installBinFolder)
{
    // Resolved first, so that a link such as /bin -> /usr/bin is judged by where it leads.
    const QString resolved = QFileInfo(folder).canonicalFilePath();
    const QString path = resolved.isEmpty() ? QDir::cleanPath(folder) : resolved;
    const QString installBin = QFileInfo(installBinFolder).canonicalFilePath();
    if (!installBin.isEmpty() && path == installBin)
        return true;
    for (const QLatin1String system : {QLatin1String("/usr"), QLatin1String("/bin"), QLatin1String("/sbin"),
                                       QLatin1String("/opt")}) {
        if (path == system || path.startsWith(system + u'/'))
            return true;
    }
    return false;
}

QString ResolveAppPath(const QString& appPathSetting, const QString& programFilePath, const QString& userDataFolder,
                       const QString& installBinFolder)
{
    // Every folder path is built by appending to the application path, so it must end in '/':
    // "/srv/boards" would make "/srv/boardsSaved Games/".
    if (!appPathSetting.isEmpty())
        return appPathSetting.endsWith(u'/') ? appPathSetting : appPathSetting + u'/';
    const QString programFolder = ProgramFolder(programFilePath);
    const QFileInfo folder(programFolder);
    // An installed program's folder is not the person's to write in, even where it can be written
    // (by root); keep their boards with them.
    if (folder.isDir() && folder.isWritable() && !IsSystemProgramFolder(programFolder, installBinFolder))
        return programFolder;
    QDir().mkpath(userDataFolder);
    return userDataFolder;
}

void CreateSavedGameFolders(const QString& appPath)
{
    for (const std::string& folder : SavedGameFolders())
        QDir().mkdir(appPath + QString::fromStdString(folder));
}

void ShowHelpOnFirstStart(ProfileSettings& profile, const std::function<void()>& showHelp)
{
    Settings settings(profile);
    if (!settings.FirstStart())
        return;
    showHelp();
    settings.NoteStarted();
}

QString PrepareStartUp(ProfileSettings& profile, const QString& programFilePath, const QString& userDataFolder,
                       const std::function<void()>& showHelp)
{
    const QString appPath = ResolveAppPath(profile.GetProfileString(kDebugSection, kAppPathEntry, QString()),
                                           programFilePath, userDataFolder, QStringLiteral(ORVANDEL_INSTALL_BINDIR));
    CreateSavedGameFolders(appPath);
    ShowHelpOnFirstStart(profile, showHelp);
    return appPath;
}
