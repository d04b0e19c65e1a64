#include <gtest/gtest.h>

#include "ScratchFiles.h"
#include "platform/LineWriter.h"
#include "queue/Playlist.h"

namespace twinsweep {
namespace {

QByteArray written(PlaylistFormat format, const std::vector<PlaylistItem>& items)
{
    const QString path = test::freshFolder("playlist-writer") + "/out";
    LineWriter out(path);
    EXPECT_TRUE(out.open());
    PlaylistWriter writer(out, format);
    writer.writeHeader();
    for (const PlaylistItem& item : items)
        writer.write(item);
    writer.writeFooter(qsizetype(items.size()));
    EXPECT_TRUE(out.commit());
    return test::readFile(path);
}

std::vector<QString> entriesOf(PlaylistFormat format, const QByteArray& content, bool* opened = nullptr)
{
    const QString path = test::freshFolder("playlist-reader") + "/list";
    test::writeFile(path, content);
    PlaylistReader reader(format);
    const bool ok = reader.open(path);
    if (opened)
        *opened = ok;
    std::vector<QString> entries;
    while (std::optional<QString> entry = reader.nextEntry())
        entries.push_back(*entry);
    return entries;
}

TEST(PlaylistWriterTest, WritesEachFormatsLines)
{
    const std::vector<PlaylistItem> two{{"/m/a.mp3", "Ann - Song", "185"}, {"/m/b.wav", "b", ""}};
    const struct
    {
        PlaylistFormat format;
        std::vector<PlaylistItem> items;
        QByteArray expected;
    } cases[] = {
        {PlaylistFormat::M3U, {}, "#EXTM3U\r\n"},
        {PlaylistFormat::M3U, {{"/m/song.mp3", "song", "-1"}}, "#EXTM3U\r\n#EXTINF:-1,song\r\n/m/song.mp3\r\n"},
        {PlaylistFormat::PLS, {}, "[playlist]\r\nNumberOfEntries=0\r\nVersion=2\r\n"},
        {PlaylistFormat::PLS, two,
         "[playlist]\r\nFile1=/m/a.mp3\r\nTitle1=Ann - Song\r\nLength1=185\r\n"
         "File2=/m/b.wav\r\nTitle2=b\r\nLength2=\r\nNumberOfEntries=2\r\nVersion=2\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(written(c.format, c.items), c.expected);
}

TEST(PlaylistWriterTest, PlsOfTwoRowsIsNineLinesAndReadsBack)
{
    const QByteArray text = written(PlaylistFormat::PLS, {{"/m/a.mp3", "a", "1"}, {"/m/b.mp3", "b", "2"}});
    EXPECT_EQ(text.count("\r\n"), 9);
    EXPECT_TRUE(text.contains("\r\nNumberOfEntries=2\r\n"));
    EXPECT_EQ(entriesOf(PlaylistFormat::PLS, text), (std::vector<QString>{"/m/a.mp3", "/m/b.mp3"}));
}

TEST(PlaylistTitleTest, ArtistAndTitleOnlyWhenBothAreKnown)
{
    EXPECT_EQ(collectionPlaylistTitle("song.mp3", "Ann", "Song"), "Ann - Song");
    EXPECT_EQ(collectionPlaylistTitle("song.mp3", "", "Song"), "song");
    EXPECT_EQ(collectionPlaylistTitle("song.mp3", "Ann", ""), "song");
    EXPECT_EQ(titleFromFileName("abc"), "");
}

TEST(PlaylistExtensionTest, AppendsUnlessTheNameEndsInTheLetters)
{
    const struct
    {
        PlaylistFormat format;
        QString chosen;
        QString expected;
    } cases[] = {
        {PlaylistFormat::M3U, "/t/list", "/t/list.m3u"}, {PlaylistFormat::M3U, "/t/listm3u", "/t/listm3u"},
        {PlaylistFormat::M3U, "/t/a.M3U", "/t/a.M3U"},   {PlaylistFormat::M3U, "/t/a.txt", "/t/a.txt.m3u"},
        {PlaylistFormat::PLS, "/t/a.Pls", "/t/a.Pls"},   {PlaylistFormat::PLS, "/t/a.m3u", "/t/a.m3u.pls"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withPlaylistExtension(c.chosen, c.format), c.expected) << c.chosen.toStdString();
}

TEST(PlaylistReaderTest, FirstLineDecidesWhetherTheFileIsRead)
{
    const struct
    {
        PlaylistFormat format;
        QByteArray content;
        bool accepted;
    } cases[] = {
        {PlaylistFormat::M3U, "#EXTM3U\r\n", true},
        {PlaylistFormat::M3U, "#extm3u\r\n", true},
        {PlaylistFormat::M3U, "#EXTM3U \r\n", false},
        {PlaylistFormat::M3U, "\xEF\xBB\xBF#EXTM3U\r\n", true},
        {PlaylistFormat::M3U, "", false},
        {PlaylistFormat::M3U, "/m/a.mp3\r\n", false},
        {PlaylistFormat::PLS, "[PLAYLIST]\r\n", true},
        {PlaylistFormat::PLS, "[playlist] \r\n", false},
        {PlaylistFormat::PLS, "\xEF\xBB\xBF[playlist]\n", true},
        {PlaylistFormat::PLS, "#EXTM3U\r\n", false},
    };
    for (const auto& c : cases) {
        bool opened = false;
        entriesOf(c.format, c.content, &opened);
        EXPECT_EQ(opened, c.accepted) << c.content.toStdString();
    }
    EXPECT_FALSE(PlaylistReader(PlaylistFormat::M3U).open(test::freshFolder("missing") + "/none.m3u"));
}

TEST(PlaylistReaderTest, TakesEntriesByEachFormatsRules)
{
    using Entries = std::vector<QString>;
    const struct
    {
        PlaylistFormat format;
        QByteArray content;
        Entries expected;
    } cases[] = {
        {PlaylistFormat::M3U, "#EXTM3U\r\n#EXTINF:5,x\r\n/m/a.mp3\r\n", {"/m/a.mp3"}},
        {PlaylistFormat::M3U, "#EXTM3U\r/m/a.mp3\r/m/b.mp3\r", {"/m/a.mp3", "/m/b.mp3"}},
        {PlaylistFormat::M3U, "#EXTM3U\n/m/a.mp3\n/m/b.mp3", {"/m/a.mp3", "/m/b.mp3"}},
        {PlaylistFormat::M3U,
         "#EXTM3U\r\n\r\n#x\r\n#EXTALB:Album\r\n  \r\n#extinf:1,y\r\n#EXTM3U\r\n/m/a.mp3\r\n",
         {"/m/a.mp3"}},
        {PlaylistFormat::M3U, "#EXTM3U\r\nd\xE9j\xE0.mp3\r\n", {QString::fromUtf8("d\u00E9j\u00E0.mp3")}},
        {PlaylistFormat::PLS,
         "[playlist]\r\nfile1=/m/x.mp3\r\nFile1= /m/a.mp3\r\nFile2=\r\nFile3= \r\n",
         {" /m/a.mp3"}},
        {PlaylistFormat::PLS, "[playlist]\r\nFile2=/m/a=b.mp3\r\nFile1=/m/c.mp3\r\n", {"/m/a=b.mp3", "/m/c.mp3"}},
        {PlaylistFormat::PLS,
         "[playlist]\r\nFileName=/m/a.mp3\r\nFile/m/b.mp3\r\nTitle1=t\r\n",
         {"/m/a.mp3", "File/m/b.mp3"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(entriesOf(c.format, c.content), c.expected) << c.content.toStdString();
}

TEST(PlaylistEntryPathTest, EntriesOfOtherSystemsAndPlayersFindTheirFiles)
{
    const struct
    {
        QString entry;
        QString expected;
    } cases[] = {
        {"/m/a.mp3", "/m/a.mp3"},
        {"a.mp3", "/lists/a.mp3"},
        {"sub\\a.mp3", "/lists/sub/a.mp3"},
        {"..\\music\\a.mp3", "/music/a.mp3"},
        {"file:///m/a%20b.mp3", "/m/a b.mp3"},
        {"C:\\Music\\a.mp3", "C:/Music/a.mp3"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(localEntryPath(c.entry, "/lists"), c.expected) << c.entry.toStdString();
}

TEST(PlaylistEntryPathTest, SplitsNameAndFolder)
{
    EXPECT_EQ(splitEntry("/m/a.mp3").name, "a.mp3");
    EXPECT_EQ(splitEntry("/m/a.mp3").folder, "/m/");
    EXPECT_EQ(splitEntry("a.mp3").folder, "");
    EXPECT_EQ(splitEntry("").name, "");
}

TEST(ImportedVolumeTest, NameCountsTheNewNode)
{
    EXPECT_EQ(importedVolumeName("  ", 2), "Colection3");
    EXPECT_EQ(importedVolumeName(" Mine ", 2), " Mine ");
}

} // namespace
} // namespace twinsweep
