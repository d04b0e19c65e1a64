#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <deque>

#include "FakeServices.h"
#include "FakeVolumeInfo.h"
#include "MediaFolder.h"
#include "ScanFakes.h"
#include "TestEnvironment.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MainScanner.h"
#include "catalogue/MediaFileReader.h"
#include "catalogue/VolumeAdder.h"
#include "catalogue/VolumeUpdater.h"
#include "catalogue/cDirEx.h"
#include "platform/Mp3TagReader.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

const QString CantFind = "Can't find source! Please check is device connected or cd is inserted.";

TEST(VolumeSourcePathTest, TheKeyLessTheDigitsOfTheIndex)
{
    struct Case
    {
        QString key;
        int index;
        QString source;
    };
    const Case cases[]{
        {"/media/ann/Music2", 2, "/media/ann/Music/"},
        {"/media/CD11", 1, "/media/CD1/"},
        {"/srv/Rock12", 12, "/srv/Rock/"},
        {"/1", 1, "/"},
        {"7", 17, "/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VolumeSourcePath(c.key, c.index), c.source) << qPrintable(c.key);
}

TEST(MovedVolumeCandidatesTest, TrailingPartsLongestFirstUnderEveryMountRootLast)
{
    const QStringList mounts{"/", "/mnt/usb", "/media/bob"};
    EXPECT_EQ(MovedVolumeCandidates("/media/ann/DISC_1/Rock/", mounts, false),
              (QStringList{"/mnt/usb/media/ann/DISC_1/Rock/", "/media/bob/media/ann/DISC_1/Rock/",
                           "/mnt/usb/ann/DISC_1/Rock/", "/media/bob/ann/DISC_1/Rock/", "/ann/DISC_1/Rock/",
                           "/mnt/usb/DISC_1/Rock/", "/media/bob/DISC_1/Rock/", "/DISC_1/Rock/", "/mnt/usb/Rock/",
                           "/media/bob/Rock/", "/Rock/"}))
        << "the source itself is never offered";
    EXPECT_TRUE(MovedVolumeCandidates("/media/ann/DISC_1/", mounts, true).isEmpty());
    EXPECT_TRUE(MovedVolumeCandidates("/", mounts, false).isEmpty());
    EXPECT_EQ(MovedVolumeCandidates("/a/b/", {"/x", "/x/b"}, false).size(), 4)
        << "the same place reached twice is offered once";
}

class VolumeUpdaterTest : public ::testing::Test
{
protected:
    VolumeUpdaterTest()
    {
        base = test::makeMediaFolder({"one/a.mp3", "one/b.mp3", "two/c.mp3", "three/d.mp3", "three/e.wav"});
        volumes.mount(base, 77);
        for (const char* name : {"one", "two", "three"}) {
            adder.AddVolume(base + "/" + name + "/");
        }
        catalogue.setCollectionChanged(false);
        fake.status.current = "before";
    }
    QStringList rows() const
    {
        QStringList paths;
        for (const FileRecord& record : catalogue.ListFiles)
            paths << record.fullPath().mid(base.size() + 1) + "@" + record.value(Field::NodeNR);
        return paths;
    }
    void update(int index, std::deque<MessageAnswer> answers)
    {
        catalogue.TreeView1.select(index);
        fake.prompt.answers = std::move(answers);
        fake.prompt.shown.clear();
        updater.Updatevolume_Click();
    }

    test::FakeServices fake;
    Catalogue catalogue;
    test::FakeVolumeInfo volumes;
    cDirEx DirEx{fake.pump};
    Mp3TagReader tagReader;
    QueryList query;
    MediaFileReader reader{catalogue, query, tagReader, fake.services};
    test::FakeScanningWindow frmfndupd;
    MainScanner scanner{fake.services, DirEx, reader, frmfndupd};
    test::TestStopFlag StopFlag;
    struct NoNameWindow : CollectionNameWindow
    {
        void SetName(const QString&) override {}
        QString showModal() override { return {}; }
    } Form4;
    VolumeAdder adder{catalogue, fake.services, scanner, volumes, StopFlag, Form4};
    VolumeUpdater updater{catalogue, fake.services, scanner, volumes, StopFlag};
    QString base;
};

TEST_F(VolumeUpdaterTest, UpdatedRowsComeLastWithTheVolumesNumberAndResultTagsFollow)
{
    QFile::remove(base + "/one/a.mp3");
    QFile::copy(base + "/one/b.mp3", base + "/one/new.mp3");
    catalogue.Duplicates.assign({{1, "Colection1", 192, true}, {3, "two", 192, false}, {5, "three", 255, false}});
    StopFlag.stop = true;

    update(1, {MessageAnswer::Yes});

    EXPECT_EQ(rows(), (QStringList{"two/c.mp3@2", "three/d.mp3@3", "three/e.wav@3", "one/b.mp3@1", "one/new.mp3@1"}));
    ASSERT_EQ(fake.prompt.shown.size(), 1u);
    EXPECT_EQ(fake.prompt.shown[0].text, "Do you want to update selected volume?");
    EXPECT_EQ(fake.prompt.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(fake.prompt.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fake.prompt.shown[0].defaultButton, 2);
    EXPECT_EQ(fake.status.current, "2 Item(s) added");
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_TRUE(catalogue.UpdatevolumeTag.isEmpty());
    EXPECT_FALSE(frmfndupd.loaded);

    // Every result row still names its own file; the rows of the old files are gone.
    ASSERT_EQ(catalogue.Duplicates.size(), 2);
    EXPECT_EQ(catalogue.Duplicates.text(0, 0), "c.mp3");
    EXPECT_EQ(catalogue.Duplicates.text(1, 0), "e.wav");
    ASSERT_EQ(catalogue.ListFiles2.size(), 2);
    EXPECT_EQ(catalogue.ListFiles2.text(0, 0), "b.mp3");
}

TEST_F(VolumeUpdaterTest, NoChangesNothing)
{
    const QStringList before = rows();
    update(2, {MessageAnswer::No});
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(fake.status.current, "before");
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_TRUE(catalogue.UpdatevolumeTag.isEmpty());
}

TEST_F(VolumeUpdaterTest, AnEmptiedFolderLeavesAnEmptyVolume)
{
    QFile::remove(base + "/two/c.mp3");
    update(2, {MessageAnswer::Yes});
    EXPECT_EQ(rows(), (QStringList{"one/a.mp3@1", "one/b.mp3@1", "three/d.mp3@3", "three/e.wav@3"}));
    EXPECT_EQ(fake.status.current, "0 Item(s) added");
    EXPECT_EQ(catalogue.TreeView1.count(), 3);
}

TEST_F(VolumeUpdaterTest, AVolumeMovedToAnotherMountIsOfferedAndFollowed)
{
    const QString other = test::makeMediaFolder({});
    volumes.mount(other, 99);
    ASSERT_TRUE(QDir().rename(base + "/two", other + "/two"));

    update(2, {MessageAnswer::Yes, MessageAnswer::Yes});

    ASSERT_EQ(fake.prompt.shown.size(), 2u);
    EXPECT_EQ(fake.prompt.shown[1].text, "Twinsweep has detected that your volume source path " + base +
                                             "/two/ could be moved to " + other +
                                             "/two/ Do you want to update volume with this new location?");
    EXPECT_EQ(fake.prompt.shown[1].defaultButton, 1);
    EXPECT_EQ(catalogue.TreeView1.node(2).Tag, "99");
    EXPECT_EQ(catalogue.TreeView1.node(2).Key, other + "/two2");
    ASSERT_EQ(catalogue.ListFiles.size(), 5u);
    EXPECT_EQ(catalogue.ListFiles.back().fullPath(), other + "/two/c.mp3");
    EXPECT_EQ(fake.status.current, "1 Item(s) added");
}

TEST_F(VolumeUpdaterTest, AnotherMediumAtTheSamePlaceIsNotPresent)
{
    volumes.mount(base, 78); // the folder is there, but on another medium
    const QString other = test::makeMediaFolder({"two/c.mp3"});
    volumes.mount(other, 99);
    update(2, {MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_EQ(catalogue.TreeView1.node(2).Key, other + "/two2");
}

TEST_F(VolumeUpdaterTest, DecliningEveryOfferChangesNothing)
{
    const QString first = test::makeMediaFolder({"two/x.mp3"});
    const QString second = test::makeMediaFolder({"two/y.mp3"});
    volumes.mount(first, 98);
    volumes.mount(second, 99);
    QDir(base + "/two").removeRecursively();
    const QStringList before = rows();
    const VolumeNode node = catalogue.TreeView1.node(2);

    update(2, {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No});

    ASSERT_EQ(fake.prompt.shown.size(), 4u);
    EXPECT_TRUE(
        fake.prompt.shown[1].text.endsWith(first + "/two/ Do you want to update volume with this new location?"));
    EXPECT_TRUE(
        fake.prompt.shown[2].text.endsWith(second + "/two/ Do you want to update volume with this new location?"));
    EXPECT_EQ(fake.prompt.shown[3].text, CantFind);
    EXPECT_EQ(fake.prompt.shown[3].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fake.status.current, CantFind);
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(catalogue.TreeView1.node(2), node);
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_TRUE(catalogue.UpdatevolumeTag.isEmpty());
}

TEST_F(VolumeUpdaterTest, AVolumeThatWasAMountPointGetsNoOffer)
{
    volumes.mount(base + "/two", 55);
    const QString other = test::makeMediaFolder({"two/c.mp3"});
    volumes.mount(other, 99);
    update(2, {MessageAnswer::Yes});
    ASSERT_EQ(fake.prompt.shown.size(), 2u);
    EXPECT_EQ(fake.prompt.shown[1].text, CantFind);
}

} // namespace
} // namespace twinsweep
