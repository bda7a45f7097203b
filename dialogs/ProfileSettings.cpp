#include "ProfileSettings.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ProgramBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

ProfileSettings::ProfileSettings(const QString& applicationName)
    : m_applicationName(applicationName),
      m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VantrelInc"),
                 QStringLiteral("Orvandel"))
{
}

QString ProfileSettings::Key(const QString& section, const QString& entry) const
{
    return m_applicationName + u'/' + section + u'/' + entry;
}

QString ProfileSettings::GetProfileString(const QString& section, const QString& entry, const QString& fallback) const
{
    return m_settings.value(Key(section, entry), fallback).toString();
}

int ProfileSettings::GetProfileInt(const QString& section, const QString& entry, int fallback) const
{
    const QVariant stored = m_settings.value(Key(section, entry));
    bool isNumber = false;
    const int value = stored.toInt(&isNumber);
    return isNumber ? value : fallback;
}

void ProfileSettings::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    m_settings.setValue(Key(section, entry), value);
    m_settings.sync();
}
