#pragma once

#include <QString>

#include <functional>

#include "queue/Playlist.h"

namespace twinsweep {

class Catalogue;
class CollectionNameWindow;
class EventPump;
class MainScanner;
class QueryList;
class RecentCollections;
class VolumeTree;
struct Services;

/// The rows an export writes, read afresh for each row: the list may change while the
/// export yields.
struct PlaylistSource
{
    std::function<qsizetype()> count;
    std::function<PlaylistItem(qsizetype index)> item;
};

/// The whole collection (`ListFiles`), the selected volume's files (`ListFiles2`) and
/// the query list as playlist sources.
PlaylistSource collectionSource(const Catalogue& catalogue);
PlaylistSource volumeSource(const Catalogue& catalogue);
PlaylistSource querySource(const QueryList& query);

/// Writes `source` to `path` in `format`, safely: an existing file is replaced only
/// once the whole playlist is written. Returns "" on success, else why it failed.
QString writePlaylist(const QString& path, PlaylistFormat format, const PlaylistSource& source, EventPump& pump);

/// The export: asks for a name ("Canceled" when none is chosen), applies the extension
/// rule and writes the playlist, reporting the result in the status bar.
void exportPlaylist(const PlaylistSource& source, PlaylistFormat format, Services& services);

/// The first free Key for a volume imported from `playlistPath`: the playlist's path
/// followed by the node count plus one, or the next number no node holds yet.
QString freeImportedVolumeKey(const VolumeTree& tree, const QString& playlistPath);

/// The playlist imports: into the collection as a new volume, and into the query list.
class PlaylistImport
{
public:
    PlaylistImport(Catalogue& catalogue, Services& services, MainScanner& scanner, CollectionNameWindow& Form4,
                   RecentCollections& recent, QueryList& query);

    /// Starts a new collection (offering to save a changed one; on Cancel the playlist
    /// becomes one more volume of the kept collection) and reads every entry of the
    /// playlist at `path` into one new volume named in the name window, Tag "Nera".
    void importToCollection(const QString& path, PlaylistFormat format);
    /// Appends the MP3 and WAV entries of the playlist at `path` to the query list,
    /// checked. The collection is not touched.
    void importToQuery(const QString& path, PlaylistFormat format);

private:
    /// Reads the entries with the scanning window shown, handing each on as a local
    /// path; false when the file was refused as no playlist of `format`.
    bool readEntries(const QString& path, PlaylistFormat format, const std::function<void(const EntryParts&)>& take);
    void addImportedVolume(const QString& path, PlaylistFormat format);

    Catalogue& m_catalogue;
    Services& m_services;
    MainScanner& m_scanner;
    CollectionNameWindow& m_form4;
    RecentCollections& m_recent;
    QueryList& m_query;
};

} // namespace twinsweep
