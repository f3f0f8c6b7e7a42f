#include "import/filewalk.h"

#include "platform/os/files.h"

#include <QFileInfo>

namespace vintora::import {

FileWalk::FileWalk(const QString& folder, const QString& ext, const QString& excluded)
    : m_suffix(QLatin1Char('.') + ext), m_excluded(excluded)
{
    enter(os::withTrailingBackslash(folder));
}

FileWalk::~FileWalk() = default;

void FileWalk::enter(const QString& folder)
{
    m_levels.push_back(
        {folder, std::make_unique<QDirIterator>(folder, QDir::AllEntries | QDir::Hidden | QDir::System |
                                                            QDir::NoDotAndDotDot)});
}

bool FileWalk::next(QString& path)
{
    while (!m_levels.empty()) {
        Level& level = m_levels.back();
        if (!level.entries->hasNext()) {
            m_levels.pop_back();
            continue;
        }
        level.entries->next();
        const QFileInfo fi = level.entries->fileInfo();
        const QString name = fi.fileName();
        if (name.startsWith(QLatin1Char('.')))
            continue;
        if (!m_excluded.isEmpty() && name.contains(m_excluded))
            continue;
        if (fi.isDir()) {
            if (!fi.isSymLink())
                enter(level.folder + name + QLatin1Char('/')); // invalidates level
            continue;
        }
        if (name.endsWith(m_suffix, Qt::CaseInsensitive)) {
            path = level.folder + name;
            return true;
        }
    }
    return false;
}

} // namespace vintora::import
