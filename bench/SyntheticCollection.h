#pragma once

#include <random>

#include "catalogue/Catalogue.h"

namespace twinsweep::bench {

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

} // namespace twinsweep::bench
