#include <cstdio>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"

namespace twinsweep::bench {
namespace {

/// Loads a collection file, then times saving it under another name.
int runSave(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return 2;
    HeadlessServices headless;
    Catalogue catalogue;
    if (!loadCollection(catalogue, headless, arguments[0]))
        return 1;
    restartClock();
    if (!saveCollection(catalogue, headless, arguments[1]))
        return 1;
    std::printf("save: %d volumes, %lld files in %.3f s, peak %.0f MiB\n", catalogue.TreeView1.count(),
                static_cast<long long>(catalogue.ListFiles.size()), elapsedSeconds(), peakMemoryMiB());
    return 0;
}

const Registration registration{{"save", "save FILE.ztw OUT.ztw", runSave}};

} // namespace
} // namespace twinsweep::bench
