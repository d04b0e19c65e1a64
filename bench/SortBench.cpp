#include <cstdio>
#include <ctime>

#include "Bench.h"
#include "HeadlessServices.h"
#include "Random.h"
#include "catalogue/Catalogue.h"

namespace twinsweep::bench {
namespace {

/// A made-up word of two to four syllables, in mixed case.
QString randomWord(Random& random)
{
    static const char* const syllables[]{"ka", "lo", "mi",  "ren", "sa", "tor", "vel", "ne", "dra", "qui",
                                         "bo", "li", "mar", "fen", "gu", "sti", "ro",  "an", "el",  "zu"};
    QString word;
    for (int syllable = random.between(2, 4); syllable > 0; --syllable)
        word += QString::fromLatin1(random.pick(syllables));
    if (random.chance(60))
        word[0] = word[0].toUpper();
    return word;
}

/// A file name like those of a music collection: "07 - Artist Name - Title words.mp3"
/// for most, "Artist - Title.mp3" for the rest, so many names share their beginning.
QString randomFileName(Random& random)
{
    QString name =
        random.chance(70) ? QString::number(random.between(1, 20)).rightJustified(2, '0') + " - " : QString();
    name += randomWord(random) + ' ' + randomWord(random) + " - ";
    for (int word = random.between(1, 4); word > 0; --word)
        name += randomWord(random) + (word > 1 ? " " : "");
    return name + (random.chance(90) ? ".mp3" : ".wav");
}

/// Sorts the volume file list of one volume holding every file, as the first column's
/// click does, renames the file of its first row so that the row moves to the end, then
/// switches sorting off and refills it in collection order.
int runSort(const QStringList& arguments)
{
    const qsizetype total = arguments.value(0, "1000000").toLongLong();
    Catalogue catalogue;
    catalogue.TreeView1.add({"/media/v1", "1", "Volume 1"});
    catalogue.ListFiles.reserve(size_t(total));
    Random random(13);
    for (qsizetype row = 0; row < total; ++row)
        catalogue.ListFiles.push_back(FileRecord({randomFileName(random), "/media/music/", "4000000", "180", "44100",
                                                  "128", "Title", "Artist", "Album", "", "2001", "3", "1.0", "1"}));
    HeadlessServices headless;
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(headless.services);

    restartClock();
    const double cpuBefore = processCpuSeconds();
    catalogue.ListFiles2.setSorted(true);
    const double sortSeconds = elapsedSeconds();
    const double sortCpuSeconds = processCpuSeconds() - cpuBefore;
    restartClock();
    const FileRecord& first = catalogue.ListFiles2.record(0);
    catalogue.relocateFiles(
        {{catalogue.ListFiles2.row(0).Tag, first.fullPath(), first.value(Field::Path), "~ renamed last.mp3"}});
    const double renameSeconds = elapsedSeconds();
    restartClock();
    catalogue.ListFiles2.setSorted(false);
    catalogue.ListFiles2.clear();
    catalogue.ClickNOD(headless.services);
    std::printf("sort: %lld rows sorted in %.3f s (%.3f s of CPU), a renamed row placed in %.4f s, unsorted and "
                "refilled in %.3f s, peak %.0f MiB\n",
                static_cast<long long>(catalogue.ListFiles2.size()), sortSeconds, sortCpuSeconds, renameSeconds,
                elapsedSeconds(), peakMemoryMiB());
    return 0;
}

const Registration registration{{"sort", "sort [ROWS=1000000]", runSort}};

} // namespace
} // namespace twinsweep::bench
