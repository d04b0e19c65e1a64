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
    bool canQueueFiles() override { return queues; }
    void WinampAddFiles(const QStringList& paths) override
    {
        for (const QString& path : paths)
            record("add " + path);
    }
    void WinampPlay() override { record("play"); }
    void WinampClearPlaylist() override { record("clear"); }

    bool running = true;
    bool queues = true; // false: a player that takes one file at a time
    QStringList sent;

private:
    void record(const QString& line)
    {
        if (running)
            sent << line;
    }
};

} // namespace twinsweep::test
