#pragma once

#include <QObject>

#include <memory>

namespace twinsweep {

class Form1;
class PlaylistImport;
class QueryShellDrop;
class StopRequest;

/// The playlist commands of the main window: "Export to..." and "Import from..." in
/// the Collection menu, the volume tree's menu and the query list's menu, and the
/// start-up's playlist argument. Owned by the main window.
class PlaylistMenus : public QObject
{
    Q_OBJECT
public:
    PlaylistMenus(Form1& window, StopRequest& StopFlag);
    ~PlaylistMenus() override;

    PlaylistImport& imports() { return *m_import; }
    QueryShellDrop& shellDrop() { return *m_shellDrop; }

private:
    void addCollectionEntries();
    void addTreeEntries();
    void addQueryEntries();
    QString openPlaylist(const char* filter);

    Form1& m_window;
    std::unique_ptr<PlaylistImport> m_import;
    std::unique_ptr<QueryShellDrop> m_shellDrop;
};

/// Adds the playlist commands and the query list's drag and drop to the main window.
/// `StopFlag` is the Search window's.
PlaylistMenus* installPlaylists(Form1& window, StopRequest& StopFlag);

} // namespace twinsweep
