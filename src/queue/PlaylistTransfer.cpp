#include "PlaylistTransfer.h"

#include <QFileInfo>

#include "catalogue/Catalogue.h"
#include "catalogue/CollectionCommands.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/Module1.h"
#include "catalogue/VolumeAdder.h"
#include "platform/LineWriter.h"
#include "platform/Services.h"
#include "queue/QueryList.h"

namespace twinsweep {

namespace {

PlaylistItem recordItem(const FileRecord& record)
{
    const QString& name = record.value(Field::Filename);
    return {record.fullPath(), collectionPlaylistTitle(name, record.value(Field::Artist), record.value(Field::Title)),
            record.value(Field::Duration)};
}

} // namespace

PlaylistSource collectionSource(const Catalogue& catalogue)
{
    const std::vector<FileRecord>& files = catalogue.ListFiles;
    return {[&files] { return qsizetype(files.size()); }, [&files](qsizetype i) { return recordItem(files[i]); }};
}

PlaylistSource volumeSource(const Catalogue& catalogue)
{
    const FileList& files = catalogue.ListFiles2;
    return {[&files] { return files.size(); }, [&files](qsizetype i) { return recordItem(files.record(i)); }};
}

PlaylistSource querySource(const QueryList& query)
{
    return {[&query] { return query.size(); },
            [&query](qsizetype i) {
                const QueryRow& row = query.row(i);
                return PlaylistItem{row.fullPath(), titleFromFileName(row.Filename), "-1"};
            }};
}

QString writePlaylist(const QString& path, PlaylistFormat format, const PlaylistSource& source, EventPump& pump)
{
    LineWriter out(path);
    if (!out.open())
        return out.errorString();
    PlaylistWriter writer(out, format);
    writer.writeHeader();
    const qsizetype count = source.count();
    TimedYield yield(pump);
    // A command run while yielding may have shortened the list.
    for (qsizetype index = 0; index < count && index < source.count(); ++index) {
        writer.write(source.item(index));
        yield.maybeYield();
    }
    writer.writeFooter(source.count());
    return out.commit() ? QString() : out.errorString();
}

void exportPlaylist(const PlaylistSource& source, PlaylistFormat format, Services& services)
{
    const PlaylistFormatValues& values = playlistFormatValues(format);
    const QString chosen = Module1::ShowSaveDialog(services.dialogs, {}, "Save playlist", values.filter);
    if (chosen.isEmpty()) {
        services.status.setStatusText("Canceled");
        return;
    }
    BusyGuard busy(services.busy);
    const QString path = withPlaylistExtension(chosen, format);
    const QString error = writePlaylist(path, format, source, services.pump);
    services.status.setStatusText(error.isEmpty() ? QString(values.savedMessage)
                                                  : "Playlist not saved: " + QFileInfo(path).fileName() + ": " + error);
}

QString freeImportedVolumeKey(const VolumeTree& tree, const QString& playlistPath)
{
    return tree.freeKey(playlistPath, tree.count() + 1);
}

PlaylistImport::PlaylistImport(Catalogue& catalogue, Services& services, MainScanner& scanner,
                               CollectionNameWindow& Form4, RecentCollections& recent, QueryList& query)
    : m_catalogue(catalogue), m_services(services), m_scanner(scanner), m_form4(Form4), m_recent(recent), m_query(query)
{}

bool PlaylistImport::readEntries(const QString& path, PlaylistFormat format,
                                 const std::function<void(const EntryParts&)>& take)
{
    BusyGuard busy(m_services.busy);
    m_scanner.beginScan();
    m_scanner.frmfndupd.show();
    PlaylistReader reader(format);
    if (!reader.open(path)) {
        m_services.prompt.tell(playlistFormatValues(format).badFormatMessage, MessageIcon::Critical);
        m_scanner.frmfndupd.unload();
        return false;
    }
    const QString playlistFolder = QFileInfo(path).absolutePath();
    TimedYield yield(m_services.pump);
    while (const std::optional<QString> entry = reader.nextEntry()) {
        const EntryParts parts = splitEntry(localEntryPath(*entry, playlistFolder));
        m_scanner.frmfndupd.setFile(parts.name);
        m_scanner.frmfndupd.setDirectory(parts.folder);
        take(parts);
        yield.maybeYield();
        if (m_scanner.cancelConfirmed())
            break;
    }
    m_scanner.frmfndupd.unload();
    return true;
}

void PlaylistImport::importToCollection(const QString& path, PlaylistFormat format)
{
    if (path.trimmed().isEmpty())
        return;
    // Cancel keeps the collection; the playlist then becomes one more of its volumes.
    Newlist_Click(m_catalogue, m_services, m_recent);
    MediaFileReader& files = m_scanner.reader;
    files.TargetList = ListTarget::ListFiles;
    const auto addFile = [&files](const EntryParts& parts) { files.DirEx_CurrentFile(parts.folder, parts.name); };
    if (readEntries(path, format, addFile))
        addImportedVolume(path, format);
}

void PlaylistImport::addImportedVolume(const QString& path, PlaylistFormat format)
{
    m_form4.SetName(playlistFormatValues(format).presetName);
    const QString typedName = m_form4.showModal();
    VolumeTree& tree = m_catalogue.TreeView1;
    const VolumeNode node{freeImportedVolumeKey(tree, path), "Nera", importedVolumeName(typedName, tree.count())};
    tree.select(tree.add(node));
    m_catalogue.RefreshVolumeFileList(m_services);
    m_catalogue.MarkCollectionChanged();
}

void PlaylistImport::importToQuery(const QString& path, PlaylistFormat format)
{
    if (path.trimmed().isEmpty())
        return;
    MediaFileReader& files = m_scanner.reader;
    QueryList& query = m_query;
    readEntries(path, format, [&files, &query](const EntryParts& parts) {
        const QString ending = parts.name.right(3).toLower();
        if (ending == QLatin1StringView("mp3") || ending == QLatin1StringView("wav"))
            query.append(files.queryRow(parts.folder, parts.name));
    });
}

} // namespace twinsweep
