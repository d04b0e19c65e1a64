#include "PlaylistMenus.h"

#include <QMenu>

#include "catalogue/Catalogue.h"
#include "catalogue/Module1.h"
#include "catalogue/ui/Form4.h"
#include "queue/PlaylistTransfer.h"
#include "queue/QueryDrop.h"
#include "queue/ui/QueryDragDrop.h"
#include "queue/ui/QueryListView.h"
#include "shell/RUF.h"
#include "shell/ui/Form1.h"
#include "shell/ui/MenuEntries.h"
#include "shell/ui/VolumeAddingInstall.h"

namespace twinsweep {

namespace {

template <typename Command> void addEntry(QMenu* menu, const char* name, const QString& caption, Command command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, command);
}

} // namespace

PlaylistMenus::PlaylistMenus(Form1& window, StopRequest& StopFlag, QueryList& rows, QueryListView& queryList)
    : QObject(&window), m_window(window), m_rows(rows), m_queryList(queryList)
{
    VolumeAdding& adding = *window.volumeAdding;
    m_import = std::make_unique<PlaylistImport>(window.catalogue(), window.services(), adding.scanner(),
                                                adding.nameWindow(), *window.ruf, rows);
    m_shellDrop = std::make_unique<QueryShellDrop>(rows, window.services(), adding.scanner(), *m_import, StopFlag);
    addCollectionEntries();
    addTreeEntries();
    addQueryEntries();
    window.lifecycle.ImportM3UToCollection = [this](const QString& path) {
        m_import->importToCollection(path, PlaylistFormat::M3U);
    };
    window.lifecycle.ImportPLSToCollection = [this](const QString& path) {
        m_import->importToCollection(path, PlaylistFormat::PLS);
    };
}

PlaylistMenus::~PlaylistMenus() = default;

QString PlaylistMenus::openPlaylist(const char* filter)
{
    return Module1::ShowOpenDialog(m_window.services().dialogs, {}, "Open playlist", filter);
}

void PlaylistMenus::addCollectionEntries()
{
    Catalogue& catalogue = m_window.catalogue();
    Services& services = m_window.services();
    QMenu* menu = m_window.fileMenu;
    QAction* exit = exitEntry(menu);
    QMenu* exp = subMenu(menu, "exp", "Export to...", exit);
    addEntry(exp, "m3ulist", "M3U list",
             [&catalogue, &services] { exportPlaylist(collectionSource(catalogue), PlaylistFormat::M3U, services); });
    addEntry(exp, "plslist", "PLS list",
             [&catalogue, &services] { exportPlaylist(collectionSource(catalogue), PlaylistFormat::PLS, services); });
    QMenu* imp = subMenu(menu, "imp", "Import from...", exit);
    addEntry(imp, "m3ulistimp", "M3U list",
             [this] { m_import->importToCollection(openPlaylist("*.m3u"), PlaylistFormat::M3U); });
    addEntry(imp, "plslistimp", "PLS list",
             [this] { m_import->importToCollection(openPlaylist("*.pls"), PlaylistFormat::PLS); });
}

void PlaylistMenus::addTreeEntries()
{
    QMenu* menu = m_window.popMNU;
    if (!menu->findChild<QMenu*>("exp1", Qt::FindDirectChildrenOnly))
        menu->addSeparator()->setObjectName("spc9");
    QMenu* exp1 = subMenu(menu, "exp1", "Export to...", nullptr);
    const auto exportVolume = [this](PlaylistFormat format) {
        m_window.ClickNOD();
        exportPlaylist(volumeSource(m_window.catalogue()), format, m_window.services());
    };
    addEntry(exp1, "m3ulist1", "M3U list", [exportVolume] { exportVolume(PlaylistFormat::M3U); });
    addEntry(exp1, "plslist1", "PLS list", [exportVolume] { exportVolume(PlaylistFormat::PLS); });
}

void PlaylistMenus::addQueryEntries()
{
    QMenu* menu = m_queryList.querymenu;
    QAction* after = menu->findChild<QAction*>("playlistsSeparator");
    QAction* before = menu->actions().value(menu->actions().indexOf(after) + 1);
    QMenu* imp = subMenu(menu, "queryIMP", "Import from...", before);
    addEntry(imp, "queryIMPmp3", "MP3 list",
             [this] { m_import->importToQuery(openPlaylist("*.m3u"), PlaylistFormat::M3U); });
    addEntry(imp, "queryIMPpls", "PLS list",
             [this] { m_import->importToQuery(openPlaylist("*.pls"), PlaylistFormat::PLS); });
    QMenu* exp = subMenu(menu, "queryEXP", "Export to...", before);
    QueryList& query = m_rows;
    Services& services = m_window.services();
    addEntry(exp, "queryEXPmp3", "MP3 list",
             [&query, &services] { exportPlaylist(querySource(query), PlaylistFormat::M3U, services); });
    addEntry(exp, "queryEXPpls", "PLS list",
             [&query, &services] { exportPlaylist(querySource(query), PlaylistFormat::PLS, services); });
}

PlaylistMenus* installPlaylists(Form1& window, StopRequest& StopFlag, QueryList& rows, QueryListView& queryList)
{
    auto* menus = new PlaylistMenus(window, StopFlag, rows, queryList);
    new QueryDragDrop(window, rows, menus->shellDrop());
    return menus;
}

} // namespace twinsweep
