#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace twinsweep {

/// What the program knows of volumes: the mount point that stands for a drive root,
/// the volume serial number that tells one medium from another mounted at the same
/// place, its label, and the mounted filesystems.
class VolumeInfo
{
public:
    virtual ~VolumeInfo() = default;
    /// The mount point holding `path` ("/" at worst); "" for an empty or relative path.
    /// For a path that no longer exists, the mount of its deepest existing ancestor.
    virtual QString mountPointOf(const QString& path) const = 0;
    /// Serial number of the volume mounted at `mountPoint`; 0 when none can be read.
    virtual qint32 serialNumber(const QString& mountPoint) const = 0;
    /// Label of the volume mounted at `mountPoint`; "" when it has none.
    virtual QString label(const QString& mountPoint) const = 0;
    /// Mount points of the real (not virtual) filesystems, in mount order.
    virtual QStringList mountedVolumes() const = 0;
};

/// One line of /proc/self/mountinfo, escapes undone.
struct MountEntry
{
    QString mountPoint;
    QString fsType;
    QString source;
    unsigned major = 0;
    unsigned minor = 0;
};

/// Reads the mount table; damaged lines are skipped.
std::vector<MountEntry> parseMountInfo(const QByteArray& text);
/// The mount point among `mountPoints` that holds the absolute `path`: the longest one
/// that is `path` or a whole-folder prefix of it; of equal ones the later (it lies on
/// top). -1 when none holds it.
qsizetype holdingMount(const QStringList& mountPoints, const QString& path);
/// False for virtual filesystems (proc, sysfs, tmpfs, cgroup ...).
bool isRealFilesystem(const QString& fsType);
/// The serial number a filesystem UUID stands for: "ABCD-1234" (FAT, exFAT) is
/// 0xABCD1234, 16 hex digits (NTFS) give their low 32 bits, other UUIDs their first
/// 8 hex digits. Nothing for a text that is none of these.
std::optional<qint32> serialFromUuid(const QString& uuid);
/// A name in /dev/disk/by-label with udev's "\xHH" escapes undone.
QString decodeUdevName(const QString& name);

/// The running system's volumes, read anew on every call: the mount table and the
/// links of the disk folder (/dev/disk/by-uuid, /dev/disk/by-label).
class SystemVolumeInfo : public VolumeInfo
{
public:
    explicit SystemVolumeInfo(QString mountInfoFile = "/proc/self/mountinfo", QString diskFolder = "/dev/disk");

    QString mountPointOf(const QString& path) const override;
    qint32 serialNumber(const QString& mountPoint) const override;
    QString label(const QString& mountPoint) const override;
    QStringList mountedVolumes() const override;

private:
    std::vector<MountEntry> mounts() const;
    std::optional<MountEntry> mountAt(const QString& mountPoint) const;
    /// Names in `diskFolder`/`kind` whose link leads to the device of `mount`.
    QStringList namesOfDevice(const MountEntry& mount, const QString& kind) const;

    QString m_mountInfoFile;
    QString m_diskFolder;
};

} // namespace twinsweep
