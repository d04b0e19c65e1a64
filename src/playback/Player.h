#pragma once

#include <QString>

#include "queue/QueryCommands.h"

namespace twinsweep {

class modMultimedia;
class PlayerView;
class QueryList;
class SettingsStore;
class WaitClock;
struct Services;

/// "Crossfade" in whole seconds, 0 (no crossfade) to 30; a text that is not a number
/// gives 0.
int crossfadeSeconds(const SettingsStore& settings);

/// Starts files on the channels "f1" and "f2". With nothing playing a file starts afresh
/// on "f1"; while one channel plays the file starts on the other one and the two are
/// crossfaded over "Crossfade" seconds before the old one is closed.
class Player : public QueryPlayer
{
public:
    /// `PlayerVolume` is the main window's playback volume (0 to 100), read live.
    Player(modMultimedia& channels, QueryList& query, PlayerView& view, Services& services, WaitClock& clock,
           const int& PlayerVolume);

    /// Returns once the file plays and, with a crossfade, once the fade has ended. During
    /// a fade it does nothing.
    void playmedia(const QString& path) override;
    bool fading() const override { return m_fading; }
    /// Waits `TimeToWait` × 10 ms while the event loop runs; returns early after `shutdown`.
    void Wait(qint64 TimeToWait);
    /// The window is closing: a running fade ends at once and touches nothing more.
    void shutdown() { m_shutDown = true; }

private:
    bool isPlaying(const QString& alias);
    void startAfresh(const QString& path);
    /// Opens `path` on `newAlias` at volume 0 and plays it.
    void startSilently(const QString& newAlias, const QString& path);
    /// Fades `newAlias` in and `oldAlias` out; false when the fade was broken off.
    bool fade(const QString& newAlias, const QString& oldAlias, int crossfade);
    bool fadeSteps(const QString& newAlias, const QString& oldAlias, int crossfade);

    modMultimedia& m_channels;
    QueryList& m_query;
    PlayerView& m_view;
    Services& m_services;
    WaitClock& m_clock;
    const int& m_volume;
    bool m_shutDown = false;
    bool m_fading = false;
};

} // namespace twinsweep
