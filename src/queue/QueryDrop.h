#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace twinsweep {

class Catalogue;
class MainScanner;
class PlaylistImport;
class QueryList;
class StopRequest;
struct Services;

/// Where an in-program drag onto the query list came from, and the row it carries as
/// the row stands at the drop: none when that row is gone (removed, or its list
/// refilled since the drag began).
struct InProgramDrag
{
    enum class Origin { QueryList, FileList };
    Origin origin = Origin::QueryList;
    std::optional<qsizetype> row; // a query row, or a position in `ListFiles2`
};

/// Moves the query row `from` to stand just before the row `onto`, keeping its check
/// mark, path, duration and collection; it shows the default text colour. Nothing
/// changes without a row to drop onto or when both rows have the same file name.
/// Returns whether the row moved.
bool moveQueryRow(QueryList& query, qsizetype from, std::optional<qsizetype> onto);

/// Appends the `ListFiles2` row at `fileRow` to the query list, checked, with its
/// volume's name.
void appendFileListRow(QueryList& query, const Catalogue& catalogue, qsizetype fileRow);

/// The drop of an in-program drag: a query row is moved onto the highlighted row, a
/// file-list row is appended. `highlight` is the query row under the pointer.
void query_DragDrop(QueryList& query, const Catalogue& catalogue, const InProgramDrag& drag,
                    std::optional<qsizetype> highlight);

/// Which passes a folder dropped on the query list scans, by the "Filetype" setting:
/// with 0 both, with 1 MP3 and with 2 WAV unless a stop was asked for.
struct FolderDropPasses
{
    bool mp3 = false;
    bool wav = false;
};
FolderDropPasses folderDropPasses(const QString& filetype, bool stopRequested);

/// Files, playlists and folders dropped on the query list from a file manager.
class QueryShellDrop
{
public:
    QueryShellDrop(QueryList& query, Services& services, MainScanner& scanner, PlaylistImport& playlists,
                   StopRequest& StopFlag);

    /// Handles each path in the order given, then recolours the play marks.
    void query_OLEDragDrop(const QStringList& paths);

private:
    void addFile(const QString& path, qsizetype droppedCount);
    void scanFolder(const QString& folder);

    QueryList& m_query;
    Services& m_services;
    MainScanner& m_scanner;
    PlaylistImport& m_playlists;
    StopRequest& m_stopFlag;
};

} // namespace twinsweep
