#pragma once

#include <QString>

#include "WinampModule.h"

namespace twinsweep {

/// The outside player as a running MPRIS player on the session bus. Among the
/// "org.mpris.MediaPlayer2.*" names of players that open files (they name the URI
/// schemes they open; a web browser's media session names none), in name order, the
/// first whose track list can be edited is taken, else the first. Files are added at
/// the end of the track list where the player can edit it, else the first is opened;
/// clearing removes every track where the player can edit them, else does nothing.
///
/// The bus is the one DBUS_SESSION_BUS_ADDRESS names, connected at first use (so a
/// program that never hands a file over starts no bus) and again after it was lost.
/// Every call waits for the player's answer; a player that does not answer within a
/// few seconds is passed over.
class MprisPlayer : public WinampModule
{
public:
    MprisPlayer();
    ~MprisPlayer() override;
    MprisPlayer(const MprisPlayer&) = delete;
    MprisPlayer& operator=(const MprisPlayer&) = delete;

    bool WinampFindWindow() override;
    bool canQueueFiles() override;
    void WinampAddFiles(const QStringList& paths) override;
    void WinampPlay() override;
    void WinampClearPlaylist() override;

    /// The bus name of the player found last, "" when none.
    QString playerName() const { return m_playerName; }

private:
    void findPlayer();

    QString m_connectionName;
    QString m_playerName;
    bool m_canEditTracks = false;
};

} // namespace twinsweep
