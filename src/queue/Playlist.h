#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace twinsweep {

class LineWriter;

/// The two playlist formats the program writes and reads.
enum class PlaylistFormat { M3U, PLS };

/// What differs between the formats outside their lines.
struct PlaylistFormatValues
{
    const char* filter;           // the file dialogs' pattern
    const char* savedMessage;     // status text after an export
    const char* badFormatMessage; // the file is not a playlist of this format
    const char* presetName;       // proposed name of a volume imported from it
};

const PlaylistFormatValues& playlistFormatValues(PlaylistFormat format);

/// The name a playlist is saved as: `chosen` when its last three characters are the
/// format's letters in any case ("listm3u", "a.M3U"), else `chosen` with the extension.
QString withPlaylistExtension(const QString& chosen, PlaylistFormat format);

/// A file name without its last four characters (its extension, usually).
QString titleFromFileName(const QString& filename);
/// A collection file's title in a playlist: "Artist - Title" when both are known, else
/// the file name without its extension.
QString collectionPlaylistTitle(const QString& filename, const QString& artist, const QString& title);

/// One file as a playlist lists it.
struct PlaylistItem
{
    QString fullPath;
    QString title;
    QString length; // whole seconds, "-1" when unknown
};

/// Writes a playlist's lines through a `LineWriter`: the header, each item with its
/// number, and the closing lines.
class PlaylistWriter
{
public:
    PlaylistWriter(LineWriter& out, PlaylistFormat format);
    void writeHeader();
    void write(const PlaylistItem& item);
    /// `finalCount` is the source's row count read after the last row.
    void writeFooter(qsizetype finalCount);

private:
    LineWriter& m_out;
    PlaylistFormat m_format;
    qint64 m_number = 0;
};

/// Reads a playlist's entries. The file is read as UTF-8 when valid, else as
/// Windows-1252; lines end at CR LF, CR or LF; a byte-order mark is skipped.
class PlaylistReader
{
public:
    explicit PlaylistReader(PlaylistFormat format);
    /// Reads the file; false when it cannot be read or its first line is not the
    /// format's header (then it holds no entries).
    bool open(const QString& path);
    /// The next entry as written in the file, or nothing after the last one.
    std::optional<QString> nextEntry();

private:
    PlaylistFormat m_format;
    QStringList m_lines;
    qsizetype m_next = 0;
};

/// Whether `line` is the format's first line ("#EXTM3U", "[playlist]", any case).
bool isPlaylistHeader(const QString& line, PlaylistFormat format);
/// The entry a later line holds: an M3U line is one unless it is blank or begins with
/// "#"; a PLS line only when it begins with "File", its entry being what follows its
/// first "=" unless that is blank.
std::optional<QString> playlistEntry(const QString& line, PlaylistFormat format);

/// An entry as a local path: "\" separators read as "/", a "file://" URL as its
/// local file, and a relative entry resolved against `playlistFolder`. A blank entry
/// and one of another system's drive ("C:\...") stay as they are.
QString localEntryPath(const QString& entry, const QString& playlistFolder);

/// A path split into its file name and its folder (ending in "/", or "" for a bare
/// name).
struct EntryParts
{
    QString name;
    QString folder;
};
EntryParts splitEntry(const QString& path);

/// The name of the volume a playlist import adds: `typedName` as typed, or "Colection" with the node count plus one
/// when the name window was closed without a name.
QString importedVolumeName(const QString& typedName, int nodeCount);

} // namespace twinsweep
