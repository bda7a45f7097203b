#include "ProfileSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

const QString kOrganisation = QStringLiteral("VantrelInc");
const QString kApplication = QStringLiteral("Orvandel");

#ifndef Q_OS_WIN
// True when the file is a regular file or absent: anything else (a FIFO, whose open would wait
// for a writer, a device, a folder) is no settings file.
bool IsRegularOrAbsent(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode);
}
#endif

// The settings store, or nullptr when the settings file is not a regular file.
std::unique_ptr<QSettings> OpenSettings()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
#else
    const QString path = SettingsFilePath();
    if (!IsRegularOrAbsent(path))
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
#endif
}

}  // namespace

QString ProgramBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString SettingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + kOrganisation + u'/' +
           kApplication + QStringLiteral(".conf");
}

ProfileSettings::ProfileSettings(const QString& applicationName)
    : m_applicationName(applicationName), m_settings(OpenSettings())
{
}

ProfileSettings::~ProfileSettings() = default;

QString ProfileSettings::Key(const QString& section, const QString& entry) const
{
    return m_applicationName + u'/' + section + u'/' + entry;
}

QString ProfileSettings::GetProfileString(const QString& section, const QString& entry, const QString& fallback) const
{
    return m_settings ? m_settings->value(Key(section, entry), fallback).toString() : fallback;
}

std::optional<int> ProfileSettings::ReadNumber(const std::string& section, const std::string& entry) const
{
    if (!m_settings)
        return std::nullopt;
    const QVariant stored = m_settings->value(Key(QString::fromStdString(section), QString::fromStdString(entry)));
    bool isNumber = false;
    const int value = stored.toInt(&isNumber);
    return isNumber ? std::optional<int>(value) : std::nullopt;
}

void ProfileSettings::WriteNumber(const std::string& section, const std::string& entry, int value)
{
    if (!m_settings)
        return;
    m_settings->setValue(Key(QString::fromStdString(section), QString::fromStdString(entry)), value);
    m_settings->sync();
}
