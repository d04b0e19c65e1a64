#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <deque>

#include "../catalogue/CollectionTestSupport.h"
#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFiles.h"
#include "MediaFolder.h"
#include "ScanFakes.h"
#include "ScratchFiles.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/VolumeAdder.h"
#include "catalogue/cDirEx.h"
#include "platform/Mp3TagReader.h"
#include "platform/VolumeLayer.h"
#include "queue/PlaylistTransfer.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

/// The name window: records the proposed names and answers from a script ("" = its
/// close box).
class ScriptedNameWindow : public CollectionNameWindow
{
public:
    void SetName(const QString& Name) override { proposed << Name; }
    QString showModal() override
    {
        if (answers.empty())
            return {};
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList proposed;
    std::deque<QString> answers;
};

class PlaylistTransferTest : public ::testing::Test
{
protected:
    QString playlist(const QByteArray& content, const QString& name = "list.m3u")
    {
        const QString path = folder + "/" + name;
        test::writeFile(path, content);
        return path;
    }
    QStringList collectionPaths() const
    {
        QStringList paths;
        for (const FileRecord& record : catalogue.ListFiles)
            paths << record.fullPath();
        return paths;
    }
    QStringList queryPaths() const
    {
        QStringList paths;
        for (qsizetype i = 0; i < query.size(); ++i)
            paths << query.row(i).fullPath();
        return paths;
    }

