#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "QueryRows.h"

namespace twinsweep {

class Catalogue;
class FileRecord;
class Mp3TagReader;
struct Services;

/// The list a scan fills: the collection's master list while a volume is added,
/// updated or read from a playlist, or the query list for a folder dropped onto it.
enum class ListTarget { ListFiles, query };

/// Turns each media file that a scan finds into one row of the target list: an MP3
/// file's size, stream values and tag through the tag reader, a WAV file's size and
/// header values. Runs once per file inside the scanner's walk and keeps nothing
/// between files; a value that cannot be read leaves its column empty.
class MediaFileReader : public QObject
{
    Q_OBJECT
public:
    /// `tagReader` is the main window's one reader, shared with the other tools.
    MediaFileReader(Catalogue& catalogue, QueryRowSink& query, Mp3TagReader& tagReader, Services& services);

    /// Set by whoever starts a scan.
    ListTarget TargetList = ListTarget::ListFiles;

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
    struct TagTexts;

    void addToCollection(const QString& folder, const QString& filename);
    void addToQuery(const QString& folder, const QString& filename);
    void readMp3(const QString& fullPath, FileRecord& record);
    void readWav(const QString& fullPath, FileRecord& record);
    void writeMp3Values(FileRecord& record, const TagTexts& texts) const;
    std::optional<double> tagChoice() const;
    int newRowsVolume() const;

    Catalogue& m_catalogue;
    QueryRowSink& m_query;
    Mp3TagReader& m_tagReader;
    Services& m_services;
};

} // namespace twinsweep
