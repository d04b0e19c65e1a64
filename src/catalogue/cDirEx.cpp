#include "cDirEx.h"

#include <QDir>
#include <QScopedValueRollback>
#include <QStringList>

#include <optional>

#include "platform/DirectoryListing.h"
#include "platform/FolderReadAhead.h"
#include "platform/Wildcard.h"

namespace twinsweep {

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
        if (SplitPathname(folder, m_pattern)) {
            FolderReadAhead readAhead(m_pattern);
            // Restored afterwards, so that a search started from a handler cannot leave
            // this one reading through a dead object.
            const QScopedValueRollback walking(m_readAhead, &readAhead);
            ScanFolder(folder);
        }
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

void cDirEx::ScanFolder(QString folder)
{
    if (CheckStop() != 0)
        return;
    folder = FixBackslash(folder, true);
    QStringList subfolders;
    {
        const std::unique_ptr<DirectoryListing> listing = m_readAhead->take(folder);
        for (qsizetype index = 0; index < listing->size(); ++index) {
            if (CheckStop() != 0)
                return;
            if (m_recursiveSearch && listing->isSubfolder(index))
                subfolders.append(folder + listing->name(index) + u'/');
        }
        if (listing->status() == DirectoryListing::Status::ReadFailed) {
            m_result = StepFailed;
            return;
        }
        m_readAhead->expect(subfolders);
        // A folder that cannot be opened is still announced; it just yields nothing.
        Q_EMIT CurrentFolder(FixBackslash(folder, false));
        SearchFilesInFolder(folder, *listing);
    }
    for (const QString& subfolder : std::as_const(subfolders))
        ScanFolder(subfolder);
}

/// Reports the entries of `folder` (ending in "/") that match the pattern and the masks.
/// Folders matching the pattern are reported too, as the masks may ask for them.
void cDirEx::SearchFilesInFolder(const QString& folder, const DirectoryListing& listing)
{
    for (qsizetype index = 0; index < listing.size(); ++index) {
        if (!listing.matches(index))
            continue;
        if (CheckStop() != 0)
            return;
        const QString& name = listing.name(index);
        if (m_caseSensitive && !wildcardMatch(name, m_pattern, Qt::CaseSensitive))
            continue;
        const int attributes = listing.attributes(index);
        if ((attributes & m_attributes) != m_attributes || (attributes & m_notAttributes) != 0)
            continue;
        ++m_fileCount;
        Q_EMIT CurrentFile(folder, name, attributes & ~FileAttribute::Normal);
    }
}

} // namespace twinsweep
