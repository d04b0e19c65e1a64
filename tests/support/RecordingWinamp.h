#pragma once

#include <QStringList>

#include "platform/WinampModule.h"

namespace twinsweep::test {

/// An outside player that records what reaches it, one line each: "add PATH",
/// "play", "clear". Like the real one it takes nothing while it does not run.
class RecordingWinamp : public WinampModule
{
public:
    bool WinampFindWindow() override { return running; }
    void WinampAddFile(const QString& path) override { record("add " + path); }
    void WinampPlay() override { record("play"); }
    void WinampClearPlaylist() override { record("clear"); }

    bool running = true;
    QStringList sent;

private:
    void record(const QString& line)
    {
        if (running)
            sent << line;
    }
};

} // namespace twinsweep::test
