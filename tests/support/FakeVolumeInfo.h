#pragma once

#include <vector>

#include "platform/VolumeLayer.h"

namespace twinsweep::test {

/// Volumes mounted by the test: a mount point with its serial number and label.
/// Paths are matched as text; nothing on disk is read.
class FakeVolumeInfo : public VolumeInfo
{
public:
    void mount(const QString& mountPoint, qint32 serial, const QString& label = {});
    void unmount(const QString& mountPoint);

    /// The longest mounted prefix of `path`, "/" when none.
    QString mountPointOf(const QString& path) const override;
    /// 0 for a place where nothing is mounted.
    qint32 serialNumber(const QString& mountPoint) const override;
    QString label(const QString& mountPoint) const override;
    QStringList mountedVolumes() const override;

    mutable int serialQueries = 0;

private:
    struct Volume
    {
        QString mountPoint;
        qint32 serial;
        QString label;
    };
    const Volume* find(const QString& mountPoint) const;
    std::vector<Volume> m_volumes;
};

} // namespace twinsweep::test
