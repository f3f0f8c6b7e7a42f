#include "platform/os/applog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTime>
#include <stdexcept>

namespace vintora::os {

namespace {
QString& folderOverride()
{
    static QString folder;
    return folder;
}

QString& chosenName()
{
    static QString name;
    return name;
}

QString logFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    const QString env = qEnvironmentVariable("VINTORA_LOG_DIR");
    if (!env.isEmpty())
        return env;
    // The folder beside an installed executable is not writable: the user's data folder is.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder("windows-1251", QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return text.toLocal8Bit();
    return encoder.encode(text);
}
} // namespace

QString AppLog::fileName()
{
    if (chosenName().isEmpty()) {
        QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        if (exe.isEmpty())
            exe = QStringLiteral("vintora");
        chosenName() = QDir(logFolder()).absoluteFilePath(exe + QDate::currentDate().toString(QStringLiteral("yyMMdd")) +
                                                          QStringLiteral(".log"));
    }
    return chosenName();
}

void AppLog::setFolder(const QString& folder)
{
    folderOverride() = folder;
    chosenName().clear();
}

void AppLog::writeLog(const QString& text)
{
    const QString name = fileName();
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile file(name);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw std::runtime_error(QStringLiteral("Нельзя открыть журнал \"%1\": %2").arg(name, file.errorString()).toStdString());
    QString entry;
    if (!existed) {
        entry += QStringLiteral("Журнал приложения %1 %2\r\n")
                     .arg(QCoreApplication::applicationName().isEmpty() ? QStringLiteral("Vintora")
                                                                        : QCoreApplication::applicationName(),
                          QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    }
    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    entry += QStringLiteral("\r\n%1 ]%2\r\n%3\r\n")
                 .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), QString(70, QLatin1Char('-')), body);
    const QByteArray bytes = encode(entry);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error(QStringLiteral("Нельзя записать журнал \"%1\": %2").arg(name, file.errorString()).toStdString());
}

} // namespace vintora::os
