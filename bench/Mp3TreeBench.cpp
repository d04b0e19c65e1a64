#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

#include <id3v1tag.h>
#include <id3v2tag.h>

#include "Bench.h"
#include "Random.h"

namespace twinsweep::bench {
namespace {

/// The encoder settings of the clips: constant and variable rates, mono and stereo,
/// the sample rates of MPEG-1 and MPEG-2.
const QStringList ClipSettings[] = {
    {"-b", "128"},
    {"-b", "192"},
    {"-b", "320"},
    {"-V", "2"},
    {"-m", "m", "-b", "64"},
    {"--resample", "22.05", "-b", "64"},
    {"--resample", "48", "-V", "5"},
};

/// The 44-byte header of a 16-bit stereo PCM WAV file.
QByteArray waveHeader(qsizetype dataBytes, int rate)
{
    QByteArray header;
    const auto add32 = [&header](quint32 value) {
        for (int shift = 0; shift < 32; shift += 8)
            header.append(char((value >> shift) & 0xFF));
    };
    const auto add16 = [&header](quint16 value) {
        header.append(char(value & 0xFF));
        header.append(char(value >> 8));
    };
    header.append("RIFF");
    add32(quint32(36 + dataBytes));
    header.append("WAVEfmt ");
    add32(16);
    add16(1); // PCM
    add16(2);
    add32(quint32(rate));
    add32(quint32(rate * 4));
    add16(4);
    add16(16);
    header.append("data");
    add32(quint32(dataBytes));
    return header;
}

/// Encodes `seconds` of a chord with lame, which writes its own info frame as players
/// expect. Empty when lame fails.
QByteArray encodeClip(const QString& folder, const QStringList& settings, double seconds, int index)
{
    const int rate = 44100;
    QByteArray pcm;
    for (int sample = 0; sample < int(seconds * rate); ++sample) {
        const double t = double(sample) / rate;
        const auto value = qint16(6000 * (std::sin(2 * M_PI * (220 + 40 * index) * t) + std::sin(2 * M_PI * 330 * t)));
        for (int channel = 0; channel < 2; ++channel)
            pcm.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    const QString wav = folder + "/clip.wav";
    const QString mp3 = folder + "/clip.mp3";
    QFile wavFile(wav);
    if (!wavFile.open(QIODevice::WriteOnly) || wavFile.write(waveHeader(pcm.size(), rate) + pcm) != pcm.size() + 44)
        return {};
    wavFile.close();
    QStringList arguments{"--quiet"};
    arguments << settings << wav << mp3;
    if (QProcess::execute("lame", arguments) != 0)
        return {};
    QFile encoded(mp3);
    return encoded.open(QIODevice::ReadOnly) ? encoded.readAll() : QByteArray();
}

QString word(Random& random)
{
    static const char* const syllables[] = {"ka",  "lo",  "mi",  "ra", "ven", "tor", "sel", "din", "mar", "qui",
                                            "zen", "bel", "ost", "ri", "an",  "el",  "um",  "dra", "fi",  "no"};
    QString text;
    for (int count = random.between(1, 3); count > 0; --count)
        text += random.pick(syllables);
    text[0] = text[0].toUpper();
    return text;
}

TagLib::String tagText(const QString& text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

/// The tags of one track: an ID3v2 tag on 9 files in 10, an ID3v1 tag on every other.
QByteArray tagged(const QByteArray& clip, Random& random, const QString& artist, const QString& album,
                  const QString& title, int track)
{
    QByteArray file;
    const auto fill = [&](TagLib::Tag& tag) {
        tag.setTitle(tagText(title));
        tag.setArtist(tagText(artist));
        tag.setAlbum(tagText(album));
        tag.setYear(unsigned(random.between(1960, 2024)));
        tag.setTrack(unsigned(track));
        tag.setComment(tagText(random.chance(30) ? "Ripped by " + word(random) : QString()));
    };
    if (random.chance(90)) {
        TagLib::ID3v2::Tag v2;
        fill(v2);
        const TagLib::ByteVector bytes = v2.render();
        file.append(bytes.data(), qsizetype(bytes.size()));
    }
    file.append(clip);
    if (random.chance(50)) {
        TagLib::ID3v1::Tag v1;
        fill(v1);
        const TagLib::ByteVector bytes = v1.render();
        file.append(bytes.data(), qsizetype(bytes.size()));
    }
    return file;
}

/// Writes FILES real MP3 files below DIR as Artist/Album/NN - Title.mp3, about a dozen
/// per album: clips encoded by lame, each file with tags of its own.
int runMakeMp3(const QStringList& arguments)
{
    if (arguments.size() < 2 || arguments[1].toInt() <= 0) {
        std::fprintf(stderr, "usage: twinsweep-bench make-mp3 DIR FILES\n");
        return 2;
    }
    const QString root = arguments[0];
    const int files = arguments[1].toInt();
    QTemporaryDir scratch;
    std::vector<QByteArray> clips;
    int index = 0;
    for (const QStringList& settings : ClipSettings) {
        clips.push_back(encodeClip(scratch.path(), settings, 1.0 + 0.25 * index, index));
        if (clips.back().isEmpty()) {
            std::fprintf(stderr, "make-mp3: lame failed (is it installed?)\n");
            return 1;
        }
        ++index;
    }
    Random random(2026);
    qint64 bytes = 0;
    for (int file = 0; file < files;) {
        const QString artist = word(random) + " " + word(random);
        for (int albums = random.between(1, 8); albums > 0 && file < files; --albums) {
            const QString album = word(random) + " " + word(random).toLower();
            const QString folder = root + "/" + artist + "/" + album;
            if (!QDir().mkpath(folder))
                return std::fprintf(stderr, "make-mp3: cannot make %s\n", qPrintable(folder)), 1;
            for (int track = 1, tracks = random.between(8, 16); track <= tracks && file < files; ++track, ++file) {
                const QString title = word(random) + " " + word(random).toLower();
                const QByteArray content =
                    tagged(clips[size_t(random.below(int(clips.size())))], random, artist, album, title, track);
                QFile out(folder + "/" + QString::asprintf("%02d - ", track) + title + ".mp3");
                if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
                    return std::fprintf(stderr, "make-mp3: cannot write %s\n", qPrintable(out.fileName())), 1;
                bytes += content.size();
            }
        }
    }
    std::printf("make-mp3: %d files, %.0f MB, in %.1f s\n", files, double(bytes) / 1e6, elapsedSeconds());
    return 0;
}

const Registration registration{{"make-mp3", "make-mp3 DIR FILES", runMakeMp3}};

} // namespace
} // namespace twinsweep::bench
