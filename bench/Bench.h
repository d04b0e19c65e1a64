#pragma once

#include <QStringList>

#include <functional>

namespace twinsweep::bench {

/// One subcommand of twinsweep-bench. Each command file registers itself with a
/// static `Registration`, so adding a command touches no other file.
struct Command
{
    QString name;
    QString usage;
    std::function<int(const QStringList& arguments)> run;
    /// Runs windows: the tool then starts a QApplication, offscreen unless a platform is named.
    bool windows = false;
};

struct Registration
{
    explicit Registration(Command command);
};

/// Seconds since the command started, and the peak resident memory in MiB.
double elapsedSeconds();
void restartClock();
double peakMemoryMiB();
/// Processor seconds of every thread of this process so far.
double processCpuSeconds();

} // namespace twinsweep::bench
