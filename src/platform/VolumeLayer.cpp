#include "VolumeLayer.h"

#include "FileLayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QVarLengthArray>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>
#include <unistd.h>

namespace twinsweep {

namespace {

/// Undoes the octal escapes ("\040" for a blank) the kernel writes into mount fields.
QString unescapeMountField(std::string_view field)
{
    const auto octal = [&field](size_t at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
    QByteArray bytes;
    bytes.reserve(qsizetype(field.size()));
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            bytes += char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}

std::optional<unsigned> toNumber(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

/// Fields: id, parent, major:minor, root, mount point, options, optional fields, "-",
/// filesystem type, source, superblock options.
std::optional<MountEntry> parseMountLine(std::string_view line)
{
    QVarLengthArray<std::string_view, 16> fields;
    for (size_t start = 0; start <= line.size();) {
        const size_t end = std::min(line.find(' ', start), line.size());
        fields.append(line.substr(start, end - start));
        start = end + 1;
    }
    const auto separator = std::find(fields.begin() + std::min<qsizetype>(6, fields.size()), fields.end(), "-");
    if (separator == fields.end() || fields.end() - separator < 3)
        return std::nullopt;
    const size_t colon = fields[2].find(':');
    const std::optional<unsigned> major = toNumber(fields[2].substr(0, colon));
    const std::optional<unsigned> minor =
        colon == std::string_view::npos ? std::nullopt : toNumber(fields[2].substr(colon + 1));
    if (!major || !minor)
        return std::nullopt;
    return MountEntry{unescapeMountField(fields[4]), unescapeMountField(separator[1]), unescapeMountField(separator[2]),
                      *major, *minor};
}

/// Reads a whole file of /proc, whose size is not known in advance.
QByteArray readProcFile(const QString& path)
{
    QByteArray text;
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char buffer[8192];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof(buffer));
        if (got > 0)
            text.append(buffer, got);
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(fd);
    return text;
}

bool isHex(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 127 || !isxdigit(c.unicode()))
            return false;
    }
    return true;
}

/// `path` with the folders that exist resolved to where they really lie; a path that
/// is itself a link stays a link in its resolved folder, since the link is what lies there.
QString resolveExisting(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    QString current = clean;
    while (current != "/" && !entryExists(current))
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
    const std::string_view all(text.constData(), size_t(text.size()));
    std::vector<MountEntry> entries;
    for (size_t start = 0; start < all.size();) {
        const size_t end = std::min(all.find('\n', start), all.size());
        if (auto entry = parseMountLine(all.substr(start, end - start)))
            entries.push_back(std::move(*entry));
        start = end + 1;
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
    return parseMountInfo(readProcFile(m_mountInfoFile));
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
