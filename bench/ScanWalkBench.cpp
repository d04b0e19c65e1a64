#include <cstdio>

#include "Bench.h"
#include "HeadlessServices.h"
#include "catalogue/cDirEx.h"

namespace twinsweep::bench {
namespace {

/// Walks a folder tree recursively with the folder scanner, handlers doing nothing, to
/// time the walk alone against tools such as find.
int runScanWalk(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: twinsweep-bench scan-walk DIR [PATTERN]\n");
        return 2;
    }
    const QString pattern = arguments.value(1, "*.mp3");
    HeadlessServices headless;
    cDirEx scanner(headless.pump);
    scanner.setRecursiveSearch(true);
    QObject::connect(&scanner, &cDirEx::CurrentFolder, [](const QString&) {});
    QObject::connect(&scanner, &cDirEx::CurrentFile, [](const QString&, const QString&, int) {});
    qint64 found = 0;
    int result = 0;
    QObject::connect(&scanner, &cDirEx::Finished, [&](qint64 count, int code) {
        found = count;
        result = code;
    });
    restartClock();
    scanner.SearchFile(arguments.first() + "/" + pattern);
    std::printf("scan-walk: %lld files found (result %d) in %.3f s, peak %.0f MiB\n", static_cast<long long>(found),
                result, elapsedSeconds(), peakMemoryMiB());
    return 0;
}

const Registration registration{{"scan-walk", "scan-walk DIR [PATTERN=*.mp3]", runScanWalk}};

} // namespace
} // namespace twinsweep::bench
