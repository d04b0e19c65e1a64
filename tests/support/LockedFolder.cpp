#include "LockedFolder.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace twinsweep::test {

namespace {
bool canAddEntry(const QString& folder)
{
    const QByteArray probe = QFile::encodeName(folder + "/.probe");
    const int fd = open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    close(fd);
    unlink(probe.constData());
    return true;
}
} // namespace

LockedFolder::LockedFolder(QString path) : m_path(std::move(path))
{
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    if (canAddEntry(m_path))
        m_immutable = setImmutable(true);
    m_locked = !canAddEntry(m_path);
}

LockedFolder::~LockedFolder()
{
    if (m_immutable)
        setImmutable(false);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool LockedFolder::setImmutable(bool on)
{
    const int fd = open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return done;
}

} // namespace twinsweep::test
