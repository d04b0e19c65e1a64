#include "FileTransfer.h"

#include "FileDescriptor.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace twinsweep {

namespace {

bool writeAll(int fd, const char* data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool copyBytes(int source, int target)
{
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t read = ::read(source, buffer.data(), buffer.size());
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return read == 0;
        if (!writeAll(target, buffer.data(), read))
            return false;
    }
}

/// Fills the open temporary file `target` from `source`, with the source's permission
/// bits and modification time, and syncs it.
bool fillFrom(int source, int target)
{
    struct stat status;
    if (fstat(source, &status) != 0 || !S_ISREG(status.st_mode) || !copyBytes(source, target))
        return false;
    const timespec times[2] = {status.st_atim, status.st_mtim};
    // A filesystem without permission bits (FAT) refuses the first; the copy stands all the same.
    fchmod(target, status.st_mode & 0777);
    futimens(target, times);
    return fsync(target) == 0;
}

} // namespace

bool renameNoReplace(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A filesystem without the flag: a new link fails when the target exists.
    if (link(source.constData(), target.constData()) != 0)
        return false;
    if (unlink(source.constData()) == 0)
        return true;
    unlink(target.constData()); // the file keeps its one old name
    return false;
}

bool copyFileNoReplace(const QString& from, const QString& to)
{
    Descriptor source(open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC));
    if (!source.isOpen())
        return false;
    QByteArray temporary = QFile::encodeName(QFileInfo(to).absolutePath() + "/.twinsweep-copy-XXXXXX");
    Descriptor target(mkostemp(temporary.data(), O_CLOEXEC));
    if (!target.isOpen())
        return false;
    const bool filled = fillFrom(source.get(), target.get());
    if (target.close() && filled && renameNoReplace(QFile::decodeName(temporary), to))
        return true;
    unlink(temporary.constData());
    return false;
}

bool unlinkPath(const QString& path)
{
    return unlink(QFile::encodeName(path).constData()) == 0;
}

bool moveAcrossFilesystems(const QString& from, const QString& to, RemoveSource removeSource)
{
    if (!copyFileNoReplace(from, to))
        return false;
    if (removeSource(from))
        return true;
    unlinkPath(to);
    return false;
}

bool moveFileNoReplace(const QString& from, const QString& to)
{
    if (renameNoReplace(from, to))
        return true;
    return errno == EXDEV && moveAcrossFilesystems(from, to);
}

} // namespace twinsweep
