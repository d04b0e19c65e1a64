#pragma once

#include <QString>
#include <QStringList>

namespace twinsweep {

/// The outside audio player that "Play in WinAmp" and "Enqueue in WinAmp" hand files
/// to. Nothing is read back from it but whether it runs and whether it keeps a
/// playlist; each operation that finds no running player sends nothing.
class WinampModule
{
public:
    virtual ~WinampModule() = default;

    /// Whether a player runs. The player found before is kept while it still runs;
    /// when it has gone, one is looked up again.
    virtual bool WinampFindWindow() = 0;
    /// Whether the player `WinampFindWindow` found keeps a playlist that files can be
    /// added to. One that does not takes one file at a time: each file it opens
    /// replaces the last.
    virtual bool canQueueFiles() = 0;
    /// Appends the files, in this order, to the player's playlist; a player that takes
    /// one file at a time opens the first of them only.
    virtual void WinampAddFiles(const QStringList& paths) = 0;
    /// Starts playing.
    virtual void WinampPlay() = 0;
    /// Empties the player's playlist.
    virtual void WinampClearPlaylist() = 0;
};

} // namespace twinsweep
