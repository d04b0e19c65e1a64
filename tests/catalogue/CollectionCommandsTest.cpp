#include <gtest/gtest.h>

#include <QFileInfo>

#include "CollectionBuilder.h"
#include "CollectionTestSupport.h"
#include "FakeServices.h"

namespace twinsweep {
namespace {

using test::readBytes;
using test::scratchFile;

const QString SaveQuestion = "Collention has changed. Do you want to save changes?";

class CollectionCommandsTest : public ::testing::Test
{
protected:
    CollectionCommandsTest()
    {
        test::addVolume(catalogue, "Rock", {"a.mp3", "b.mp3"});
        catalogue.MarkCollectionChanged();
    }
    bool isEmpty() const { return catalogue.TreeView1.count() == 0 && catalogue.ListFiles.empty(); }

    test::FakeServices fake;
    test::RecordingRecent recent;
    Catalogue catalogue;
};

TEST_F(CollectionCommandsTest, NewAsksOnlyWhenChanged)
{
    catalogue.setCurrentCollectionPath("/somewhere/list.ztw");
    catalogue.setCollectionChanged(false);
    EXPECT_TRUE(Newlist_Click(catalogue, fake.services, recent));
    EXPECT_TRUE(fake.prompt.shown.empty());
    EXPECT_TRUE(isEmpty());
    EXPECT_EQ(catalogue.CurrentCollectionPath(), "") << "a new collection has no file";
    EXPECT_EQ(fake.status.current, "New collection");
}

TEST_F(CollectionCommandsTest, NewAsksTheSaveQuestion)
{
    fake.prompt.answers = {MessageAnswer::No};
    EXPECT_TRUE(Newlist_Click(catalogue, fake.services, recent));
    ASSERT_EQ(fake.prompt.shown.size(), 1u);
    const test::FakePrompt::Shown& question = fake.prompt.shown.front();
    EXPECT_EQ(question.text, SaveQuestion);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(question.defaultButton, 1);
    EXPECT_EQ(question.caption, "") << "the application's title";
    EXPECT_TRUE(isEmpty()) << "No empties without saving";
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_TRUE(fake.dialogs.titles.isEmpty());
}

TEST_F(CollectionCommandsTest, CancelKeepsEverything)
{
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(fake.services);
    fake.prompt.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(Newlist_Click(catalogue, fake.services, recent));
    EXPECT_EQ(catalogue.ListFiles.size(), 2u);
    EXPECT_EQ(catalogue.ListFiles2.size(), 2);
    EXPECT_TRUE(catalogue.CollectionChanged()) << "the Save button stays shown";
}

TEST_F(CollectionCommandsTest, YesSavesFirst)
{
    const QString path = scratchFile("yes.ztw");
    catalogue.setCurrentCollectionPath(path);
    fake.prompt.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(Newlist_Click(catalogue, fake.services, recent));
    EXPECT_TRUE(readBytes(path).startsWith("ZTW:/media/Rock1,12345,Rock\r\n"));
    EXPECT_TRUE(fake.dialogs.titles.isEmpty()) << "the current file is written without asking";
    EXPECT_TRUE(isEmpty());
    EXPECT_EQ(recent.paths, QStringList{path});
}

TEST_F(CollectionCommandsTest, YesWithoutASaveStopsTheNewCollection)
{
    // No file yet: the Save dialog opens; cancelled, or into a folder that does
    // not exist, nothing is emptied.
    for (const QString& answer : {QString(), QString(test::scratchRoot() + "/missing/x.ztw")}) {
        fake.prompt.answers = {MessageAnswer::Yes};
        fake.dialogs.answers = {answer};
        EXPECT_FALSE(Newlist_Click(catalogue, fake.services, recent)) << answer.toStdString();
        EXPECT_EQ(catalogue.ListFiles.size(), 2u);
        EXPECT_TRUE(catalogue.CollectionChanged());
    }
    EXPECT_EQ(fake.dialogs.titles, QStringList({"Save collection", "Save collection"}));
    EXPECT_EQ(fake.dialogs.filters, QStringList({"*.ztw", "*.ztw"}));
}

TEST_F(CollectionCommandsTest, OpenStopsWhenTheQuestionIsCancelledOrTheSaveFails)
{
    const QString other = scratchFile("other.ztw");
    test::writeBytes(other, "ZTW:/other1,1,Other\r\n");
    const std::vector<std::pair<MessageAnswer, QString>> stops{{MessageAnswer::Cancel, {}}, {MessageAnswer::Yes, {}}};
    for (const auto& [answer, dialog] : stops) {
        fake.prompt.answers = {answer};
        fake.dialogs.answers = {other, dialog};
        Load_Click(catalogue, fake.services, recent);
        EXPECT_EQ(catalogue.TreeView1.node(1).Text, "Rock");
        EXPECT_EQ(catalogue.ListFiles.size(), 2u);
        EXPECT_TRUE(catalogue.CollectionChanged());
    }
    EXPECT_EQ(fake.dialogs.titles.first(), "Open Collection");
    EXPECT_TRUE(recent.paths.isEmpty());

    fake.prompt.answers = {MessageAnswer::No};
    fake.dialogs.answers = {other};
    Load_Click(catalogue, fake.services, recent);
    EXPECT_EQ(catalogue.TreeView1.node(1).Text, "Other");
    EXPECT_TRUE(catalogue.ListFiles.empty());
    EXPECT_TRUE(fake.status.history.contains("Loading collection..."));
    EXPECT_EQ(fake.status.current, "Collection loaded");
}

TEST_F(CollectionCommandsTest, CancelledDialogsChangeNothing)
{
    Load_Click(catalogue, fake.services, recent);
    EXPECT_EQ(fake.status.current, "Canceled");
    EXPECT_TRUE(fake.prompt.shown.empty()) << "nothing is asked for an Open that was cancelled";
    EXPECT_EQ(catalogue.ListFiles.size(), 2u);

    EXPECT_FALSE(Save_Click(catalogue, fake.services, recent));
    EXPECT_EQ(fake.status.current, "Canceled");
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_EQ(catalogue.CurrentCollectionPath(), "");
}

TEST_F(CollectionCommandsTest, SaveAsksForAFileOnlyOnce)
{
    const QString path = scratchFile("once.ztw");
    fake.dialogs.answers = {path};
    EXPECT_TRUE(Save1_Click(catalogue, fake.services, recent));
    EXPECT_EQ(fake.dialogs.titles, QStringList{"Save collection"});

    test::addVolume(catalogue, "Jazz", {"c.mp3"});
    catalogue.MarkCollectionChanged();
    EXPECT_TRUE(Save1_Click(catalogue, fake.services, recent));
    EXPECT_EQ(fake.dialogs.titles.size(), 1) << "the second save writes without asking";
    EXPECT_TRUE(readBytes(path).contains("ZTW:/media/Jazz2,12345,Jazz\r\n"));
    EXPECT_EQ(recent.paths, QStringList({path, path}));
    EXPECT_EQ(fake.busy.timesBusy, 2);
    EXPECT_EQ(fake.busy.depth, 0);
}

} // namespace
} // namespace twinsweep
