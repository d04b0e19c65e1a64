#include <QFileInfo>

#include <cstdio>
#include <iterator>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "Random.h"
#include "catalogue/CollectionFile.h"

namespace twinsweep::bench {
namespace {

const char* const Words[] = {
    "Love",    "Night",   "Dance",    "Heart",    "Rain",     "Summer",   "Fire",    "Dream",    "Blue",    "Road",
    "Home",    "Light",   "Time",     "Shadow",   "River",    "Sun",      "Moon",    "Star",     "Girl",    "City",
    "Morning", "Angel",   "Rock",     "Song",     "Wild",     "Cold",     "Golden",  "Little",   "Lonely",  "Sweet",
    "Broken",  "Silent",  "Electric", "Midnight", "Paradise", "Highway",  "Ocean",   "Storm",    "Winter",  "Freedom",
    "Memory",  "Train",   "Window",   "Garden",   "Mirror",   "Thunder",  "Velvet",  "Echo",     "Fever",   "Crazy",
    "Forever", "Tonight", "Again",    "Alone",    "Together", "Down",     "Away",    "Back",     "Over",    "Inside",
    "Running", "Falling", "Burning",  "Waiting",  "Dancing",  "Calling",  "Walking", "Flying",   "Baby",    "Honey",
    "King",    "Queen",   "Devil",    "Soul",     "Spirit",   "Ghost",    "Machine", "Radio",    "Money",   "Silver",
    "Diamond", "Stone",   "Glass",    "Paper",    "Water",    "Wind",     "Sky",     "World",    "Life",    "Tears",
    "Smile",   "Kiss",    "Eyes",     "Voice",    "Secret",   "Promise",  "Story",   "Letter",   "Party",   "Sunday",
    "Friday",  "Hotel",   "Street",   "Bridge",   "Island",   "Mountain", "Valley",  "Desert",   "Forest",  "Circus",
    "Rhythm",  "Groove",  "Blues",    "Jazz",     "Disco",    "Tango",    "Samba",   "Carnival", "Harbour", "Avenue",
    "Café",    "Noël",    "Señorita", "Über",     "Déjà Vu",  "Fiesta",   "Amour",   "Ciel",     "Straße",  "Sól"};
const char* const Small[] = {"the", "of", "in", "my", "your", "on", "to", "and", "for", "with"};
const char* const FirstNames[] = {"John",  "Mary", "David", "Anna",  "Peter", "Laura", "Tom", "Eva",   "Mark", "Julia",
                                  "Paul",  "Nina", "Chris", "Sara",  "Alex",  "Lena",  "Dan", "Maria", "Jon",  "Ella",
                                  "Lucas", "Mia",  "Simon", "Clara", "Oscar", "Ida",   "Max", "Zoe",   "Leo",  "Rita"};
const char* const LastNames[] = {"Smith", "Brown", "Miller", "Novak",   "Kowalski", "Jensen", "Berg",   "Moreau",
                                 "Rossi", "Silva", "Weber",  "Fischer", "Young",    "King",   "Wright", "Hill",
                                 "Stone", "Fox",   "Wood",   "Gray",    "Black",    "White",  "Lake",   "Ford",
                                 "Hale",  "Reed",  "Cole",   "Lane",    "Marsh",    "Dvorak", "Horvat", "Lindqvist"};
const char* const Comments[] = {"Ripped by EAC", "Converted with LAME", "www.mp3-archive.net", "Promo only"};
const int Bitrates[] = {128, 128, 128, 192, 192, 160, 256, 320, 320, 112, 187, 203, 224};
const int Frequencies[] = {44100, 44100, 44100, 44100, 44100, 44100, 44100, 48000, 48000, 32000, 22050};

QString words(Random& random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += u' ';
        // Short words only between others, so names never start with "of".
        text +=
            QString::fromUtf8(i > 0 && i + 1 < count && random.chance(25) ? random.pick(Small) : random.pick(Words));
    }
    return text;
}

QString artistName(Random& random)
{
    switch (random.below(4)) {
    case 0:
    case 1: return QString::fromUtf8(random.pick(FirstNames)) + u' ' + QString::fromUtf8(random.pick(LastNames));
    case 2: return "The " + QString::fromUtf8(random.pick(Words)) + u's';
    default: return words(random, 2);
    }
}

struct Album
{
    QString artist, title, year, path;
    int pattern; // how its files are named
};

/// A file name as rippers and shops write them: track number, artist, title.
QString fileName(const Album& album, int track, const QString& title, bool wav)
{
    const QString number = QString::number(track).rightJustified(2, u'0');
    QString stem;
    switch (album.pattern) {
    case 0: stem = number + " - " + title; break;
    case 1: stem = number + " " + album.artist + " - " + title; break;
    case 2: stem = album.artist + " - " + title; break;
    default: stem = number + ". " + title; break;
    }
    return stem + (wav ? ".wav" : ".mp3");
}

/// A near duplicate: the same song under a slightly different name.
QString nearName(Random& random, const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    QString stem = name.left(dot);
    const QString extension = name.mid(dot);
    switch (random.below(6)) {
    case 0: stem = stem.toLower(); break;
    case 1: stem.replace(u' ', u'_'); break;
    case 2: stem += " (1)"; break;
    case 3: stem.replace(" - ", "  -  "); break;
    case 4: stem = stem.section(u' ', 1); break;
    default:
        if (stem.size() > 4) {
            const qsizetype at = 1 + random.below(int(stem.size()) - 2);
            std::swap(stem[at], stem[at + 1]);
        }
    }
    return stem + extension;
}

FileRecord newFile(Random& random, const Album& album, int track, int volume)
{
    const bool wav = random.chance(3);
    const int seconds = random.between(95, 460);
    const int bitrate = wav ? 1411 : random.pick(Bitrates);
    const int frequency = wav ? 44100 : random.pick(Frequencies);
    const qint64 size =
        wav ? qint64(seconds) * 176400 + 44 : qint64(seconds) * bitrate * 125 + random.between(128, 9000);
    const QString title = words(random, random.between(1, 4));
    const bool tagged = wav ? random.chance(10) : random.chance(85);
    QString comment;
    if (random.chance(30))
        comment = random.chance(60) ? QString::fromLatin1(random.pick(Comments)) : "Track " + QString::number(track);
    const int version = random.below(100);
    return FileRecord({fileName(album, track, title, wav), album.path, QString::number(size), QString::number(seconds),
                       QString::number(frequency), QString::number(bitrate), tagged ? title : QString(),
                       tagged ? album.artist : QString(), tagged ? album.title : QString(),
                       tagged ? comment : QString(), tagged ? album.year : QString(), wav ? "PCM" : "3",
                       wav ? QString()
                           : (version < 95   ? "1.0"
                              : version < 99 ? "2.0"
                                             : "2.5"),
                       QString::number(volume)});
}

/// A copy of an earlier file in this album's folder: exact, or under a near name.
FileRecord copiedFile(Random& random, const FileRecord& original, const Album& album, int volume)
{
    FileRecord copy = original;
    copy.setValue(Field::Path, album.path);
    copy.setNodeNumber(volume);
    if (random.chance(40)) {
        copy.setValue(Field::Filename, nearName(random, original.value(Field::Filename)));
        copy.setValue(Field::Duration,
                      QString::number(original.value(Field::Duration).toInt() + random.between(-1, 1)));
        copy.setValue(Field::FileSize,
                      QString::number(original.value(Field::FileSize).toLongLong() + random.between(-5000, 5000)));
    }
    return copy;
}

Album newAlbum(Random& random, const QString& root, const QStringList& artists)
{
    Album album;
    album.artist = artists[random.below(int(artists.size()))];
    album.title = words(random, random.between(1, 3));
    album.year = QString::number(random.between(1962, 2023));
    album.pattern = random.below(4);
    album.path = root + album.artist + u'/' + (random.chance(50) ? album.year + " - " : QString()) + album.title + u'/';
    return album;
}

} // namespace

