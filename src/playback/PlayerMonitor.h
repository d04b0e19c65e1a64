#pragma once

#include <QString>

#include <functional>

namespace twinsweep {

class modMultimedia;
class PlayerView;
class QueryList;
class QueryPlayer;
class SettingsStore;
class StatusDisplay;

/// Whether a file exists (the program's file-exists test, replaceable in tests).
using FileExists = std::function<bool(const QString& path)>;

/// "Current position: 01:05   Total: 03:05": whole minutes (not wrapped at 60) and
/// seconds, each at least two digits.
QString positionText(double PositionSeconds, double LengthSeconds);

/// The player monitor, ticked by `Timer2` every 500 ms: shows which player buttons are
/// available, moves the position slider, writes the position into the status text and,
/// "Crossfade" seconds before the current file ends (or once it has ended), starts the
/// next row of the query list that is still to be played and whose file exists.
class PlayerMonitor
{
public:
    PlayerMonitor(modMultimedia& channels, QueryList& query, PlayerView& view, QueryPlayer& player,
                  StatusDisplay& status, const SettingsStore& settings, FileExists exists);

    void Timer2_Timer();
    /// The slider's release: the left button (1) seeks the current file to the slider's
    /// position and plays on from there.
    void SliderControl1_MouseUp(int Button);

private:
    /// Whole part of the query list's Tag; a Tag beyond the rows (or no number) becomes
    /// the last row. 0 for an empty list.
    qsizetype currentRow();
    void showModeCovers(const QString& alias, qsizetype current, qsizetype rowCount);
    void readPosition(const QString& alias);
    void showPosition(const QString& alias);
    /// Starts the next row near the end of the current file, or once it has ended.
    void followEnd(const QString& alias, qsizetype current, qsizetype rowCount);
    /// Whether the channel stands at the end of its file.
    bool hasEnded(const QString& alias);
    /// Starts the next row still to be played; false when there is none.
    bool advanceQueue(qsizetype current, qsizetype rowCount);

    modMultimedia& m_channels;
    QueryList& m_query;
    PlayerView& m_view;
    QueryPlayer& m_player;
    StatusDisplay& m_status;
    const SettingsStore& m_settings;
    FileExists m_exists;

    QString LastPositionText;
    double PositionSeconds = 0;
    double LengthSeconds = 0;
    int CrossfadeSeconds = 0;
    bool m_endFollowed = false; // the current file's end was seen and started nothing
};

} // namespace twinsweep
