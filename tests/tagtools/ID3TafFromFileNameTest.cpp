#include <gtest/gtest.h>

#include "tagtools/ID3TafFromFileName.h"

namespace twinsweep {
namespace {

struct Parsed
{
    QString title;
    QString artist;
    QString album;
    bool operator==(const Parsed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Parsed& p)
{
    return out << '{' << p.title.toStdString() << '|' << p.artist.toStdString() << '|' << p.album.toStdString() << '}';
}

Parsed parse(int layout, const QString& path)
{
    ID3TafFromFileName parser;
    parser.setDirStructure(layout);
    parser.setFilename(path);
    parser.GetInfoFromFileName();
    return {parser.Title(), parser.Artist(), parser.Album()};
}

TEST(ID3TafFromFileNameTest, Layouts)
{
    struct Case
    {
        int layout;
        QString path;
        Parsed expected;
    };
    const QString example = "/Music/Band/Live/Band - Intro.mp3";
    const Case cases[] = {
        {0, example, {"Band - Intro", "", ""}},
        {1, example, {"Band - Intro", "Band", "Live"}},
        {2, example, {"Band - Intro", "Live", ""}},
        {3, example, {"Intro", "Band", ""}},
        {4, example, {"Band", "Intro", ""}},
        {3, "/Rock/Band/Album/01 - Song.mp3", {"Song", "01", ""}},
        {4, "/Rock/Band/Album/01 - Song.mp3", {"01", "Song", ""}},
        {3, "/x/Artist-Title.MP3", {"Title", "Artist", ""}},
        {4, "/x/Title - Artist.mp3", {"Title", "Artist", ""}},
        {3, "/x/A-B - C.mp3", {"C", "A-B", ""}},
        {3, "/x/A -B.mp3", {"B", "A", ""}},
        {3, "/x/A - B - C.mp3", {"B - C", "A", ""}},
        {3, "/x/A– B.mp3", {"A– B", "", ""}}, // only the ASCII hyphen separates
        {4, "/x/Nohyphen.mp3", {"Nohyphen", "", ""}},
        {0, "/x/track.flac", {"track.", "", ""}},
        {0, "/x/song", {"", "", ""}},
        {0, "/x/abc", {"", "", ""}},
        {3, "/x/abc", {"", "", ""}},
        {2, "E:/song.mp3", {"song", "E:", ""}},
        {1, "E:/Album/song.mp3", {"song", "E:", "Album"}},
        {1, "E:/song.mp3", {"song", "", "E:"}}, // the folder is at the start: no artist
        {1, "/Album/song.mp3", {"song", "", "Album"}},
        {2, "/song.mp3", {"song", "", ""}}, // no folder name before the file's slash
        {2, "song.mp3", {"song", "", ""}},
        {5, example, {"", "", ""}},
        {-1, example, {"", "", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parse(c.layout, c.path), c.expected) << c.layout << ' ' << c.path.toStdString();
}

TEST(ID3TafFromFileNameTest, ANewPathClearsTheFieldsAndAParseKeepsWhatItDoesNotReach)
{
    ID3TafFromFileName parser;
    EXPECT_EQ(parser.DirStructure(), 0);
    parser.setDirStructure(1);
    parser.setFilename("/A/B/c.mp3");
    parser.GetInfoFromFileName();
    parser.setDirStructure(9);
    parser.GetInfoFromFileName(); // an unknown layout sets nothing
    EXPECT_EQ(parser.Album(), "B");
    parser.setDirStructure(2);
    parser.GetInfoFromFileName(); // layout 2 empties Album and parses the same path again
    EXPECT_EQ(parser.Artist(), "B");
    EXPECT_EQ(parser.Album(), "");
    parser.setFilename("/x/abc");
    EXPECT_EQ(parser.Title(), "");
    EXPECT_EQ(parser.Artist(), "");
}

} // namespace
} // namespace twinsweep
