#pragma once

#include <QString>

namespace twinsweep {

/// The outside audio player that "Play in WinAmp" and "Enqueue in WinAmp" hand files
/// to. Nothing is read back from it but whether it runs; each operation that finds no
/// running player sends nothing.
class WinampModule
{
public:
    virtual ~WinampModule() = default;

    /// Whether a player runs. The player found before is kept while it still runs;
    /// when it has gone, one is looked up again.
    virtual bool WinampFindWindow() = 0;
    /// Appends the file at `path` to the player's playlist.
    virtual void WinampAddFile(const QString& path) = 0;
    /// Starts playing.
    virtual void WinampPlay() = 0;
    /// Empties the player's playlist.
    virtual void WinampClearPlaylist() = 0;
};

} // namespace twinsweep
