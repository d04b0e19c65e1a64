#pragma once

#include <QObject>

#include <memory>

namespace twinsweep {

class Form1;
class PlaylistImport;
class QueryList;
class QueryListView;
class QueryShellDrop;
class StopRequest;

/// The playlist commands of the main window: "Export to..." and "Import from..." in
/// the Collection menu, the volume tree's menu and the query list's menu, and the
/// start-up's playlist argument. Owned by the main window.
class PlaylistMenus : public QObject
{
    Q_OBJECT
public:
    PlaylistMenus(Form1& window, StopRequest& StopFlag, QueryList& rows, QueryListView& queryList);
    ~PlaylistMenus() override;

    PlaylistImport& imports() { return *m_import; }
    QueryShellDrop& shellDrop() { return *m_shellDrop; }

private:
    void addCollectionEntries();
    void addTreeEntries();
    void addQueryEntries();
    QString openPlaylist(const char* filter);

    Form1& m_window;
    QueryList& m_rows;
    QueryListView& m_queryList;
    std::unique_ptr<PlaylistImport> m_import;
    std::unique_ptr<QueryShellDrop> m_shellDrop;
};

/// Adds the playlist commands and the query list's drag and drop to the main window.
/// `StopFlag` is the Search window's; `rows` and `queryList` are the query list's.
PlaylistMenus* installPlaylists(Form1& window, StopRequest& StopFlag, QueryList& rows, QueryListView& queryList);

} // namespace twinsweep
