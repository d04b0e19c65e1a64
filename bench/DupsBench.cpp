#include <cstdio>
#include <ctime>
#include <random>

#include "../tests/duplicates/DuplicateOracle.h"
#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "duplicates/DuplicateSearch.h"
#include "duplicates/GroupColorSource.h"
#include "duplicates/SkipList.h"

namespace twinsweep::bench {
namespace {

/// The Search window as a benchmark sees it: nobody presses Cancel.
class NoWindow : public SearchWindowLink
{
public:
    bool stopRequested() const override { return false; }
    void clearStop() override {}
    void cancelas() override {}
    void enableControls() override {}
};

/// Numbers the groups: the colour of a row is its group's number.
class GroupNumbers : public GroupColorSource
{
public:
    ColorValue GetColor(bool NextClr) override { return NextClr ? ++m_groups : m_groups; }

private:
    ColorValue m_groups = 0;
};

/// A deterministic collection that looks like ripped albums: volumes hold runs of
/// files; about 15% of the files are copies of an earlier file, their names and titles
/// often in another case and a third of them re-encoded at another bit rate; a quarter
/// of the titles and a sixth of the artists are empty; durations lie within minutes.
class SyntheticCollection
{
public:
    SyntheticCollection(qsizetype files, int volumes) : m_files(files), m_volumes(volumes) {}

    void fill(Catalogue& catalogue)
    {
        for (int volume = 1; volume <= m_volumes; ++volume)
            catalogue.TreeView1.add({"/media/v" + QString::number(volume), "1", "Volume " + QString::number(volume)});
        catalogue.ListFiles.reserve(size_t(m_files));
        for (qsizetype row = 0; row < m_files; ++row) {
            const int volume = int(row * m_volumes / m_files) + 1;
            FileRecord record = row > 0 && m_random() % 100 < 15 ? copyOf(catalogue.ListFiles) : fresh(row);
            record.setNodeNumber(volume);
            catalogue.ListFiles.push_back(std::move(record));
        }
    }

private:
    FileRecord fresh(qsizetype row)
    {
        static const QStringList frequencies{"44100", "44100", "48000", "22050"};
        static const QStringList bitrates{"128", "160", "192", "256", "320"};
        const int seconds = 120 + int(m_random() % 300);
        const QString bitrate = bitrates[qsizetype(m_random() % 5)];
        const QString artist = m_random() % 6 == 0 ? QString() : "Artist " + QString::number(m_random() % 5000);
        const QString title = m_random() % 4 == 0 ? QString() : "Song " + QString::number(row);
        return FileRecord({QString("%1 - Song %2.mp3").arg(artist).arg(row),
                           "/media/music/" + artist + "/",
                           QString::number(qint64(seconds) * bitrate.toInt() * 125),
                           QString::number(seconds),
                           frequencies[qsizetype(m_random() % 4)],
                           bitrate,
                           title,
                           artist,
                           "Album",
                           "",
                           "2001",
                           "3",
                           "1.0",
                           {}});
    }

    FileRecord copyOf(const std::vector<FileRecord>& earlier)
    {
        FileRecord copy = earlier[size_t(m_random() % earlier.size())];
        copy.setValue(Field::Filename, recased(copy.value(Field::Filename)));
        copy.setValue(Field::Title, recased(copy.value(Field::Title)));
        if (m_random() % 3 == 0)
            copy.setValue(Field::Bitrate, "192");
        return copy;
    }

    QString recased(const QString& text)
    {
        switch (m_random() % 3) {
        case 0: return text.toUpper();
        case 1: return text.toLower();
        default: return text;
        }
    }

    qsizetype m_files;
    int m_volumes;
    std::mt19937 m_random{20240607};
};

DuplicateCriteria criteriaFrom(const QString& text)
{
    const QStringList names = text.split(',');
    return {names.contains("name") ? 1 : 0, names.contains("property") ? 1 : 0, names.contains("tag") ? 1 : 0};
}

/// "all", "volume:N" or "volume-vs-all:N"; selects volume N and shows its files.
DuplicateScope scopeFrom(const QString& text, Catalogue& catalogue, Services& services)
{
    if (!text.contains(':'))
        return text == "all" ? DuplicateScope::AllVolumes : DuplicateScope::None;
    catalogue.TreeView1.select(text.section(':', 1).toInt());
    catalogue.ClickNOD(services);
    return text.startsWith("volume-vs-all") ? DuplicateScope::SelectedVolumeSourceAllVolumes
                                            : DuplicateScope::SelectedVolume;
}

bool sameRows(const std::vector<ListRow>& a, const std::vector<ListRow>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ListRow& x, const ListRow& y) {
        return x.Tag == y.Tag && x.Checked == y.Checked && x.ForeColor == y.ForeColor && x.Collection == y.Collection;
    });
}

void timeOracle(const Catalogue& catalogue, const DuplicateCriteria& criteria, DuplicateScope scope)
{
    GroupNumbers colors;
    restartClock();
    const test::OracleResult expected = test::oracleFindDuplicates(catalogue, criteria, scope, colors);
    std::printf("oracle: %zu rows in %.3f s, %s\n", expected.rows.size(), elapsedSeconds(),
                sameRows(expected.rows, catalogue.Duplicates.rows()) ? "identical" : "DIFFERENT");
}

void dump(const Catalogue& catalogue)
{
    for (const ListRow& row : catalogue.Duplicates.rows())
        std::printf("%lld %s %u %s\n", static_cast<long long>(row.Tag), row.Checked ? "x" : "-", row.ForeColor,
                    qPrintable(catalogue.ListFiles[size_t(rowFromTag(row.Tag))].value(Field::Filename)));
}

int runDups(const QStringList& arguments)
{
    const DuplicateCriteria criteria = criteriaFrom(option(arguments, "--criteria", "name,property,tag"));
    Catalogue catalogue;
    HeadlessServices headless;
    const auto generate = [](Catalogue& target, qsizetype files, int volumes) {
        SyntheticCollection(files, volumes).fill(target);
    };
    if (!searchCollection(arguments, catalogue, headless, generate))
        return 2;
    const DuplicateScope scope = scopeFrom(option(arguments, "--scope", "all"), catalogue, headless.services);

    NoWindow window;
    GroupNumbers colors;
    SkipList List1;
    restartClock();
    const std::clock_t cpu = std::clock();
    findDUPLICATES({catalogue, headless.services, colors, window, List1, {}}, criteria, scope);
    std::printf("dups: %zu files, %d volumes, compare mode %d: %s in %.3f s (search only, cpu %.3f s), peak %.0f MiB\n",
                catalogue.ListFiles.size(), catalogue.TreeView1.count(), criteria.CompareMode(),
                qPrintable(headless.status.last), elapsedSeconds(), double(std::clock() - cpu) / CLOCKS_PER_SEC,
                peakMemoryMiB());
    if (arguments.contains("--oracle"))
        timeOracle(catalogue, criteria, scope);
    if (arguments.contains("--dump"))
        dump(catalogue);
    return 0;
}

const Registration registration{
    {"dups",
     "dups FILE.ztw|--generate N [--volumes V] [--criteria name,property,tag] [--scope all|volume:N|volume-vs-all:N] "
     "[--dump] [--oracle]",
     runDups}};

} // namespace
} // namespace twinsweep::bench
