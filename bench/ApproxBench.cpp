#include <cstdio>

#include "ApproxOracle.h"
#include "Bench.h"
#include "CollectionBench.h"
#include "CountingColors.h"
#include "HeadlessServices.h"
#include "Random.h"
#include "catalogue/Catalogue.h"
#include "duplicates/ApproxNameSearch.h"
#include "duplicates/GroupColorSource.h"

namespace twinsweep::bench {
namespace {

/// File names in the usual "Artist - Title" styles, with near-duplicates of earlier
/// names (case, blanks, one character, a copy number, another extension).
class NameGenerator
{
public:
    explicit NameGenerator(qsizetype files) : m_random(20240601)
    {
        for (int word = 0; word < 3000; ++word)
            m_words.push_back(makeWord());
        const qsizetype artists = std::max<qsizetype>(20, files / 40);
        for (qsizetype artist = 0; artist < artists; ++artist)
            m_artists.push_back(m_random.chance(60) ? pickWord() + " " + pickWord() : pickWord());
    }

    QString next()
    {
        QString name = !m_names.empty() && m_random.chance(12) ? nearDuplicate() : freshName();
        m_names.push_back(name);
        return name;
    }

private:
    QString makeWord()
    {
        static const char* const syllables[] = {"ka",  "lo",  "mi",  "ra", "ven", "tor", "sel", "din", "mar", "qui",
                                                "zen", "bel", "ost", "ri", "an",  "el",  "um",  "dra", "fi",  "no",
                                                "sha", "gor", "lin", "pa", "te",  "vu",  "mo",  "ser", "ha",  "ju"};
        QString word;
        const int count = 1 + m_random.below(3);
        for (int k = 0; k < count; ++k)
            word += syllables[m_random.below(int(std::size(syllables)))];
        word[0] = word[0].toUpper();
        return word;
    }
    QString pickWord() { return m_words[size_t(m_random.below(int(m_words.size())))]; }

    QString freshName()
    {
        const QString artist = m_artists[size_t(m_random.below(int(m_artists.size())))];
        QString title = pickWord();
        for (int words = m_random.below(4); words > 0; --words)
            title += " " + pickWord().toLower();
        const int style = m_random.below(100);
        if (style < 50)
            return artist + " - " + title + ".mp3";
        if (style < 75)
            return QString::asprintf("%02d - ", 1 + m_random.below(20)) + artist + " - " + title + ".mp3";
        if (style < 90)
            return artist + "-" + title + ".mp3";
        return title + ".mp3";
    }

    QString nearDuplicate()
    {
        QString stem = m_names[size_t(m_random.below(int(m_names.size())))].chopped(4);
        const int at = m_random.below(int(stem.size()));
        switch (m_random.below(7)) {
        case 0: stem = stem.toUpper(); break;
        case 1: stem = stem.toLower(); break;
        case 2: stem.insert(stem.indexOf(' ') < 0 ? at : stem.indexOf(' '), ' '); break;
        case 3: stem[at] = QChar(u'a' + m_random.below(26)); break;
        case 4: stem.remove(at, 1); break;
        case 5: stem += " (1)"; break;
        default: return stem + ".wav";
        }
        return stem + ".mp3";
    }

    Random m_random;
    std::vector<QString> m_words;
    std::vector<QString> m_artists;
    std::vector<QString> m_names;
};

void generate(Catalogue& catalogue, qsizetype files, int volumes)
{
    for (int volume = 1; volume <= volumes; ++volume)
        catalogue.TreeView1.add({"/media/v" + QString::number(volume), "1", "Volume " + QString::number(volume)});
    NameGenerator names(files);
    catalogue.ListFiles.reserve(size_t(files));
    for (qsizetype row = 0; row < files; ++row) {
        const int volume = int(row * volumes / files) + 1;
        catalogue.ListFiles.push_back(
            FileRecord({names.next(), "/media/v" + QString::number(volume) + "/", "4000000", "180", "44100", "128", "",
                        "", "", "", "", "3", "1.0", QString::number(volume)}));
    }
}

/// "all", "volume:N" or "volume-vs-all:N"; selects volume N. None when malformed.
ApproxScope parseScope(const QString& text, Catalogue& catalogue, HeadlessServices& headless)
{
    if (text == "all")
        return ApproxScope::AllVolumes;
    const QString kind = text.section(':', 0, 0);
    const int volume = text.section(':', 1).toInt();
    if ((kind != "volume" && kind != "volume-vs-all") || volume < 1 || volume > catalogue.TreeView1.count())
        return ApproxScope::None;
    catalogue.TreeView1.select(volume);
    catalogue.ClickNOD(headless.services);
    return kind == "volume" ? ApproxScope::SelectedVolume : ApproxScope::SelectedVolumeAgainstAll;
}

void dump(const Catalogue& catalogue)
{
    for (const ListRow& row : catalogue.Duplicates.rows()) {
        std::printf("%lld\t%d\t%u\t%s\n", static_cast<long long>(row.Tag), row.Checked ? 1 : 0, row.ForeColor,
                    qPrintable(catalogue.ListFiles[size_t(rowFromTag(row.Tag))].value(Field::Filename)));
    }
}

int runApprox(const QStringList& arguments)
{
    const int threshold = option(arguments, "--threshold", "80").toInt();
    const QString scopeText = option(arguments, "--scope", "all");
    Catalogue catalogue;
    HeadlessServices headless;
    if (!searchCollection(arguments, catalogue, headless, generate))
        return 2;
    ApproxSearchOptions options;
    options.scope = parseScope(scopeText, catalogue, headless);
    options.threshold = threshold;
    if (options.scope == ApproxScope::None)
        return std::fprintf(stderr, "approx: bad --scope %s\n", qPrintable(scopeText)), 2;

    test::CycleColors colors;
    const bool oracle = arguments.contains("--oracle");
    restartClock();
    headless.pump.restartGaps();
    const double cpuBefore = processCpuSeconds();
    if (oracle)
        test::literalFNDDPLBYNAME(catalogue, headless.services, colors, options);
    else
        FNDDPLBYNAME(catalogue, headless.services, colors, options);
    const double seconds = elapsedSeconds();
    const double cpu = processCpuSeconds() - cpuBefore;
    const qint64 longestGap = headless.pump.longestGapMs();

    if (arguments.contains("--dump"))
        dump(catalogue);
    qsizetype groups = 0;
    for (const ListRow& row : catalogue.Duplicates.rows())
        groups += row.Checked ? 1 : 0;
    std::fprintf(stderr,
                 "approx%s: %zu files, %d volumes, scope %s, threshold %d: %s (%lld groups) in %.3f s (search only), "
                 "%.1f s of CPU, longest event-loop gap %lld ms, peak %.0f MiB\n",
                 oracle ? " (reference)" : "", catalogue.ListFiles.size(), catalogue.TreeView1.count(),
                 qPrintable(scopeText), threshold, qPrintable(headless.status.last), static_cast<long long>(groups),
                 seconds, cpu, static_cast<long long>(longestGap), peakMemoryMiB());
    return 0;
}

const Registration registration{{"approx",
                                 "approx FILE.ztw|--generate N [--volumes V] [--threshold 80] "
                                 "[--scope all|volume:N|volume-vs-all:N] [--dump] [--oracle]",
                                 runApprox}};

} // namespace
} // namespace twinsweep::bench
