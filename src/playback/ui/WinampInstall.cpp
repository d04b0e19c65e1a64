#include "WinampInstall.h"

#include <QObject>

#include <memory>

#include "catalogue/ui/VolumeFileListView.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/MprisPlayer.h"
#include "platform/VolumeLayer.h"
#include "playback/WinampControl.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

namespace {

/// Keeps the outside player and its commands as long as the main window lives.
class WinampBinding : public QObject
{
public:
    WinampBinding(Form1& window, WinampModule* player)
        : QObject(&window),
          m_ownPlayer(player ? nullptr : std::make_unique<MprisPlayer>()),
          m_control(window.catalogue(), window.services(), m_volumes, player ? *player : *m_ownPlayer)
    {}
    WinampControl& control() { return m_control; }

private:
    const SystemVolumeInfo m_volumes;
    std::unique_ptr<MprisPlayer> m_ownPlayer;
    WinampControl m_control;
};

} // namespace

void installWinampControl(Form1& window, WinampModule* player)
{
    WinampControl& control = (new WinampBinding(window, player))->control();
    using Rows = std::vector<qsizetype>;
    ResultListCommands& results = window.resultList->commands();
    results.add("winampplay1_Click", [&control](const Rows& rows) { control.winampplay1_Click(rows); });
    results.add("winampenq1_Click", [&control](const Rows& rows) { control.winampenq1_Click(rows); });
    ListCommands& files = window.volumeFileList->commands();
    files.add("winampplay_Click", [&control](const Rows& rows) { control.winampplay_Click(rows); });
    files.add("winampenq_Click", [&control](const Rows& rows) { control.winampenq_Click(rows); });
}

} // namespace twinsweep
