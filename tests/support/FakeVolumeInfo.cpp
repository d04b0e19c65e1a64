#include "FakeVolumeInfo.h"

#include <algorithm>

namespace twinsweep::test {

void FakeVolumeInfo::mount(const QString& mountPoint, qint32 serial, const QString& label)
{
    unmount(mountPoint);
    m_volumes.push_back({mountPoint, serial, label});
}

void FakeVolumeInfo::unmount(const QString& mountPoint)
{
    std::erase_if(m_volumes, [&](const Volume& volume) { return volume.mountPoint == mountPoint; });
}

const FakeVolumeInfo::Volume* FakeVolumeInfo::find(const QString& mountPoint) const
{
    const auto found = std::find_if(m_volumes.begin(), m_volumes.end(),
                                    [&](const Volume& volume) { return volume.mountPoint == mountPoint; });
    return found == m_volumes.end() ? nullptr : &*found;
}

QString FakeVolumeInfo::mountPointOf(const QString& path) const
{
    const QStringList points = mountedVolumes();
    const qsizetype holder = holdingMount(points, path);
    return holder < 0 ? QStringLiteral("/") : points[holder];
}

qint32 FakeVolumeInfo::serialNumber(const QString& mountPoint) const
{
    ++serialQueries;
    const Volume* volume = find(mountPoint);
    return volume ? volume->serial : 0;
}

QString FakeVolumeInfo::label(const QString& mountPoint) const
{
    const Volume* volume = find(mountPoint);
    return volume ? volume->label : QString();
}

QStringList FakeVolumeInfo::mountedVolumes() const
{
    QStringList points;
    for (const Volume& volume : m_volumes)
        points << volume.mountPoint;
    return points;
}

} // namespace twinsweep::test
