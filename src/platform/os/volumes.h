#pragma once
#include <QList>
#include <QString>

namespace vintora::os {

// Kinds of volume as the catalogue stores them (MediumMpegPlace.Kind).
enum DriveKind { DriveUnknown = 0, DriveRemovable = 2, DriveFixed = 3, DriveNetwork = 4, DriveCdRom = 5 };

// A mounted volume. Its mount point plays the part of a drive letter; paths stored in the
// catalogue are relative to it and begin with "/".
struct Mount {
    QString point;
    QString label;
    int kind = DriveFixed;
};

// The mount table: from /proc/self/mountinfo and /dev/disk/by-label, or, when the environment
// variable VINTORA_MOUNTS names a file, from its lines "mount-point<TAB>label<TAB>kind"
// (fields may also be separated by blanks when the mount point has none).
class Volumes {
public:
    static const QList<Mount>& mounts();
    // Re-reads the table (a disk was mounted, or a test replaced the file).
    static void reload();
    // The mount point under which path lies (the longest that is a prefix); "/" at worst.
    static QString mountPointOf(const QString& path);

    static QList<Mount> parseMountFile(const QString& text);
    static QList<Mount> readSystemMounts();
};

// Label of the volume at a mount point; empty when it is not a mount point.
QString getVolumeLabel(const QString& mountPoint);
// The last mount point whose label equals label without regard to case; "?" when none.
QString findDriveByLabel(const QString& label);
// The kind of the volume at a mount point (DriveKind).
int getDriveKind(const QString& mountPoint);

} // namespace vintora::os
