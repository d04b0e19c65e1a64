#include <gtest/gtest.h>

#include <deque>

#include "../catalogue/CollectionTestSupport.h"
#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFolder.h"
#include "ScanFakes.h"
#include "ScratchFiles.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/VolumeAdder.h"
#include "catalogue/cDirEx.h"
#include "platform/Mp3TagReader.h"
#include "platform/SettingKeys.h"
#include "queue/PlaylistTransfer.h"
#include "queue/QueryDrop.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

class NoNameWindow : public CollectionNameWindow
{
public:
    void SetName(const QString&) override {}
    QString showModal() override { return {}; }
};

QStringList names(const QueryList& query)
{
    QStringList result;
    for (qsizetype i = 0; i < query.size(); ++i)
        result << query.row(i).Filename;
    return result;
}

TEST(QueryRowMoveTest, InsertsBeforeTheRowDroppedOn)
{
    const struct
    {
        qsizetype from;
        std::optional<qsizetype> onto;
        QStringList expected;
    } cases[] = {
        {0, 2, {"2.mp3", "1.mp3", "3.mp3"}}, {2, 0, {"3.mp3", "1.mp3", "2.mp3"}},
        {0, 1, {"1.mp3", "2.mp3", "3.mp3"}}, {1, std::nullopt, {"1.mp3", "2.mp3", "3.mp3"}},
        {1, 1, {"1.mp3", "2.mp3", "3.mp3"}}, {5, 1, {"1.mp3", "2.mp3", "3.mp3"}},
    };
    for (const auto& c : cases) {
        QueryList query;
        for (const char* name : {"1.mp3", "2.mp3", "3.mp3"})
            query.append({name, "/m/", "01:00", "Rock", true});
        moveQueryRow(query, c.from, c.onto);
        EXPECT_EQ(names(query), c.expected) << c.from;
    }
}

TEST(QueryRowMoveTest, MovedRowKeepsItsValuesButNotItsColour)
{
    QueryList query;
    query.append({"a.mp3", "/x/", "03:10", "Jazz", false, PlayingColor});
    query.append({"b.mp3", "/y/", "01:00", "Rock", true});
    query.append({"a.mp3", "/z/", "01:00", "Rock", true});
    query.append({"c.mp3", "/z/", "01:00", "Rock", true});
    EXPECT_FALSE(moveQueryRow(query, 0, 2)) << "same file name";
    ASSERT_TRUE(moveQueryRow(query, 0, 3));
    EXPECT_EQ(names(query), (QStringList{"b.mp3", "a.mp3", "a.mp3", "c.mp3"}));
    const QueryRow& again = query.row(2);
    EXPECT_EQ(again.Path, "/x/");
    EXPECT_EQ(again.Duration, "03:10");
    EXPECT_EQ(again.Collection, "Jazz");
    EXPECT_FALSE(again.Checked);
    EXPECT_EQ(again.ForeColor, SystemWindowText);
}

TEST(QueryDragDropTest, AppendsOnlyAFileListRowThatStillExists)
{
    Catalogue catalogue;
    test::FakeServices fake;
    test::addVolume(catalogue, "Rock", {"r1.mp3"});
    test::addVolume(catalogue, "Jazz", {"j1.mp3", "j2.mp3"});
    catalogue.TreeView1.select(2);
    catalogue.ClickNOD(fake.services);
    QueryList query;
    query.append({"q.mp3", "/q/", "", "", true});

    using Origin = InProgramDrag::Origin;
    query_DragDrop(query, catalogue, {Origin::FileList, 1}, 0);
    ASSERT_EQ(query.size(), 2);
    const QueryRow& row = query.row(1);
    EXPECT_EQ(row.fullPath(), catalogue.ListFiles[2].fullPath());
    EXPECT_EQ(row.Collection, "Jazz");
    EXPECT_EQ(row.Duration, "03:00");
    EXPECT_TRUE(row.Checked);

    query_DragDrop(query, catalogue, {Origin::FileList, std::nullopt}, std::nullopt);
    query_DragDrop(query, catalogue, {Origin::FileList, 7}, std::nullopt);
    query_DragDrop(query, catalogue, {Origin::QueryList, 0}, std::nullopt);
    EXPECT_EQ(query.size(), 2) << "a stale or query drag onto empty space appends nothing";
    EXPECT_TRUE(fake.status.history.isEmpty() || fake.status.current == "Done");
}

