#pragma once

#include <QObject>
#include <QString>

#include "platform/Services.h"

namespace twinsweep {

class DirectoryListing;

/// The folder scanner and the program's file-exists test.
///
/// `SearchFile` walks a folder, and with `RecursiveSearch` every folder below it, depth
/// first in pre-order and in listing order (sorted by name): each folder is announced by
/// `CurrentFolder`, then its matching files by `CurrentFile`, then each subfolder's
/// subtree. Links to folders are reported like folders but never walked into, so a link
/// loop cannot trap the walk. The listing runs a bounded number of files ahead of the
/// reports and tells each file early through `UpcomingFile`, so that a handler can start
/// reading it. Everything runs on the caller's thread; the event loop gets a turn every
/// ~30 ms through the pump, and a `StopSearch` (from a Cancel button or from an event
/// handler) ends the walk before the next report.
class cDirEx : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool RecursiveSearch READ RecursiveSearch WRITE setRecursiveSearch)
    Q_PROPERTY(bool CaseSensitive READ CaseSensitive WRITE setCaseSensitive)

public:
    /// How a search ended, as passed to `Finished`.
    enum ResultCode : int {
        Done = 0,            ///< ran to the end and reported at least one file
        Stopped = 1120,      ///< ended by `StopSearch`
        PathNotFound = 1121, ///< the search path was empty or its folder does not exist
        NothingFound = 1122, ///< ran to the end and reported no file
        StepFailed = 1123    ///< a folder could not be read to the end
    };

    explicit cDirEx(EventPump& pump, QObject* parent = nullptr);

    /// Whether `File` names an existing file or folder (a trailing "/" is allowed, links
    /// are followed) that has every bit of `FileAttribute`; when it does, `FileAttribute`
    /// receives its attribute bits less the normal-file bit 128.
    static bool ExistFile(const QString& File, int& FileAttribute);
    static bool ExistFile(const QString& File);

    bool CaseSensitive() const { return m_caseSensitive; }
    /// Also match file names against the pattern with regard to case (the listing
    /// itself always matches without).
    void setCaseSensitive(bool value) { m_caseSensitive = value; }
    bool RecursiveSearch() const { return m_recursiveSearch; }
    void setRecursiveSearch(bool value) { m_recursiveSearch = value; }

    /// Ends a running search at its next stop test with result 1120. Outside a search it
    /// has no effect on the next one.
    void StopSearch();

    /// Searches `Pathname`, a folder followed by "/" and a file pattern such as "*.mp3"
    /// (or a folder with a trailing "/" for every file, or a file's path). A reported file
    /// has every bit of `Attributes` and none of `NotAttributes` (0 = no demand). Emits
    /// `Finished` exactly once, also when the path is empty or missing.
    void SearchFile(const QString& Pathname, int Attributes = 0, int NotAttributes = 0);

Q_SIGNALS:
    /// A folder entered, before its files: no trailing "/" unless it is "/".
    void CurrentFolder(const QString& FolderPath);
    /// A matching file; `FolderPath` ends in "/", so `FolderPath + filename` is its path.
    /// `FileAttribute` holds its attribute bits less the normal-file bit 128.
    void CurrentFile(const QString& FolderPath, const QString& filename, int FileAttribute);
    /// A file that `CurrentFile` will report soon unless the search stops first; these
    /// come in the order of the reports.
    void UpcomingFile(const QString& FolderPath, const QString& filename);
    /// The end of every search: the number of `CurrentFile` signals and the result code.
    void Finished(qint64 FileCount, int Result);

private:
    int CheckStop();
    bool SplitPathname(QString& Pathname, QString& pattern);
    static QString GetFullPath(const QString& path, qsizetype& nameStart);
    static bool IsValidPath(const QString& path, qsizetype& nameStart);
    static QString FixBackslash(const QString& path, bool add);
    struct Walk;
    void RunWalk(const QString& folder);
    static bool mayListAhead(Walk& walk);
    void ListNextFolder(Walk& walk);
    void ListMatchingFiles(Walk& walk, const QString& folder, const DirectoryListing& listing);

    TimedYield m_yield;
    bool m_recursiveSearch = false;
    bool m_caseSensitive = false;
    qint64 m_fileCount = 0;
    int m_result = Done;
    int m_attributes = 0;
    int m_notAttributes = 0;
    QString m_pattern;
};

} // namespace twinsweep
