#pragma once

#include <QObject>
#include <QString>

#include <algorithm>
#include <memory>
#include <thread>

#include "QueryRows.h"
#include "platform/Services.h"

namespace twinsweep {

class Catalogue;
class FileRecord;
class MediaReadAhead;
class Mp3TagReader;
class SettingsStore;
struct MediaContents;

/// The list a scan fills: the collection's master list while a volume is added,
/// updated or read from a playlist, or the query list for a folder dropped onto it.
enum class ListTarget { ListFiles, query };

/// Turns each media file that a scan finds into one row of the target list: an MP3
/// file's size, stream values and tag through the tag reader, a WAV file's size and
/// header values. Runs once per file inside the scanner's walk; a value that cannot be
/// read leaves its column empty. Files the scanner announces ahead are read on worker
/// threads meanwhile; the rows are still made here, one per report, in report order.
class MediaFileReader : public QObject
{
    Q_OBJECT
public:
    /// `tagReader` is the main window's one reader, shared with the other tools.
    MediaFileReader(Catalogue& catalogue, QueryRowSink& query, Mp3TagReader& tagReader, Services& services);
    ~MediaFileReader() override;

    /// Set by whoever starts a scan.
    ListTarget TargetList = ListTarget::ListFiles;
    /// How many files are read at once ahead of the reports: a disk serves several
    /// requests at a time faster than one after another. Two cores stay free for the
    /// walk and the window thread, which make the rows: with a reader on every core a
    /// warm scan ran a fifth slower on eight cores.
    int ReadThreads = std::max(4, static_cast<int>(std::thread::hardware_concurrency()) - 2);

    /// The folder scanner's upcoming-file handler: starts reading the file.
    void DirEx_UpcomingFile(const QString& FolderPath, const QString& filename);
    /// The end of a scan: drops what was read ahead and not reported.
    void DirEx_Finished();

    /// The folder scanner's current-file handler; `FolderPath` ends in "/".
    void DirEx_CurrentFile(const QString& FolderPath, const QString& filename);

    /// The query row of a file: its duration (an MP3 file's through the tag reader, a
    /// WAV file's from its length and byte rate) and, for an MP3 or WAV file, the mount
    /// point that holds it and the check mark. Shows nothing.
    QueryRow queryRow(const QString& folder, const QString& filename);

Q_SIGNALS:
    /// The file being read, for the scanning window's file label.
    void currentFileChanged(const QString& filename);

private:
    void addToCollection(const QString& folder, const QString& filename);
    void addToQuery(const QString& folder, const QString& filename);
    MediaContents contentsOf(const QString& fullPath, bool exists);
    int newRowsVolume() const;

    Catalogue& m_catalogue;
    QueryRowSink& m_query;
    Mp3TagReader& m_tagReader;
    Services& m_services;
    TimedYield m_yield;
    std::unique_ptr<MediaReadAhead> m_readAhead; ///< the running scan's
};

/// Reads the file of `row` anew as a scan reads it, with `tagReader` and the "ID3"
/// setting in `settings`, and fills every value a scan fills; Filename, Path and NodeNR
/// stay. After a tool has written the file, the row then holds what a new scan reads.
void rescanRow(FileRecord& row, Mp3TagReader& tagReader, const SettingsStore& settings);

} // namespace twinsweep
