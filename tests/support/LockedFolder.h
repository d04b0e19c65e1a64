#pragma once

#include <QString>

namespace twinsweep::test {

/// Keeps the entries of a folder from being added, removed or renamed while it lives:
/// the folder loses its write permission and, for a process that may ignore
/// permissions (root), gets the immutable flag as well.
class LockedFolder
{
public:
    explicit LockedFolder(QString path);
    ~LockedFolder();
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    /// False when this process can still change the folder (the test cannot run here).
    bool locked() const { return m_locked; }

private:
    bool setImmutable(bool on);

    QString m_path;
    bool m_immutable = false;
    bool m_locked = false;
};

} // namespace twinsweep::test
