#include <QFileInfo>

#include <cstdio>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessScanner.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "catalogue/StopRequest.h"
#include "catalogue/VolumeAdder.h"
#include "platform/VolumeLayer.h"

namespace twinsweep::bench {
namespace {

/// The name window answered with OK: the proposed name is taken.
class AcceptedName : public CollectionNameWindow
{
public:
    void SetName(const QString& Name) override { m_name = Name; }
    QString showModal() override { return m_name; }

private:
    QString m_name;
};

class NeverStop : public StopRequest
{
public:
    void clear() override {}
    bool requested() const override { return false; }
};

/// Scans a folder as a new volume, optionally saving the result.
int runScan(const QStringList& arguments)
{
    const QString output = option(arguments, "--save");
    if (arguments.isEmpty() || arguments.first().startsWith("--") ||
        (arguments.contains("--save") && output.isEmpty())) {
        std::fprintf(stderr, "usage: twinsweep-bench scan DIR [--threads N] [--save OUT.ztw]\n");
        return 2;
    }
    HeadlessServices headless;
    Catalogue catalogue;
    const QString threads = option(arguments, "--threads");

    restartClock();
    headless.pump.restartGaps();
    const double cpuBefore = processCpuSeconds();
    addFolderAsVolume(catalogue, headless, arguments.first(),
                      threads.isEmpty() ? std::nullopt : std::optional(threads.toInt()));
    const double seconds = elapsedSeconds();
    const auto files = qsizetype(catalogue.ListFiles.size());
    std::printf("scan: %lld files (%s) in %.3f s, %.0f files/s, %.1f s of CPU, longest event-loop gap %lld ms, "
                "peak %.0f MiB\n",
                static_cast<long long>(files), qPrintable(headless.status.last), seconds,
                seconds > 0 ? double(files) / seconds : 0.0, processCpuSeconds() - cpuBefore,
                static_cast<long long>(headless.pump.longestGapMs()), peakMemoryMiB());
    if (output.isEmpty())
        return 0;
    restartClock();
    if (!saveCollection(catalogue, headless, output))
        return 1;
    std::printf("saved %s in %.3f s\n", qPrintable(output), elapsedSeconds());
    return 0;
}

const Registration registration{{"scan", "scan DIR [--threads N] [--save OUT.ztw]", runScan}};

} // namespace

void addFolderAsVolume(Catalogue& catalogue, HeadlessServices& headless, const QString& folder,
                       std::optional<int> readThreads)
{
    HeadlessScanner scan(catalogue, headless);
    const SystemVolumeInfo volumes;
    NeverStop StopFlag;
    AcceptedName Form4;
    VolumeAdder adder(catalogue, headless.services, scan.scanner, volumes, StopFlag, Form4);
    if (readThreads)
        scan.reader.ReadThreads = *readThreads;
    adder.AddVolume(QFileInfo(folder).absoluteFilePath());
}

} // namespace twinsweep::bench
