#pragma once

#include <QString>

#include <optional>

#include "PlayerMonitor.h"

namespace twinsweep {

class EventPump;
class modMultimedia;
class PlayerView;
class QueryList;
class QueryPlayer;
enum class PlayerButton;

/// The commands of the player bar's five buttons. A button whose grey cover is shown
/// does nothing.
class PlayerBar
{
public:
    PlayerBar(modMultimedia& channels, QueryList& query, PlayerView& view, QueryPlayer& player, EventPump& pump,
              FileExists exists);

    /// Play: resumes a paused file, or starts the query list's current row (not during a
    /// crossfade).
    void Picture1_Click();
    /// Pause: pauses a playing file.
    void Picture2_Click();
    /// Stop: closes both channels; no channel is current any more.
    void Picture3_Click();
    /// Previous and Next: the nearest earlier or later row still to be played whose file
    /// exists becomes the current row; it starts at once while a file plays.
    void Picture5_Click() { step(-1); }
    void Picture6_Click() { step(+1); }

    /// The position slider's menu entry "Pause"/"Play": pauses or resumes the current
    /// file; gives the caption the entry takes, nothing when nothing changed.
    std::optional<QString> play_pause_Click();
    /// The slider's menu entry "Stop" stops as the bar's Stop does.
    void stop_Click() { Picture3_Click(); }
    /// Esc in the file lists and the query list: closes both channels and moves the
    /// position slider to its end; the slider stays enabled and the channel current.
    void Esc_KeyDown();

private:
    QString currentMode();
    void step(int direction);

    modMultimedia& m_channels;
    QueryList& m_query;
    PlayerView& m_view;
    QueryPlayer& m_player;
    EventPump& m_pump;
    FileExists m_exists;
};

/// A pressed button moves this far right and down (twips).
inline constexpr double PressedOffset = 20;

} // namespace twinsweep