void generateAlbums(VolumeTree& tree, std::vector<FileRecord>& records, qsizetype total, int volumes)
{
    Random random(20240601);
    QStringList artists;
    for (qsizetype i = 0; i < qMax<qsizetype>(50, total / 120); ++i)
        artists << artistName(random);

    records.reserve(size_t(total));
    for (int volume = 1; volume <= volumes; ++volume) {
        const QString root = "/media/cd" + QString::number(volume).rightJustified(2, u'0') + u'/';
        tree.add({root.chopped(1) + QString::number(volume), QString::number(qint32(random.next())),
                  "Colection" + QString::number(volume)});
        const qsizetype end = total * volume / volumes;
        while (qsizetype(records.size()) < end) {
            const Album album = newAlbum(random, root, artists);
            const int tracks = random.between(8, 16);
            const int earlier = int(records.size()); // copies come from other folders
            for (int track = 1; track <= tracks && qsizetype(records.size()) < end; ++track) {
                if (earlier > 0 && random.chance(10))
                    records.push_back(copiedFile(random, records[size_t(random.below(earlier))], album, volume));
                else
                    records.push_back(newFile(random, album, track, volume));
            }
        }
    }
}

namespace {

/// Writes a synthetic collection made by `generateAlbums`.
int runGenerate(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return 2;
    const qsizetype total = arguments[1].toLongLong();
    const int volumes = qMax(1, arguments.value(2, "10").toInt());
    VolumeTree tree;
    std::vector<FileRecord> records;
    generateAlbums(tree, records, total, volumes);
    HeadlessServices headless;
    QString error;
    if (!saveload::writeCollection(tree, records, arguments[0], headless.pump, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("generate: %d volumes, %lld files, %.0f MB in %.3f s\n", volumes, static_cast<long long>(total),
                double(QFileInfo(arguments[0]).size()) / 1e6, elapsedSeconds());
    return 0;
}

const Registration registration{{"generate", "generate OUT.ztw FILES [VOLUMES=10]", runGenerate}};

} // namespace
} // namespace twinsweep::bench
