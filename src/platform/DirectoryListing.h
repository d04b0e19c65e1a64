#pragma once

#include <QString>

#include <optional>
#include <vector>

struct dirent;

namespace twinsweep {

/// File attribute bits as the program's rules count them.
namespace FileAttribute {
constexpr int ReadOnly = 1;   ///< the user cannot write it
constexpr int Hidden = 2;     ///< the name starts with "."
constexpr int System = 4;     ///< never set here
constexpr int Directory = 16; ///< a folder, or a link to one
constexpr int Normal = 128;   ///< a file with none of the bits above
} // namespace FileAttribute

/// The attribute bits of `path`, links followed; nothing when it does not exist or
/// cannot be examined.
std::optional<int> fileAttributes(const QString& path);

/// The entries of one folder, sorted by name without regard to case and then by character
/// code, so that every walk visits them in the same order. Only folders and files are
/// listed, links to them included: ".", "..", pipes, sockets, devices and broken links are
/// left out, since they hold nothing to catalogue and opening a pipe would block.
///
/// Entries whose names pass the listing filter of `pattern` (see `listingMatch`) are
/// marked and carry their attribute bits; the others do not, as reading attributes costs
/// system calls. The folder is read completely and closed by the constructor.
class DirectoryListing
{
public:
    enum class Status {
        Listed,    ///< every entry was read
        NotOpened, ///< missing, not a folder, or not readable by the user
        ReadFailed ///< opened, but reading the entries failed part way
    };

    DirectoryListing(const QString& folder, const QString& pattern);

    Status status() const { return m_status; }
    qsizetype size() const { return qsizetype(m_entries.size()); }
    const QString& name(qsizetype index) const { return m_entries[size_t(index)].name; }
    /// A folder of its own, not a link to one: what a walk descends into.
    bool isSubfolder(qsizetype index) const { return m_entries[size_t(index)].kind == Kind::Folder; }
    bool matches(qsizetype index) const { return attributes(index) != 0; }
    /// The attribute bits of a matching entry; 0 for the others.
    int attributes(qsizetype index) const { return m_entries[size_t(index)].attributes; }

private:
    enum class Kind : unsigned char { File, Folder, LinkedFolder };
    struct Entry
    {
        QString name;
        Kind kind;
        int attributes;
    };
    static std::optional<Kind> kindOf(int folderFd, const dirent& entry);

    std::vector<Entry> m_entries;
    Status m_status = Status::NotOpened;
};

} // namespace twinsweep