TEST(FolderDropPassesTest, FiletypeAndStopRequest)
{
    const struct
    {
        QString filetype;
        bool stop;
        bool mp3;
        bool wav;
    } cases[] = {
        {"0", true, true, true},   {"1", false, true, false}, {"2", false, false, true},  {"1", true, false, false},
        {"2", true, false, false}, {"x", false, true, true},  {"3", false, false, false},
    };
    for (const auto& c : cases) {
        const FolderDropPasses passes = folderDropPasses(c.filetype, c.stop);
        EXPECT_EQ(passes.mp3, c.mp3) << c.filetype.toStdString() << c.stop;
        EXPECT_EQ(passes.wav, c.wav) << c.filetype.toStdString() << c.stop;
    }
}

class QueryShellDropTest : public ::testing::Test
{
protected:
    QString folder = test::makeMediaFolder({"a.MP3", "b.wav", "My.Songs/c.mp3", "My.Songs/sub/d.wav", "x.txt"});
    test::FakeServices fake;
    Catalogue catalogue;
    cDirEx DirEx{fake.pump};
    Mp3TagReader tagReader;
    QueryList query;
    MediaFileReader reader{catalogue, query, tagReader, fake.services};
    test::FakeScanningWindow frmfndupd;
    MainScanner scanner{fake.services, DirEx, reader, frmfndupd};
    NoNameWindow Form4;
    test::RecordingRecent recent;
    test::TestStopFlag StopFlag;
    PlaylistImport playlists{catalogue, fake.services, scanner, Form4, recent, query};
    QueryShellDrop drop{query, fake.services, scanner, playlists, StopFlag};
};

TEST_F(QueryShellDropTest, FilesPlaylistsAndFoldersInTheOrderGiven)
{
    test::writeFile(folder + "/list.m3u", "#EXTM3U\nb.wav\nx.txt\n");
    StopFlag.stop = false;
    drop.query_OLEDragDrop({folder + "/a.MP3", folder + "/x.txt", folder + "/My.Songs", folder + "/list.m3u"});

    EXPECT_EQ(names(query), (QStringList{"a.MP3", "c.mp3", "d.wav", "b.wav"}));
    EXPECT_EQ(query.row(0).Path, folder + "/");
    EXPECT_EQ(query.row(2).Path, folder + "/My.Songs/sub/");
    for (qsizetype i = 0; i < query.size(); ++i)
        EXPECT_TRUE(query.row(i).Checked);
    EXPECT_EQ(fake.status.history.first(), "4 item(s) added to query.");
    EXPECT_TRUE(fake.status.history.contains("2 Item(s) added"));
    EXPECT_FALSE(frmfndupd.loaded);
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(QueryShellDropTest, FolderScanFollowsTheSettingsAndLeftOverStop)
{
    const struct
    {
        QString filetype;
        QString recursive;
        QStringList expected;
    } cases[] = {
        {"0", "1", {"c.mp3", "d.wav"}},
        {"1", "1", {}},
        {"0", "0", {"c.mp3"}},
    };
    for (const auto& c : cases) {
        query.clear();
        fake.settings.setValue(Settings::Filetype, c.filetype);
        fake.settings.setValue(Settings::RecSubDir, c.recursive);
        drop.query_OLEDragDrop({folder + "/My.Songs"});
        EXPECT_EQ(names(query), c.expected) << c.filetype.toStdString();
        EXPECT_EQ(fake.status.current, QString::number(c.expected.size()) + " Item(s) added");
        EXPECT_TRUE(StopFlag.stop) << "the drop never empties the stop request";
    }
}

} // namespace
} // namespace twinsweep
