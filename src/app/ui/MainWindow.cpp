#include "MainWindow.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ui/RemovalMenus.h"
#include "fileops/ui/FileOpsInstall.h"
#include "platform/GstPlaybackChannel.h"
#include "platform/MciInterpreter.h"
#include "playback/Player.h"
#include "playback/PlayerBar.h"
#include "playback/modMultimedia.h"
#include "playback/ui/PlaybackInstall.h"
#include "playback/ui/WinampInstall.h"
#include "queue/QueryList.h"
#include "queue/ui/PlaylistMenus.h"
#include "queue/ui/QueryListView.h"
#include "shell/ListClearing.h"
#include "shell/ui/CollectionMenu.h"
#include "shell/ui/HelpCommands.h"
#include "shell/ui/InterfaceTimer.h"
#include "shell/ui/ListReports.h"
#include "shell/ui/Optionsfrm.h"
#include "shell/ui/SearchWindowBinding.h"
#include "shell/ui/Toolbars.h"
#include "shell/ui/ViewToggles.h"
#include "shell/ui/VolumeAddingInstall.h"
#include "shell/ui/VolumeFileListInstall.h"
#include "tagtools/ui/TagToolsInstall.h"

namespace twinsweep {

MainWindow::MainWindow(Catalogue& catalogue, Prompt& prompt, FileDialogs& dialogs, EventPump& pump,
                       SettingsStore& settings, DesktopLinks& desktop, QWidget* parent)
    : Form1(catalogue, prompt, dialogs, pump, settings, desktop, parent)
{
    m_mci = std::make_unique<MciInterpreter>(gstPlaybackChannels());
    m_channels = std::make_unique<modMultimedia>(*m_mci);
    lifecycle.CloseAllMedia = [this] { m_channels->CloseAllMedia(); };
    m_queryRows = std::make_unique<QueryList>();
    installVolumeRemoval(catalogue, services(), editMenu, popMNU);
    installDeleteFilesButton(*this, *m_channels);
    playback = new PlaybackInstall(*this, *m_channels, *m_queryRows);
    placePanes(); // around the player's strip
    queryList = installQueryList(*this, *m_queryRows, playback->player(), [this] { playback->bar().Esc_KeyDown(); });
    installWinampControl(*this);
    installFileCommands(*this, *m_channels);
    connect(&catalogue, &Catalogue::filesRelocated, m_queryRows.get(), &QueryList::followRelocatedFiles);

    SearchWindowBinding* search = installSearchWindow(*this);
    volumeAdding = installVolumeAdding(*this, search->stopFlag(), *m_queryRows);
    ruf = buildCollectionMenu(*this);
    installPlaylists(*this, search->stopFlag(), *m_queryRows, *queryList);
    installOptionsWindow(*this);
    installViewToggles(*this);
    installSortedToggle(*this);
    help = installHelpCommands(*this);
    installListReports(*this);
    toolbars->add(ToolbarCommand::ClearList,
                  [this] { ClearList_Click(this->catalogue(), *m_queryRows, services().status); });
    Timer1 = new InterfaceTimer(*this, *m_queryRows);
    installTagTools(*this, *m_channels);
    hideEmptyMenus();
}

MainWindow::~MainWindow() = default;

} // namespace twinsweep
