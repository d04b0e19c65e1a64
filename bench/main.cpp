#include <QApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "Bench.h"

namespace twinsweep::bench {

namespace {
std::vector<Command>& commands()
{
    static std::vector<Command> all;
    return all;
}

QElapsedTimer& clock()
{
    static QElapsedTimer timer;
    return timer;
}

const Command* findCommand(const char* name)
{
    for (const Command& command : commands()) {
        if (command.name == QLatin1String(name))
            return &command;
    }
    return nullptr;
}

int usage()
{
    std::fprintf(stderr, "usage: twinsweep-bench COMMAND ...\n");
    for (const Command& command : commands())
        std::fprintf(stderr, "  twinsweep-bench %s\n", qPrintable(command.usage));
    return 2;
}
} // namespace

Registration::Registration(Command command)
{
    commands().push_back(std::move(command));
}

double elapsedSeconds()
{
    return double(clock().nsecsElapsed()) / 1e9;
}

void restartClock()
{
    clock().start();
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace twinsweep::bench

int main(int argc, char** argv)
{
    using namespace twinsweep::bench;
    const Command* command = argc > 1 ? findCommand(argv[1]) : nullptr;
    if (command == nullptr)
        return usage();
    std::unique_ptr<QCoreApplication> app;
    if (command->windows) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    restartClock();
    return command->run(QCoreApplication::arguments().mid(2));
}
