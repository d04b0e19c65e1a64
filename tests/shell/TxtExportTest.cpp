#include <gtest/gtest.h>

#include <QFile>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "QtPrinters.h"
#include "ScratchFiles.h"
#include "catalogue/Catalogue.h"
#include "shell/TxtExport.h"

namespace twinsweep {
namespace {

FileRecord file(const QString& name, const QString& path, const QString& seconds)
{
    return test::makeRecord(name, path, 1, seconds);
}

/// Exports `files` to a new file in a fresh folder and returns what was written.
QByteArray exported(const std::vector<FileRecord>& files, test::FakeServices& fake)
{
    QString path = test::freshFolder("txt") + "/list.txt";
    ExportListToTxt(ListSource(files), path, fake.services);
    return test::readFile(path);
}

QByteArray lines(std::initializer_list<const char*> texts)
{
    QByteArray result;
    for (const char* text : texts)
        result += QByteArray(text) + "\r\n";
    return result;
}

TEST(TxtExportTest, WritesTheFramedTableWithCrLfLineEnds)
{
    test::FakeServices fake;
    const QByteArray written = exported({file("a.mp3", "/c/", "65"), file("song.mp3", "/c/x/", "600")}, fake);
    EXPECT_EQ(written, lines({"------------------------", "|Filename| Path |Durat.|", "------------------------",
                              "|a.mp3   |/c/   |01:05 |", "|song.mp3|/c/x/ |10:00 |"}));
    EXPECT_EQ(fake.status.current, "TXT file saved");
    EXPECT_EQ(fake.busy.timesBusy, 1);
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST(TxtExportTest, ColumnsWidenForCaptionsAndLongDurations)
{
    const struct
    {
        const char* name;
        std::vector<FileRecord> files;
        QByteArray expected;
    } cases[] = {
        {"an empty list keeps its header",
         {},
         lines({"----------------------", "|Filename|Path|Durat.|", "----------------------"})},
        {"short names and paths widen to the captions",
         {file("a.mp3", "/", "5")},
         lines(
             {"----------------------", "|Filename|Path|Durat.|", "----------------------", "|a.mp3   |/   |00:05 |"})},
        {"odd widths are raised by one",
         {file("abcdefghi", "/music/", "5")},
         lines({"----------------------------", "| Filename |  Path  |Durat.|", "----------------------------",
                "|abcdefghi |/music/ |00:05 |"})},
        {"a thousand minutes widen the duration",
         {file("a.mp3", "/", "60000"), file("b.mp3", "/", "61")},
         lines({"------------------------", "|Filename|Path| Durat. |", "------------------------",
                "|a.mp3   |/   |1000:00 |", "|b.mp3   |/   |01:01   |"})},
        {"a duration that is not a number is left empty",
         {file("a.mp3", "/", "65"), file("b.mp3", "/", "n/a"), file("c.mp3", "/", "")},
         lines({"----------------------", "|Filename|Path|Durat.|", "----------------------", "|a.mp3   |/   |01:05 |",
                "|b.mp3   |/   |      |", "|c.mp3   |/   |      |"})},
        {"durations are rounded to whole seconds, a half to even",
         {file("a.mp3", "/", "64.5"), file("b.mp3", "/", "65.5"), file("c.mp3", "/", "1e12")},
         lines({"----------------------", "|Filename|Path|Durat.|", "----------------------", "|a.mp3   |/   |01:04 |",
                "|b.mp3   |/   |01:06 |", "|c.mp3   |/   |      |"})},
    };
    for (const auto& c : cases) {
        test::FakeServices fake;
        EXPECT_EQ(exported(c.files, fake), c.expected) << c.name;
    }
}

TEST(TxtExportTest, AppendsTxtUnlessTheNameEndsInIt)
{
    const struct
    {
        const char* chosen;
        const char* path;
    } cases[] = {
        {"/d/list", "/d/list.txt"},
        {"/d/list.txt", "/d/list.txt"},
        {"/d/list.TXT", "/d/list.TXT"},
        {"/d/list.tXt", "/d/list.tXt"},
        {"/d/listtxt", "/d/listtxt"},
        {"/d/list.text", "/d/list.text.txt"},
        {"/d/list.txt.m3u", "/d/list.txt.m3u.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(txtExportPath(c.chosen), c.path) << c.chosen;

    test::FakeServices fake;
    const std::vector<FileRecord> files{file("a.mp3", "/", "5")};
    QString path = test::freshFolder("txt") + "/songs";
    ExportListToTxt(ListSource(files), path, fake.services);
    EXPECT_TRUE(path.endsWith("/songs.txt"));
    EXPECT_TRUE(QFile::exists(path));
}

TEST(TxtExportTest, CancelledOrFailedExportsSaySo)
{
    const std::vector<FileRecord> files{file("a.mp3", "/", "5")};
    test::FakeServices fake;
    QString none;
    ExportListToTxt(ListSource(files), none, fake.services);
    EXPECT_EQ(fake.status.history, QStringList{"Canceled"});
    EXPECT_EQ(fake.busy.timesBusy, 0);

    QString missingFolder = test::freshFolder("txt") + "/gone/list.txt";
    ExportListToTxt(ListSource(files), missingFolder, fake.services);
    EXPECT_TRUE(fake.status.current.startsWith("TXT file not saved: ")) << fake.status.current.toStdString();
    EXPECT_FALSE(QFile::exists(missingFolder));
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST(TxtExportTest, AVolumeListExportsItsOwnFilesInItsOrder)
{
    Catalogue catalogue;
    test::addVolume(catalogue, "A", {"a.mp3"});
    test::addVolume(catalogue, "B", {"b1.mp3", "b2.mp3"});
    catalogue.ListFiles2.assign({{3, {}}, {2, {}}});
    test::FakeServices fake;
    QString path = test::freshFolder("txt") + "/b.txt";
    ExportListToTxt(ListSource(catalogue.ListFiles2, catalogue.ListFiles), path, fake.services);
    const QList<QByteArray> written = test::readFile(path).split('\n');
    ASSERT_EQ(written.size(), 6);
    EXPECT_TRUE(written[3].startsWith("|b2.mp3  |/media/B/ |03:00 |"));
    EXPECT_TRUE(written[4].startsWith("|b1.mp3  |/media/B/ |03:00 |"));
}

} // namespace
} // namespace twinsweep
