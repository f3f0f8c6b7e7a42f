#include "platform/os/volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace vintora::os {

namespace {

QList<Mount>& table()
{
    static QList<Mount> mounts;
    return mounts;
}

bool& loaded()
{
    static bool flag = false;
    return flag;
}

// mountinfo escapes blanks and the like as \040.
QString unescapeOctal(const QString& text)
{
    QByteArray out;
    const QByteArray in = text.toUtf8();
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '\\' && i + 3 < in.size()) {
            bool ok = false;
            const int code = in.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += char(code);
                i += 3;
                continue;
            }
        }
        out += in[i];
    }
    return QString::fromUtf8(out);
}

// /dev/disk/by-label escapes as \x20.
QString unescapeHex(const QString& text)
{
    QByteArray out;
    const QByteArray in = text.toUtf8();
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '\\' && i + 3 < in.size() && in[i + 1] == 'x') {
            bool ok = false;
            const int code = in.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += char(code);
                i += 3;
                continue;
            }
        }
        out += in[i];
    }
    return QString::fromUtf8(out);
}

int kindOf(const QString& fsType, const QString& device)
{
    if (fsType == QLatin1String("iso9660") || fsType == QLatin1String("udf"))
        return DriveCdRom;
    static const QStringList network{QStringLiteral("nfs"), QStringLiteral("nfs4"), QStringLiteral("cifs"),
                                     QStringLiteral("smb3"), QStringLiteral("smbfs"), QStringLiteral("fuse.sshfs"),
                                     QStringLiteral("9p")};
    if (network.contains(fsType))
        return DriveNetwork;
    if (device.startsWith(QLatin1String("/dev/"))) {
        // The removable flag belongs to the whole disk: sdb1 -> sdb.
        QString disk = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
        QFile base(QStringLiteral("/sys/class/block/%1/../removable").arg(disk));
        QFile own(QStringLiteral("/sys/class/block/%1/removable").arg(disk));
        for (QFile* f : {&own, &base}) {
            if (f->open(QIODevice::ReadOnly))
                return f->readAll().trimmed() == "1" ? DriveRemovable : DriveFixed;
        }
    }
    return DriveFixed;
}

} // namespace

QList<Mount> Volumes::parseMountFile(const QString& text)
{
    QList<Mount> result;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList parts = line.contains(QLatin1Char('\t')) ? line.split(QLatin1Char('\t'))
                                                              : line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        Mount m;
        m.point = QDir::cleanPath(parts.value(0));
        m.label = parts.value(1).trimmed();
        bool ok = false;
        m.kind = parts.value(2).trimmed().toInt(&ok);
        if (!ok)
            m.kind = DriveFixed;
        if (m.label.isEmpty())
            m.label = m.point == QLatin1String("/") ? QStringLiteral("/") : QFileInfo(m.point).fileName();
        result << m;
    }
    return result;
}

QList<Mount> Volumes::readSystemMounts()
{
    QHash<QString, QString> labels; // canonical device -> label
    QDir byLabel(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo& fi : byLabel.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        labels.insert(QFileInfo(fi.absoluteFilePath()).canonicalFilePath(), unescapeHex(fi.fileName()));

    QList<Mount> result;
    QFile info(QStringLiteral("/proc/self/mountinfo"));
    if (!info.open(QIODevice::ReadOnly))
        return result;
    static const QStringList pseudo{QStringLiteral("proc"), QStringLiteral("sysfs"), QStringLiteral("devpts"),
                                    QStringLiteral("cgroup"), QStringLiteral("cgroup2"), QStringLiteral("mqueue"),
                                    QStringLiteral("securityfs"), QStringLiteral("debugfs"), QStringLiteral("tracefs"),
                                    QStringLiteral("pstore"), QStringLiteral("bpf"), QStringLiteral("configfs"),
                                    QStringLiteral("fusectl"), QStringLiteral("hugetlbfs"), QStringLiteral("devtmpfs"),
                                    QStringLiteral("binfmt_misc"), QStringLiteral("autofs"), QStringLiteral("efivarfs"),
                                    QStringLiteral("nsfs"), QStringLiteral("rpc_pipefs")};
    for (const QByteArray& rawLine : info.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine);
        const qsizetype dash = line.indexOf(QLatin1String(" - "));
        if (dash < 0)
            continue;
        const QStringList left = line.left(dash).split(QLatin1Char(' '));
        const QStringList right = line.mid(dash + 3).split(QLatin1Char(' '));
        if (left.size() < 5 || right.size() < 2)
            continue;
        const QString fsType = right[0];
        if (pseudo.contains(fsType))
            continue;
        Mount m;
        m.point = unescapeOctal(left[4]);
        const QString device = unescapeOctal(right[1]);
        m.kind = kindOf(fsType, device);
        const QString canonical = QFileInfo(device).canonicalFilePath();
        m.label = labels.value(canonical);
        if (m.label.isEmpty())
            m.label = m.point == QLatin1String("/") ? QStringLiteral("/") : QFileInfo(m.point).fileName();
        // A later mount on the same point hides the earlier one.
        result.removeIf([&](const Mount& old) { return old.point == m.point; });
        result << m;
    }
    return result;
}

const QList<Mount>& Volumes::mounts()
{
    if (!loaded())
        reload();
    return table();
}

void Volumes::reload()
{
    const QString file = qEnvironmentVariable("VINTORA_MOUNTS");
    if (!file.isEmpty()) {
        QFile f(file);
        table() = f.open(QIODevice::ReadOnly) ? parseMountFile(QString::fromUtf8(f.readAll())) : QList<Mount>();
    } else {
        table() = readSystemMounts();
    }
    loaded() = true;
}

QString Volumes::mountPointOf(const QString& path)
{
    const QString clean = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
    QString best = QStringLiteral("/");
    for (const Mount& m : mounts()) {
        const QString p = m.point;
        const bool under = p == QLatin1String("/") || clean == p || clean.startsWith(p + QLatin1Char('/'));
        if (under && p.size() >= best.size())
            best = p;
    }
    return best;
}

QString getVolumeLabel(const QString& mountPoint)
{
    const QString p = QDir::cleanPath(mountPoint);
    for (const Mount& m : Volumes::mounts()) {
        if (m.point == p)
            return m.label;
    }
    return {};
}

QString findDriveByLabel(const QString& label)
{
    QString found = QStringLiteral("?");
    for (const Mount& m : Volumes::mounts()) {
        if (m.label.compare(label, Qt::CaseInsensitive) == 0)
            found = m.point;
    }
    return found;
}

int getDriveKind(const QString& mountPoint)
{
    const QString p = QDir::cleanPath(mountPoint);
    for (const Mount& m : Volumes::mounts()) {
        if (m.point == p)
            return m.kind;
    }
    return DriveUnknown;
}

} // namespace vintora::os
