#include <algorithm>
#include <cstdio>
#include <vector>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"

namespace twinsweep::bench {
namespace {

/// Steps the tree's selection from one volume to the next, as a held arrow key does,
/// refilling the volume file list at every step; prints the time of one step (CPU time
/// too, since the machine is often shared) against a keyboard's repeat interval.
int runTreeStep(const QStringList& arguments)
{
    Catalogue catalogue;
    HeadlessServices headless;
    const auto generate = [](Catalogue& target, qsizetype files, int volumes) {
        generateAlbums(target.TreeView1, target.ListFiles, files, volumes);
    };
    if (!searchCollection(arguments, catalogue, headless, generate))
        return 1;
    const int volumes = catalogue.TreeView1.count();
    const int steps = std::min(volumes, std::max(1, option(arguments, "--steps", "100").toInt()));
    catalogue.ListFiles2.setSorted(arguments.contains("--sorted"));
    std::vector<double> wall, cpu;
    qsizetype shown = 0;
    for (int step = 1; step <= steps; ++step) {
        catalogue.TreeView1.select(step);
        restartClock();
        const double cpuBefore = processCpuSeconds();
        catalogue.ClickNOD(headless.services);
        wall.push_back(elapsedSeconds() * 1000.0);
        cpu.push_back((processCpuSeconds() - cpuBefore) * 1000.0);
        shown += catalogue.ListFiles2.size();
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    const auto median = [](const std::vector<double>& sorted) { return sorted[sorted.size() / 2]; };
    std::printf("tree-step: %d steps over %d volumes of %zu files, %lld rows listed; one step: wall median %.2f ms "
                "(max %.2f), CPU median %.2f ms (max %.2f)\n",
                steps, volumes, catalogue.ListFiles.size(), static_cast<long long>(shown), median(wall), wall.back(),
                median(cpu), cpu.back());
    return 0;
}

const Registration registration{
    {"tree-step", "tree-step FILE.ztw|--generate N [--volumes V] [--steps S=100] [--sorted]", runTreeStep}};

} // namespace
} // namespace twinsweep::bench
