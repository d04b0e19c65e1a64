#include "DirectoryListing.h"

#include <QDir>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "Wildcard.h"

namespace twinsweep {

namespace {

/// The attribute bits of `name`, relative to the open folder `folderFd` or AT_FDCWD.
int attributesAt(int folderFd, const char* name, bool folder, bool hidden)
{
    int bits = 0;
    if (folder)
        bits |= FileAttribute::Directory;
    if (hidden)
        bits |= FileAttribute::Hidden;
    if (faccessat(folderFd, name, W_OK, AT_EACCESS) != 0)
        bits |= FileAttribute::ReadOnly;
    return bits == 0 ? FileAttribute::Normal : bits;
}

bool isDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool byName(const QString& a, const QString& b)
{
    const int order = QString::compare(a, b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

/// Closes the folder on every way out.
struct FolderHandle
{
    explicit FolderHandle(const QString& folder) : dir(opendir(QFile::encodeName(folder).constData())) {}
    ~FolderHandle()
    {
        if (dir != nullptr)
            closedir(dir);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    DIR* dir;
};

} // namespace

std::optional<int> fileAttributes(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat info;
    if (path.isEmpty() || stat(encoded.constData(), &info) != 0)
        return std::nullopt;
    const bool hidden = QDir::cleanPath(path).section(u'/', -1).startsWith(u'.');
    return attributesAt(AT_FDCWD, encoded.constData(), S_ISDIR(info.st_mode), hidden);
}

DirectoryListing::DirectoryListing(const QString& folder, const QString& pattern)
{
    const FolderHandle handle(folder);
    if (handle.dir == nullptr)
        return;
    const int folderFd = dirfd(handle.dir);
    errno = 0;
    while (const dirent* entry = readdir(handle.dir)) {
        if (const std::optional<Kind> kind = kindOf(folderFd, *entry)) {
            QString name = QFile::decodeName(entry->d_name);
            const bool match = listingMatch(name, pattern);
            const int attributes =
                match ? attributesAt(folderFd, entry->d_name, *kind != Kind::File, name.startsWith(u'.')) : 0;
            m_entries.push_back({std::move(name), *kind, attributes});
        }
        errno = 0;
    }
    m_status = errno == 0 ? Status::Listed : Status::ReadFailed;
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry& a, const Entry& b) { return byName(a.name, b.name); });
}

std::optional<DirectoryListing::Kind> DirectoryListing::kindOf(int folderFd, const dirent& entry)
{
    if (isDotEntry(entry.d_name))
        return std::nullopt;
    switch (entry.d_type) {
    case DT_DIR: return Kind::Folder;
    case DT_REG: return Kind::File;
    case DT_LNK:
    case DT_UNKNOWN: break; // a link's target, or an entry some filesystems leave to a stat
    default: return std::nullopt;
    }
    struct stat info;
    const bool link = entry.d_type == DT_LNK ||
                      (fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode));
    if (fstatat(folderFd, entry.d_name, &info, 0) != 0)
        return std::nullopt;
    if (S_ISDIR(info.st_mode))
        return link ? Kind::LinkedFolder : Kind::Folder;
    return S_ISREG(info.st_mode) ? std::optional(Kind::File) : std::nullopt;
}

} // namespace twinsweep
