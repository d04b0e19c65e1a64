#include "VolumeLayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

#include <cctype>
#include <cstring>

namespace twinsweep {

namespace {

/// Undoes the octal escapes ("\040" for a blank) the kernel writes into mount fields.
QString unescapeMountField(const QByteArray& field)
{
    const auto octal = [&field](qsizetype at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            bytes += char(field.mid(i + 1, 3).toInt(nullptr, 8));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}

std::optional<MountEntry> parseMountLine(const QByteArray& line)
{
    const QList<QByteArray> fields = line.split(' ');
    const qsizetype separator = fields.indexOf("-", 6);
    if (separator < 0 || fields.size() < separator + 3)
        return std::nullopt;
    const QList<QByteArray> device = fields[2].split(':');
    if (device.size() != 2)
        return std::nullopt;
    MountEntry entry;
    entry.mountPoint = unescapeMountField(fields[4]);
    entry.fsType = unescapeMountField(fields[separator + 1]);
    entry.source = unescapeMountField(fields[separator + 2]);
    entry.major = device[0].toUInt();
    entry.minor = device[1].toUInt();
    return entry;
}

bool isHex(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 127 || !isxdigit(c.unicode()))
            return false;
    }
    return true;
}

bool existsOrIsLink(const QString& path)
{
    struct stat status;
    return lstat(QFile::encodeName(path).constData(), &status) == 0;
}

/// `path` with the folders that exist resolved to where they really lie; a path that
/// is itself a link stays a link in its resolved folder, since the link is what lies there.
QString resolveExisting(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    QString current = clean;
    while (current != "/" && !existsOrIsLink(current))
        current = QFileInfo(current).path();
    const QFileInfo info(current);
    if (current == clean && info.isSymLink()) {
        const QString folder = QFileInfo(info.path()).canonicalFilePath();
        return folder.isEmpty() ? current : QDir::cleanPath(folder + '/' + info.fileName());
    }
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? current : canonical;
}

} // namespace

std::vector<MountEntry> parseMountInfo(const QByteArray& text)
{
    std::vector<MountEntry> entries;
    for (const QByteArray& line : text.split('\n')) {
        if (auto entry = parseMountLine(line))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

qsizetype holdingMount(const QStringList& mountPoints, const QString& path)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < mountPoints.size(); ++i) {
        const QString& point = mountPoints[i];
        const bool holds = point == "/" || path == point || path.startsWith(point + '/');
        if (holds && (best < 0 || point.size() >= mountPoints[best].size()))
            best = i;
    }
    return best;
}

bool isRealFilesystem(const QString& fsType)
{
    static const QSet<QString> virtualTypes{
        "autofs",     "binder",     "binfmt_misc", "bpf",      "cgroup",  "cgroup2",         "configfs",
        "debugfs",    "devpts",     "devtmpfs",    "efivarfs", "fusectl", "fuse.gvfsd-fuse", "fuse.portal",
        "hugetlbfs",  "mqueue",     "nfsd",        "nsfs",     "proc",    "pstore",          "ramfs",
        "rpc_pipefs", "securityfs", "selinuxfs",   "sysfs",    "tmpfs",   "tracefs"};
    return !fsType.isEmpty() && !virtualTypes.contains(fsType);
}

std::optional<qint32> serialFromUuid(const QString& uuid)
{
    QString digits;
    const bool fat = uuid.size() == 9 && uuid[4] == '-' && isHex(uuid.left(4)) && isHex(uuid.mid(5));
    if (fat) {
        digits = uuid.left(4) + uuid.mid(5);
    } else if (uuid.size() == 16 && isHex(uuid)) {
        digits = uuid.right(8); // NTFS: the low half of its 64-bit serial
    } else {
        const QString bare = QString(uuid).remove('-');
        if (bare.size() < 8 || !isHex(bare))
            return std::nullopt;
        digits = bare.left(8);
    }
    bool ok = false;
    const quint32 value = digits.toUInt(&ok, 16);
    return ok ? std::optional<qint32>(qint32(value)) : std::nullopt;
}

