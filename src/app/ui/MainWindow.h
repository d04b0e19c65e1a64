#pragma once

#include <memory>

#include "shell/ui/Form1.h"

namespace twinsweep {

class MultimediaCommands;
class modMultimedia;
class PlaybackInstall;
class QueryList;
class QueryListView;

/// The program's main window: the frame `Form1` with every part of the program
/// installed in it, in the order its menus, buttons and start-up steps need. Owns the
/// playback channels and the query list's rows, which several parts share.
class MainWindow : public Form1
{
    Q_OBJECT
public:
    MainWindow(Catalogue& catalogue, Prompt& prompt, FileDialogs& dialogs, EventPump& pump, SettingsStore& settings,
               DesktopLinks& desktop, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The playback channels "f1" and "f2".
    modMultimedia& multimedia() { return *m_channels; }
    /// The query list's rows and Tag.
    QueryList& queryRows() { return *m_queryRows; }

    /// The query list's menu, keys and commands.
    QueryListView* queryList = nullptr;
    /// The player, its bar, the position slider and the monitor timer.
    PlaybackInstall* playback = nullptr;

private:
    std::unique_ptr<MultimediaCommands> m_mci; // drives the playback devices
    std::unique_ptr<modMultimedia> m_channels;
    std::unique_ptr<QueryList> m_queryRows;
};

} // namespace twinsweep
