#pragma once

#include <QMainWindow>

#include <memory>

#include "platform/Services.h"
#include "shell/LifecycleHooks.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QTableView;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace twinsweep {

class Catalogue;
class DesktopLinks;
class FileListModel;
class ResultListView;
class RUF;
class VolumeFileListView;
class VolumeAdding;
class Toolbars;
class ViewToggles;
class HelpCommands;
class InterfaceTimer;
class MainWindowPanes;

/// The main window's frame: shows the collection that `Catalogue` owns in the volume
/// tree and the file lists, and holds the places the parts of the program plug into:
/// the menus, the toolbars, the panes, the lists' routing tables, the status bar and
/// the steps of start-up and shutdown. It creates none of those parts.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    Form1(Catalogue& catalogue, Prompt& prompt, FileDialogs& dialogs, EventPump& pump, SettingsStore& settings,
          DesktopLinks& desktop, QWidget* parent = nullptr);
    ~Form1() override;

    Catalogue& catalogue() { return m_catalogue; }
    Services& services() { return *m_services; }
    /// Opens web addresses and mail links in the user's programs.
    DesktopLinks& desktop() { return m_desktop; }
    /// Refills the volume file list for the selected volume (see `Catalogue::ClickNOD`).
    void ClickNOD();
    void Renamevolume_Click();
    /// Shows the volumes by name, or in the order of their nodes.
    void setTreeSorted(bool sorted);
    /// Places the panes on the window, once the player's strip is in the lower one.
    void placePanes();
    /// A menu shows only once a command in it works: run when every part is installed.
    void hideEmptyMenus();

    // Widgets other windows and later commands reach, named as the program names them.
    QTreeWidget* TreeView1 = nullptr;
    QTableView* ListFiles2 = nullptr;
    QTableView* Duplicates = nullptr;
    QTableView* query = nullptr;
    QWidget* Frame1 = nullptr; // the upper pane: TreeView1 and ListFiles2
    QWidget* Frame2 = nullptr; // the lower pane: Toolbar2, Duplicates or query, the player
    QStackedWidget* lowerPane = nullptr;
    QLabel* statusPanel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QAction* toolbarSaveSeparator = nullptr; // button 2
    QAction* toolbarSave = nullptr;          // button 3
    QToolBar* Toolbar2 = nullptr;            // result toolbar above the lower pane
    /// Where a subsystem plugs in the command of a button of either toolbar.
    Toolbars* toolbars = nullptr;
    /// Where a subsystem plugs in its View menu switch ("Sorted", "xpbut").
    ViewToggles* viewToggles = nullptr;
    HelpCommands* help = nullptr;     // the Help menu and the about box
    InterfaceTimer* Timer1 = nullptr; // keeps menus, buttons and the status bar in step
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* toolsMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QMenu* popMNU = nullptr;
    /// The result list's menus, keys and routing table.
    ResultListView* resultList = nullptr;
    /// The volume file list's look, menu `Meniu1`, keys and routing table.
    VolumeFileListView* volumeFileList = nullptr;
    RUF* ruf = nullptr; // the recent collections
    VolumeAdding* volumeAdding = nullptr;

    /// Steps of start-up, re-layout and shutdown that other parts fill.
    LifecycleHooks lifecycle;
    /// False while start-up sets the window up; no re-layout happens meanwhile.
    bool FormLoaded = false;
    /// The playback volume in per cent, 0 to 100.
    int PlayerVolume = 0;

protected:
    /// Closing offers to save a changed collection; nothing closes while a long
    /// operation runs.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildViews();
    void buildStatusBar();
    void rebuildTree();
    void showTreeSelection(int index);
    void showCollectionChanged(bool changed);
    void TreeView1_MouseDown(const QPoint& position);
    QTreeWidgetItem* treeItem(int index) const;

    Catalogue& m_catalogue;
    DesktopLinks& m_desktop;
    std::unique_ptr<StatusDisplay> m_status;
    std::unique_ptr<BusyIndicator> m_busy;
    std::unique_ptr<Services> m_services;
    std::unique_ptr<MainWindowPanes> m_panes; // the panes' layout records and splitter
    FileListModel* m_filesModel = nullptr;
    FileListModel* m_duplicatesModel = nullptr;
    bool m_rebuildingTree = false;
};

} // namespace twinsweep