    QString folder = test::makeMediaFolder({"a.mp3", "sub/b.mp3", "c.wav", "notes.txt"});
    test::FakeServices fake;
    Catalogue catalogue;
    cDirEx DirEx{fake.pump};
    Mp3TagReader tagReader;
    QueryList query;
    MediaFileReader reader{catalogue, query, tagReader, fake.services};
    test::FakeScanningWindow frmfndupd;
    MainScanner scanner{fake.services, DirEx, reader, frmfndupd};
    ScriptedNameWindow Form4;
    test::RecordingRecent recent;
    PlaylistImport import{catalogue, fake.services, scanner, Form4, recent, query};
};

TEST_F(PlaylistTransferTest, ExportsTheCollectionAndReportsWhereItFails)
{
    test::addVolume(catalogue, "Rock", {"one.mp3", "two.mp3"});
    catalogue.ListFiles[0].setValue(Field::Artist, "Ann");
    catalogue.ListFiles[0].setValue(Field::Title, "Song");
    catalogue.ListFiles[0].setValue(Field::Duration, "185");
    catalogue.ListFiles[1].setValue(Field::Duration, "");

    fake.dialogs.answers = {folder + "/out", "", "/no/such/folder/out.pls"};
    exportPlaylist(collectionSource(catalogue), PlaylistFormat::M3U, fake.services);
    EXPECT_EQ(fake.status.current, "M3U playlist saved");
    EXPECT_EQ(fake.dialogs.titles.last(), "Save playlist");
    const QByteArray text = test::readFile(folder + "/out.m3u");
    const QByteArray expected =
        "#EXTM3U\r\n#EXTINF:185,Ann - Song\r\n" + catalogue.ListFiles[0].fullPath().toUtf8() + "\r\n#EXTINF:,two\r\n";
    EXPECT_TRUE(text.startsWith(expected)) << text.toStdString();

    exportPlaylist(collectionSource(catalogue), PlaylistFormat::PLS, fake.services);
    EXPECT_EQ(fake.status.current, "Canceled");

    exportPlaylist(collectionSource(catalogue), PlaylistFormat::PLS, fake.services);
    EXPECT_TRUE(fake.status.current.startsWith("Playlist not saved: out.pls")) << fake.status.current.toStdString();
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(PlaylistTransferTest, FailedExportLeavesTheExistingFileWhole)
{
    query.append({"song.mp3", "/m/", "03:00", "/", true});
    const QString target = folder + "/keep.m3u";
    test::writeFile(target, "old content");
    // A name that is a folder cannot be replaced by the finished file.
    const QString blocked = folder + "/blocked.m3u";
    QDir().mkpath(blocked + "/inner");
    EXPECT_FALSE(writePlaylist(blocked, PlaylistFormat::M3U, querySource(query), fake.pump).isEmpty());
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_EQ(writePlaylist(target, PlaylistFormat::M3U, querySource(query), fake.pump), "");
    EXPECT_EQ(test::readFile(target), "#EXTM3U\r\n#EXTINF:-1,song\r\n/m/song.mp3\r\n");
}

TEST_F(PlaylistTransferTest, ImportsALinuxPlaylistAsANewVolume)
{
    const QString path = playlist("#EXTM3U\n#EXTINF:1,A\na.mp3\nsub/b.mp3\n" + folder.toUtf8() + "/c.wav\n");
    Form4.answers = {"Mine"};
    import.importToCollection(path, PlaylistFormat::M3U);

    EXPECT_EQ(collectionPaths(), (QStringList{folder + "/a.mp3", folder + "/sub/b.mp3", folder + "/c.wav"}));
    EXPECT_EQ(catalogue.ListFiles[2].value(Field::Duration), "1");
    for (const FileRecord& record : catalogue.ListFiles)
        EXPECT_EQ(record.value(Field::NodeNR), "1");
    ASSERT_EQ(catalogue.TreeView1.count(), 1);
    EXPECT_EQ(catalogue.TreeView1.node(1), (VolumeNode{path + "1", "Nera", "Mine"}));
    EXPECT_EQ(Form4.proposed, QStringList{"M3U Playlist"});
    EXPECT_EQ(frmfndupd.directories, (QStringList{folder + "/", folder + "/sub/", folder + "/"}));
    EXPECT_EQ(catalogue.TreeView1.selectedIndex(), 1);
    EXPECT_EQ(catalogue.ListFiles2.size(), 3);
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_FALSE(frmfndupd.loaded);
}

TEST_F(PlaylistTransferTest, CancelOnTheSaveQuestionAddsOneMoreVolume)
{
    test::addVolume(catalogue, "Rock", {"r.mp3"});
    test::addVolume(catalogue, "Jazz", {"j.mp3"});
    catalogue.MarkCollectionChanged();
    fake.prompt.answers = {MessageAnswer::Cancel};
    const QString path = playlist("[playlist]\r\nFile1=a.mp3\r\nNumberOfEntries=1\r\n", "list.pls");
    import.importToCollection(path, PlaylistFormat::PLS);

    ASSERT_EQ(catalogue.TreeView1.count(), 3);
    EXPECT_EQ(catalogue.TreeView1.node(3), (VolumeNode{path + "3", "Nera", "Colection3"}));
    EXPECT_EQ(Form4.proposed, QStringList{"PLS Playlist"});
    EXPECT_EQ(catalogue.ListFiles.back().value(Field::NodeNR), "3");
}

TEST_F(PlaylistTransferTest, RefusesAFileOfAnotherFormat)
{
    const struct
    {
        PlaylistFormat format;
        QString path;
        QString message;
    } cases[] = {
        {PlaylistFormat::M3U, playlist("[playlist]\r\nFile1=a.mp3\r\n", "wrong.m3u"), "Bad M3U Format"},
        {PlaylistFormat::PLS, playlist("#EXTM3U\r\na.mp3\r\n", "wrong.pls"), "Bad PLS Format"},
        {PlaylistFormat::M3U, folder + "/missing.m3u", "Bad M3U Format"},
    };
    for (const auto& c : cases) {
        fake.prompt.shown.clear();
        import.importToCollection(c.path, c.format);
        import.importToQuery(c.path, c.format);
        EXPECT_EQ(fake.prompt.texts(), (QStringList{c.message, c.message}));
        EXPECT_EQ(fake.prompt.shown.front().icon, MessageIcon::Critical);
    }
    EXPECT_EQ(catalogue.TreeView1.count(), 0);
    EXPECT_TRUE(query.isEmpty());
    EXPECT_FALSE(frmfndupd.loaded);
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(PlaylistTransferTest, ImportsMediaEntriesIntoTheQueryList)
{
    test::writeWav(folder + "/ten.wav", {.bytesPerSecond = 176400, .dataBytes = 1764044 - test::WavHeaderBytes});
    test::writeWav(folder + "/half.wav", {.bytesPerSecond = 176400, .dataBytes = 1852200 - test::WavHeaderBytes});
    const QString path = playlist("[playlist]\r\nFile1=a.mp3\r\nFile2=notes.txt\r\nFile3=ten.wav\r\n"
                                  "File4=half.wav\r\nFile5=gone.mp3\r\n",
                                  "list.pls");
    import.importToQuery(path, PlaylistFormat::PLS);

    EXPECT_EQ(queryPaths(),
              (QStringList{folder + "/a.mp3", folder + "/ten.wav", folder + "/half.wav", folder + "/gone.mp3"}));
    EXPECT_EQ(query.row(1).Duration, "00:10");
    EXPECT_EQ(query.row(2).Duration, "00:10");
    EXPECT_EQ(query.row(3).Duration, "");
    const QString mount = SystemVolumeInfo().mountPointOf(folder);
    for (qsizetype i = 0; i < query.size(); ++i) {
        EXPECT_TRUE(query.row(i).Checked);
        EXPECT_EQ(query.row(i).Collection, mount);
    }
    EXPECT_EQ(catalogue.TreeView1.count(), 0);
    EXPECT_TRUE(fake.status.history.isEmpty());
}

} // namespace
} // namespace twinsweep
