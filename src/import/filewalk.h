#pragma once
// The files of a folder tree with one extension, handed out one at a time: the same files in the
// same order as os::findFilesByExt, without holding the list (or a folder's entries) in memory,
// so that a batch over a huge tree stays small.
#include <QDirIterator>
#include <QString>
#include <memory>
#include <vector>

namespace vintora::import {

class FileWalk {
public:
    // ext without point, any case; entries whose name begins with "." or contains excluded
    // (when not empty) are skipped with everything below them; linked folders are not entered.
    FileWalk(const QString& folder, const QString& ext, const QString& excluded = {});
    ~FileWalk();
    FileWalk(const FileWalk&) = delete;
    FileWalk& operator=(const FileWalk&) = delete;

    // The next file as folder + name; false when the walk is over.
    bool next(QString& path);

private:
    struct Level {
        QString folder; // with its trailing "/"
        std::unique_ptr<QDirIterator> entries;
    };
    void enter(const QString& folder);

    QString m_suffix;
    QString m_excluded;
    std::vector<Level> m_levels;
};

} // namespace vintora::import
