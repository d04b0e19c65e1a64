#include "cDirEx.h"

#include <QDir>
#include <QStringList>

#include <deque>
#include <optional>

#include "platform/DirectoryListing.h"
#include "platform/FolderReadAhead.h"
#include "platform/Wildcard.h"

namespace twinsweep {

namespace {
// How far the listing runs ahead of the reports: enough files to keep the readers of a
// handler busy, and a bound on folders for trees with few matching files.
constexpr qsizetype FilesAhead = 256;
constexpr qsizetype ReportsAhead = 1024;
} // namespace

/// A search's folders still to list and its reports listed but not yet made.
struct cDirEx::Walk
{
    struct Report
    {
        enum class Kind { Folder, File, ReadFailed } kind;
        QString folder;
        QString name;
        int attributes = 0;
    };

    explicit Walk(const QString& pattern) : readAhead(pattern) {}
    FolderReadAhead readAhead;
    std::vector<QString> folders; ///< the next to list last
    std::deque<Report> reports;
    qsizetype filesAhead = 0;
};

cDirEx::cDirEx(EventPump& pump, QObject* parent) : QObject(parent), m_yield(pump) {}

bool cDirEx::ExistFile(const QString& File, int& FileAttribute)
{
    if (File.isEmpty())
        return false;
    const std::optional<int> bits = fileAttributes(FixBackslash(File, false));
    if (!bits || (*bits & FileAttribute) != FileAttribute)
        return false;
    FileAttribute = *bits & ~twinsweep::FileAttribute::Normal;
    return true;
}

bool cDirEx::ExistFile(const QString& File)
{
    int anyAttributes = 0;
    return ExistFile(File, anyAttributes);
}

void cDirEx::StopSearch()
{
    m_result = Stopped;
}

void cDirEx::SearchFile(const QString& Pathname, int Attributes, int NotAttributes)
{
    // The count belongs to this search even when it ends at once.
    m_fileCount = 0;
    m_result = Pathname.isEmpty() ? PathNotFound : Done;
    if (m_result == Done) {
        m_attributes = Attributes;
        m_notAttributes = NotAttributes;
        QString folder = Pathname;
        if (SplitPathname(folder, m_pattern))
            RunWalk(folder);
        if (m_fileCount == 0 && m_result == Done)
            m_result = NothingFound;
    }
    Q_EMIT Finished(m_fileCount, m_result);
}

/// Lets the event loop run when it is due, then returns the result: not 0 means stop.
int cDirEx::CheckStop()
{
    m_yield.maybeYield();
    return m_result;
}

/// Turns the search path into its start folder (no trailing "/" unless it is "/") and its
/// pattern: the last name of the path, or "*.*" for every entry when the path ends in "/".
/// Fails with 1121 when the start folder does not exist.
bool cDirEx::SplitPathname(QString& Pathname, QString& pattern)
{
    qsizetype nameStart = 0;
    const QString full = GetFullPath(Pathname, nameStart);
    Pathname = FixBackslash(full.left(nameStart), false);
    pattern = nameStart < full.size() ? full.mid(nameStart) : QStringLiteral("*.*");
    if (ExistFile(Pathname))
        return true;
    m_result = PathNotFound;
    return false;
}

/// The absolute path of `path` with "." and ".." resolved by their text and a trailing
/// "/" kept; `nameStart` receives the position of its last name. "" when `path` is.
QString cDirEx::GetFullPath(const QString& path, qsizetype& nameStart)
{
    nameStart = 0;
    if (path.isEmpty())
        return {};
    const QString absolute = path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path;
    QString full = QDir::cleanPath(absolute);
    if (absolute.endsWith(u'/') && !full.endsWith(u'/'))
        full += u'/';
    return IsValidPath(full, nameStart) ? full : QString();
}

/// An absolute path is valid; `nameStart` is the position just after its last "/".
bool cDirEx::IsValidPath(const QString& path, qsizetype& nameStart)
{
    nameStart = 0;
    if (!path.startsWith(u'/'))
        return false;
    nameStart = path.lastIndexOf(u'/') + 1;
    return true;
}

/// Ensures (`add`) or removes one trailing "/"; "/" itself keeps it.
QString cDirEx::FixBackslash(const QString& path, bool add)
{
    if (add)
        return path.isEmpty() || path.endsWith(u'/') ? path : path + u'/';
    return path.size() > 1 && path.endsWith(u'/') ? path.chopped(1) : path;
}

/// Reports the folders and files below `folder` in walk order, listing ahead of the
/// reports, until the walk ends, stops or meets a folder it cannot read.
void cDirEx::RunWalk(const QString& folder)
{
    Walk walk(m_pattern);
    walk.folders.push_back(FixBackslash(folder, true));
    for (;;) {
        while (mayListAhead(walk))
            ListNextFolder(walk);
        if (walk.reports.empty() || CheckStop() != 0)
            return;
        const Walk::Report report = std::move(walk.reports.front());
        walk.reports.pop_front();
        switch (report.kind) {
        case Walk::Report::Kind::Folder: Q_EMIT CurrentFolder(report.folder); break;
        case Walk::Report::Kind::File:
            --walk.filesAhead;
            ++m_fileCount;
            Q_EMIT CurrentFile(report.folder, report.name, report.attributes);
            break;
        case Walk::Report::Kind::ReadFailed: m_result = StepFailed; return;
        }
    }
}

/// Whether to list the next folder now: while the reports run low, and with reports still
/// to make only when its listing was read ahead, so that this thread does not read it.
bool cDirEx::mayListAhead(Walk& walk)
{
    if (walk.folders.empty() || walk.filesAhead >= FilesAhead || qsizetype(walk.reports.size()) >= ReportsAhead)
        return false;
    return walk.reports.empty() || walk.readAhead.isReady(walk.folders.back());
}

/// Lists the next folder of the walk into its reports. A folder that cannot be opened is
/// still reported, it just yields nothing; one that fails while being read ends the walk.
void cDirEx::ListNextFolder(Walk& walk)
{
    const QString folder = walk.folders.back();
    walk.folders.pop_back();
    const std::unique_ptr<DirectoryListing> listing = walk.readAhead.take(folder);
    if (listing->status() == DirectoryListing::Status::ReadFailed) {
        walk.reports.push_back({Walk::Report::Kind::ReadFailed, folder, {}});
        walk.folders.clear();
        return;
    }
    QStringList subfolders;
    for (qsizetype index = 0; m_recursiveSearch && index < listing->size(); ++index) {
        if (listing->isSubfolder(index))
            subfolders.append(folder + listing->name(index) + u'/');
    }
    walk.readAhead.expect(subfolders);
    walk.reports.push_back({Walk::Report::Kind::Folder, FixBackslash(folder, false), {}});
    ListMatchingFiles(walk, folder, *listing);
    // Pre-order: the first subfolder's subtree comes next.
    walk.folders.insert(walk.folders.end(), subfolders.crbegin(), subfolders.crend());
}

/// Queues the reports of the entries of `folder` (ending in "/") that match the pattern
/// and the masks. Folders matching the pattern are reported too, as the masks may ask
/// for them.
void cDirEx::ListMatchingFiles(Walk& walk, const QString& folder, const DirectoryListing& listing)
{
    for (qsizetype index = 0; index < listing.size(); ++index) {
        if (!listing.matches(index))
            continue;
        const QString& name = listing.name(index);
        if (m_caseSensitive && !wildcardMatch(name, m_pattern, Qt::CaseSensitive))
            continue;
        const int attributes = listing.attributes(index);
        if ((attributes & m_attributes) != m_attributes || (attributes & m_notAttributes) != 0)
            continue;
        walk.reports.push_back({Walk::Report::Kind::File, folder, name, attributes & ~FileAttribute::Normal});
        ++walk.filesAhead;
        Q_EMIT UpcomingFile(folder, name);
    }
}

} // namespace twinsweep
