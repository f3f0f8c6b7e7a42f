#include "platform/os/files.h"

#include "platform/os/volumes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace vintora::os {

qint64 getFileSize(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return f.size();
}

QString fileNameWithoutExt(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}

QString dirWithoutDrive(const QString& folder)
{
    QString clean = QDir::cleanPath(folder);
    const QString mount = Volumes::mountPointOf(clean);
    if (mount != QLatin1String("/"))
        clean = clean.mid(mount.size());
    if (!clean.startsWith(QLatin1Char('/')))
        clean.prepend(QLatin1Char('/'));
    return clean;
}

QString withTrailingBackslash(const QString& path)
{
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString safeFileName(const QString& text)
{
    static const QString forbidden = QStringLiteral("<>\"\\/*:?|");
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (forbidden.contains(c))
            continue;
        if (c == QLatin1Char(' ') && out.endsWith(QLatin1Char(' ')))
            continue;
        out += c;
    }
    return out;
}

namespace {
bool walk(const QString& folder, const QString& suffix, QStringList& result, const FolderProgress& progress,
          const QString& excluded)
{
    if (progress && !progress(folder + QStringLiteral("...")))
        return false;
    QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& fi : entries) {
        const QString name = fi.fileName();
        if (name.startsWith(QLatin1Char('.')))
            continue;
        if (!excluded.isEmpty() && name.contains(excluded))
            continue;
        if (fi.isDir()) {
            if (fi.isSymLink())
                continue;
            if (!walk(withTrailingBackslash(folder) + name + QLatin1Char('/'), suffix, result, progress, excluded))
                return false;
        } else if (name.endsWith(suffix, Qt::CaseInsensitive) && name.size() > suffix.size() - 1) {
            result << withTrailingBackslash(folder) + name;
        }
    }
    return true;
}
} // namespace

bool findFilesByExt(const QString& folder, const QString& ext, QStringList& result, const FolderProgress& progress,
                    const QString& excluded)
{
    return walk(withTrailingBackslash(folder), QLatin1Char('.') + ext, result, progress, excluded);
}

} // namespace vintora::os
