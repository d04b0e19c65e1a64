#include <cstdio>

#include "Bench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"

namespace twinsweep::bench {
namespace {

/// Refills the volume file list for one volume out of a synthetic collection.
int runClickNod(const QStringList& arguments)
{
    const qsizetype total = arguments.value(0, "1000000").toLongLong();
    const int volumes = arguments.value(1, "10").toInt();
    Catalogue catalogue;
    for (int volume = 1; volume <= volumes; ++volume)
        catalogue.TreeView1.add({"/media/v" + QString::number(volume), "1", "Volume " + QString::number(volume)});
    catalogue.ListFiles.reserve(size_t(total));
    for (qsizetype row = 0; row < total; ++row) {
        const int volume = int(row * volumes / total) + 1;
        catalogue.ListFiles.push_back(
            FileRecord({"song" + QString::number(row) + ".mp3", "/media/music/", "4000000", "180", "44100", "128",
                        "Title", "Artist", "Album", "", "2001", "3", "1.0", QString::number(volume)}));
    }
    HeadlessServices headless;
    catalogue.TreeView1.select(volumes / 2 + 1);
    restartClock();
    catalogue.ClickNOD(headless.services);
    std::printf("clicknod: %lld of %lld rows shown in %.3f s, peak %.0f MiB\n",
                static_cast<long long>(catalogue.ListFiles2.size()), static_cast<long long>(total), elapsedSeconds(),
                peakMemoryMiB());
    return 0;
}

const Registration registration{{"clicknod", "clicknod [ROWS=1000000] [VOLUMES=10]", runClickNod}};

} // namespace
} // namespace twinsweep::bench
