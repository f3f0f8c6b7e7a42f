#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace vintora::os {

// Size in bytes; -1 when the file cannot be opened for reading.
qint64 getFileSize(const QString& path);
// The file name without folder and extension ("/a/b/03 Song.mp3" gives "03 Song").
QString fileNameWithoutExt(const QString& path);
// A folder's path below its mount point, beginning with "/" ("/media/usb/Music/A" on the volume
// mounted at /media/usb gives "/Music/A"): the form stored for MP3 folders.
QString dirWithoutDrive(const QString& folder);
// Appends "/" unless the path is empty or ends with one already.
QString withTrailingBackslash(const QString& path);
// Deletes the nine characters < > " \ / * : ? | and reduces runs of blanks to one; no trim.
QString safeFileName(const QString& text);

// Called with "folder..." for every folder entered; returning false stops the walk.
using FolderProgress = std::function<bool(const QString& text)>;

// Walks the folder tree depth-first, hidden entries included, and appends every file whose
// extension is ext (no point, any case) as folder + name. Entries whose name begins with "."
// or contains excluded (when not empty) are skipped with everything below them. Folders
// reached through a symbolic link are not entered, so a link loop cannot hang the walk.
// Returns false when the callback stopped it.
bool findFilesByExt(const QString& folder, const QString& ext, QStringList& result,
                    const FolderProgress& progress = {}, const QString& excluded = {});

} // namespace vintora::os
