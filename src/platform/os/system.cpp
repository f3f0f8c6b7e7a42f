#include "platform/os/system.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSysInfo>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

#ifndef VINTORA_VERSION
#define VINTORA_VERSION "0.0.0.0"
#endif

namespace vintora::os {

QString getComputerNameText()
{
    return QSysInfo::machineHostName().left(100);
}

QString getRegisteredOwner()
{
    const passwd* pw = getpwuid(getuid());
    if (!pw || !pw->pw_gecos)
        return QStringLiteral("*");
    const QString full = QString::fromLocal8Bit(pw->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
    return full.isEmpty() ? QStringLiteral("*") : full;
}

QString getRegisteredOrganization()
{
    const passwd* pw = getpwuid(getuid());
    if (!pw || !pw->pw_gecos)
        return QStringLiteral("*");
    const QString org = QString::fromLocal8Bit(pw->pw_gecos).section(QLatin1Char(','), 1, 1).trimmed();
    return org.isEmpty() ? QStringLiteral("*") : org;
}

void shellRun(const QString& file, const QString& parameters, const QString& folder, int /*state*/)
{
    const QFileInfo fi(file);
    if (fi.isFile() && fi.isExecutable()) {
        QProcess::startDetached(file, QProcess::splitCommand(parameters), folder);
        return;
    }
    const QUrl url = file.contains(QLatin1String("://")) ? QUrl(file) : QUrl::fromLocalFile(file);
    QDesktopServices::openUrl(url);
}

QString formatProgramVersion(const QString& fileVersion, bool reorder)
{
    QList<int> n;
    const QStringList parts = fileVersion.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int v = parts.value(i).left(10).toInt(&ok);
        n << (ok ? v : 0);
    }
    if (!reorder)
        return fileVersion.isEmpty() ? QStringLiteral("0.0.0.0") : fileVersion;
    return QStringLiteral("%1.%2.%3%4")
        .arg(n[0])
        .arg(n[2])
        .arg(n[1], 3, 10, QLatin1Char('0'))
        .arg(n[3], 5, 10, QLatin1Char('0'));
}

QString getProgramVersion(bool reorder)
{
    return formatProgramVersion(QStringLiteral(VINTORA_VERSION), reorder);
}

QDate getBuildDate(const QString& fileName)
{
    if (fileName == QLatin1String("*"))
        return QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    return QFileInfo(fileName).lastModified().date();
}

QString versionCaption(const QString& prefix, const QString& version, const QDate& built)
{
    if (version.startsWith(QLatin1Char('0')))
        return prefix;
    return prefix + version + QStringLiteral(" от ") + built.toString(QStringLiteral("dd.MM.yyyy"));
}

QString getVersionCaption(const QString& prefix, bool reorder)
{
    return versionCaption(prefix, getProgramVersion(reorder), getBuildDate());
}

bool updateUninstallEntry(QSettings& store, const QString& version)
{
    if (!store.isWritable())
        return false;
    const QString stored = store.value(QStringLiteral("DisplayVersion")).toString();
    if (!(stored < version))
        return false;
    store.setValue(QStringLiteral("Publisher"), QStringLiteral("Korvalen"));
    store.setValue(QStringLiteral("DisplayName"), QStringLiteral("Vintora"));
    store.setValue(QStringLiteral("DisplayVersion"), version);
    store.setValue(QStringLiteral("InstallDate"), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    store.sync();
    return store.status() == QSettings::NoError;
}

void updateUninstallEntry()
{
    QSettings store(QSettings::SystemScope, QStringLiteral("Korvalen"), QStringLiteral("Vintora-Uninstall"));
    updateUninstallEntry(store, getProgramVersion(true));
}

} // namespace vintora::os
