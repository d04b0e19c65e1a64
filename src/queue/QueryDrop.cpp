#include "QueryDrop.h"

#include <QFileInfo>

#include <cmath>

#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/Module1.h"
#include "catalogue/StopRequest.h"
#include "catalogue/cDirEx.h"
#include "platform/Services.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "queue/Playlist.h"
#include "queue/PlaylistTransfer.h"
#include "queue/QueryCommands.h"
#include "queue/QueryList.h"

namespace twinsweep {

namespace {

/// A number stored as text, truncated; empty when the text holds none.
std::optional<qint64> wholeNumber(const QString& text)
{
    bool isNumber = false;
    const double number = text.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(number) || std::abs(number) > 1e15)
        return std::nullopt;
    return qint64(std::trunc(number));
}

} // namespace

bool moveQueryRow(QueryList& query, qsizetype from, std::optional<qsizetype> onto)
{
    if (!onto || !query.contains(from) || !query.contains(*onto))
        return false;
    if (query.row(from).Filename == query.row(*onto).Filename)
        return false;
    QueryRow moved = query.row(from);
    moved.ForeColor = SystemWindowText;
    query.insert(*onto, moved);
    query.removeRow(from < *onto ? from : from + 1);
    return true;
}

void appendFileListRow(QueryList& query, const Catalogue& catalogue, qsizetype fileRow)
{
    const FileRecord& file = catalogue.ListFiles2.record(fileRow);
    QueryRow row{file.value(Field::Filename), file.value(Field::Path), {}, {}, true};
    if (const std::optional<qint64> seconds = wholeNumber(file.value(Field::Duration)))
        row.Duration = Module1::FormatDuration(*seconds);
    if (const std::optional<qint64> node = wholeNumber(file.value(Field::NodeNR)))
        row.Collection = catalogue.TreeView1.nodeText(int(*node));
    query.append(row);
}

void query_DragDrop(QueryList& query, const Catalogue& catalogue, const InProgramDrag& drag,
                    std::optional<qsizetype> highlight)
{
    if (!drag.row)
        return;
    if (drag.origin == InProgramDrag::Origin::QueryList)
        moveQueryRow(query, *drag.row, highlight);
    else if (*drag.row >= 0 && *drag.row < catalogue.ListFiles2.size())
        appendFileListRow(query, catalogue, *drag.row);
}

FolderDropPasses folderDropPasses(const QString& filetype, bool stopRequested)
{
    const qint64 type = wholeNumber(filetype).value_or(0);
    return {type == 0 || (type == 1 && !stopRequested), type == 0 || (type == 2 && !stopRequested)};
}

QueryShellDrop::QueryShellDrop(QueryList& query, Services& services, MainScanner& scanner, PlaylistImport& playlists,
                               StopRequest& StopFlag)
    : m_query(query), m_services(services), m_scanner(scanner), m_playlists(playlists), m_stopFlag(StopFlag)
{}

void QueryShellDrop::query_OLEDragDrop(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            scanFolder(path);
            continue;
        }
        const QString ending = path.right(3).toLower();
        if (ending == QLatin1StringView("mp3") || ending == QLatin1StringView("wav"))
            addFile(path, paths.size());
        else if (ending == QLatin1StringView("m3u"))
            m_playlists.importToQuery(path, PlaylistFormat::M3U);
        else if (ending == QLatin1StringView("pls"))
            m_playlists.importToQuery(path, PlaylistFormat::PLS);
    }
    checkcolor(m_query, m_services.pump);
}

void QueryShellDrop::addFile(const QString& path, qsizetype droppedCount)
{
    const EntryParts parts = splitEntry(path);
    m_query.append(m_scanner.reader.queryRow(parts.folder, parts.name));
    m_services.status.setStatusText(QString::number(droppedCount) + " item(s) added to query.");
}

void QueryShellDrop::scanFolder(const QString& folder)
{
    BusyGuard busy(m_services.busy);
    m_scanner.frmfndupd.show();
    cDirEx& DirEx = m_scanner.DirEx;
    DirEx.StopSearch();
    if (const std::optional<bool> recursive = readBoolean(m_services.settings.value(Settings::RecSubDir)))
        DirEx.setRecursiveSearch(*recursive);
    DirEx.setCaseSensitive(false);
    m_scanner.reader.TargetList = ListTarget::query;
    m_scanner.beginScan();

    const QString pattern = folder.endsWith('/') ? folder : folder + '/';
    // A Cancel confirmed during the first pass is not followed by the second one.
    const auto passes = [this] {
        return folderDropPasses(m_services.settings.value(Settings::Filetype), m_stopFlag.requested());
    };
    if (passes().mp3)
        DirEx.SearchFile(pattern + "*.mp3");
    if (passes().wav && !m_scanner.cancelConfirmed())
        DirEx.SearchFile(pattern + "*.wav");

    m_scanner.reader.TargetList = ListTarget::ListFiles;
    m_scanner.frmfndupd.unload();
    m_services.status.setStatusText(QString::number(m_scanner.FoundCount) + " Item(s) added");
}

} // namespace twinsweep
