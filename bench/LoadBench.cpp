#include <cstdio>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"

namespace twinsweep::bench {
namespace {

/// Opens a collection file as the Open command does and reports time and memory.
int runLoad(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return 2;
    HeadlessServices headless;
    Catalogue catalogue;
    const double before = residentBytes();
    restartClock();
    if (!loadCollection(catalogue, headless, arguments[0]))
        return 1;
    const double seconds = elapsedSeconds();
    const auto files = qsizetype(catalogue.ListFiles.size());
    const double peak = peakMemoryMiB();
    const double perFile = files > 0 ? (peak * 1048576.0 - before) / double(files) : 0.0;
    std::printf("load: %d volumes, %lld files in %.3f s, peak %.0f MiB, %.0f bytes per file\n",
                catalogue.TreeView1.count(), static_cast<long long>(files), seconds, peak, perFile);
    return 0;
}

const Registration registration{{"load", "load FILE.ztw", runLoad}};

} // namespace
} // namespace twinsweep::bench