QString decodeUdevName(const QString& name)
{
    const QByteArray encoded = name.toUtf8();
    const auto hex = [&encoded](qsizetype at) { return at < encoded.size() && isxdigit(uchar(encoded[at])); };
    QByteArray bytes;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\\' && i + 1 < encoded.size() && encoded[i + 1] == 'x' && hex(i + 2) && hex(i + 3)) {
            bytes += char(encoded.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            bytes += encoded[i];
        }
    }
    return QString::fromUtf8(bytes);
}

SystemVolumeInfo::SystemVolumeInfo(QString mountInfoFile, QString diskFolder)
    : m_mountInfoFile(std::move(mountInfoFile)), m_diskFolder(std::move(diskFolder))
{}

std::vector<MountEntry> SystemVolumeInfo::mounts() const
{
    QFile file(m_mountInfoFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseMountInfo(file.readAll());
}

std::optional<MountEntry> SystemVolumeInfo::mountAt(const QString& mountPoint) const
{
    const QString wanted = QDir::cleanPath(mountPoint);
    std::optional<MountEntry> found;
    for (MountEntry& entry : mounts()) {
        if (entry.mountPoint == wanted)
            found = std::move(entry); // a later mount at the same place covers the earlier
    }
    return found;
}

QStringList SystemVolumeInfo::namesOfDevice(const MountEntry& mount, const QString& kind) const
{
    const QDir folder(m_diskFolder + '/' + kind);
    const QString source = mount.source.startsWith('/') ? QFileInfo(mount.source).canonicalFilePath() : QString();
    const dev_t device = makedev(mount.major, mount.minor);
    QStringList names;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : entries) {
        const QString link = folder.filePath(name);
        struct stat status;
        const bool sameDevice = stat(QFile::encodeName(link).constData(), &status) == 0 && S_ISBLK(status.st_mode) &&
                                status.st_rdev == device;
        if (sameDevice || (!source.isEmpty() && QFileInfo(link).canonicalFilePath() == source))
            names << name;
    }
    return names;
}

QString SystemVolumeInfo::mountPointOf(const QString& path) const
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    QStringList points;
    for (const MountEntry& entry : mounts())
        points << entry.mountPoint;
    const qsizetype holder = holdingMount(points, resolveExisting(path));
    return holder < 0 ? QStringLiteral("/") : points[holder];
}

qint32 SystemVolumeInfo::serialNumber(const QString& mountPoint) const
{
    const std::optional<MountEntry> mount = mountAt(mountPoint);
    if (!mount)
        return 0;
    for (const QString& uuid : namesOfDevice(*mount, "by-uuid")) {
        if (const std::optional<qint32> serial = serialFromUuid(uuid))
            return *serial;
    }
    struct statfs status;
    if (statfs(QFile::encodeName(mount->mountPoint).constData(), &status) != 0)
        return 0;
    int fsid[2];
    static_assert(sizeof(status.f_fsid) == sizeof(fsid));
    std::memcpy(fsid, &status.f_fsid, sizeof(fsid));
    return qint32(fsid[0]); // the low half of the 64-bit id
}

QString SystemVolumeInfo::label(const QString& mountPoint) const
{
    const std::optional<MountEntry> mount = mountAt(mountPoint);
    if (!mount)
        return {};
    const QStringList labels = namesOfDevice(*mount, "by-label");
    return labels.isEmpty() ? QString() : decodeUdevName(labels.first());
}

QStringList SystemVolumeInfo::mountedVolumes() const
{
    QStringList points;
    for (const MountEntry& entry : mounts()) {
        if (isRealFilesystem(entry.fsType) && !points.contains(entry.mountPoint))
            points << entry.mountPoint;
    }
    return points;
}

} // namespace twinsweep
