// The program's per-user settings. They live under organisation "VantrelInc", application
// "Orvandel" (on Windows the registry key Software\VantrelInc\Orvandel), in one group per program
// name and section: "<program name>/DEBUG", "<program name>/HELP", "<program name>/VIEW". The same program under another
// file name thus starts with fresh settings. Outside Windows they are the one file
// SettingsFilePath(); when that is anything but a regular file (a FIFO, a device, a folder), the
// program runs on the defaults and neither reads nor writes it, without a word.
#pragma once

#include <QString>

#include <memory>

class QSettings;

inline constexpr const char* kDebugSection = "DEBUG";
inline constexpr const char* kAppPathEntry = "APP_PATH";
inline constexpr const char* kHelpSection = "HELP";
inline constexpr const char* kFirstTimeEntry = "FIRST TIME";
inline constexpr const char* kViewSection = "VIEW";
inline constexpr const char* kShowCandidatesEntry = "SHOW CANDIDATES";
// The main window's size in pixels when the person made it larger; 0 for its natural size.
inline constexpr const char* kWindowWidthEntry = "WINDOW WIDTH";
inline constexpr const char* kWindowHeightEntry = "WINDOW HEIGHT";

// The application's name: the program file's name without its folder and extension.
QString ProgramBaseName();

// The settings file outside Windows: "VantrelInc/Orvandel.conf" in the per-user configuration
// folder ($XDG_CONFIG_HOME, or ~/.config).
QString SettingsFilePath();

class ProfileSettings {
public:
    explicit ProfileSettings(const QString& applicationName = ProgramBaseName());
    ~ProfileSettings();
    ProfileSettings(const ProfileSettings&) = delete;
    ProfileSettings& operator=(const ProfileSettings&) = delete;

    // The stored text, or fallback when the entry is absent.
    QString GetProfileString(const QString& section, const QString& entry, const QString& fallback) const;
    // The stored number, or fallback when the entry is absent or not a number.
    int GetProfileInt(const QString& section, const QString& entry, int fallback) const;
    // Stores the number; a failure to write goes unreported.
    void WriteProfileInt(const QString& section, const QString& entry, int value);

private:
    QString Key(const QString& section, const QString& entry) const;

    QString m_applicationName;
    std::unique_ptr<QSettings> m_settings;  // nullptr: the defaults only
};
