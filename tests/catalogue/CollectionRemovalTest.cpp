#include <gtest/gtest.h>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CollectionRemoval.h"

namespace twinsweep {
namespace {

using test::addVolume;

std::vector<qsizetype> tagsOf(const FileList& list)
{
    std::vector<qsizetype> tags;
    for (const ListRow& row : list.rows())
        tags.push_back(row.Tag);
    return tags;
}

QStringList namesOf(const FileList& list)
{
    QStringList names;
    for (qsizetype row = 0; row < list.size(); ++row)
        names << list.text(row, int(Field::Filename));
    return names;
}

QStringList nodeNumbersOf(const Catalogue& catalogue)
{
    QStringList numbers;
    for (const FileRecord& record : catalogue.ListFiles)
        numbers << record.value(Field::NodeNR);
    return numbers;
}

/// Puts every master row into the result list, named by its volume and coloured by its position.
void fillResults(Catalogue& catalogue)
{
    std::vector<ListRow> rows;
    for (qsizetype tag = 1; tag <= qsizetype(catalogue.ListFiles.size()); ++tag) {
        const FileRecord& record = catalogue.ListFiles[size_t(rowFromTag(tag))];
        rows.push_back({tag, catalogue.TreeView1.node(record.nodeNumber()).Text, ColorValue(tag * 100), tag == 1});
    }
    catalogue.Duplicates.assign(std::move(rows));
}

class VolumeRemovalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        addVolume(catalogue, "Rock", {"a.mp3", "b.mp3"});
        addVolume(catalogue, "Jazz", {"c.mp3", "d.mp3"});
        addVolume(catalogue, "Pop", {"e.mp3"});
        fillResults(catalogue);
    }
    void showVolume(int index)
    {
        catalogue.TreeView1.select(index);
        catalogue.ClickNOD(fake.services);
    }
    Catalogue catalogue;
    test::FakeServices fake;
};

TEST_F(VolumeRemovalTest, RemovingAMiddleVolumeMovesTheLaterOnesUp)
{
    showVolume(2);
    fake.prompt.answers = {MessageAnswer::Yes};
    delnode_Click(catalogue, fake.services);

    ASSERT_EQ(fake.prompt.shown.size(), 1u);
    const auto& question = fake.prompt.shown.front();
    EXPECT_EQ(question.text, "Do you want to remove selected volume?");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultButton, 2);

    EXPECT_EQ(nodeNumbersOf(catalogue), (QStringList{"1", "1", "2"}));
    ASSERT_EQ(catalogue.TreeView1.count(), 2);
    EXPECT_EQ(catalogue.TreeView1.node(2).Text, "Pop");
    EXPECT_EQ(catalogue.TreeView1.selectedIndex(), 2) << "the last volume is selected";
    EXPECT_EQ(namesOf(catalogue.ListFiles2), QStringList{"e.mp3"});
    EXPECT_EQ(tagsOf(catalogue.ListFiles2), std::vector<qsizetype>{3});

    // The removed volume's results are gone; the others point at their files still.
    EXPECT_EQ(namesOf(catalogue.Duplicates), (QStringList{"a.mp3", "b.mp3", "e.mp3"}));
    EXPECT_EQ(tagsOf(catalogue.Duplicates), (std::vector<qsizetype>{1, 2, 3}));
    EXPECT_EQ(catalogue.Duplicates.row(2).Collection, "Pop");
    EXPECT_EQ(catalogue.Duplicates.row(2).ForeColor, 500u);

    EXPECT_EQ(fake.status.current, "Collection removed");
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(VolumeRemovalTest, RemovingTheLastRemainingVolumeEmptiesEverything)
{
    for (int removed = 0; removed < 3; ++removed) {
        fake.prompt.answers = {MessageAnswer::Yes};
        if (catalogue.TreeView1.selectedIndex() == 0)
            catalogue.TreeView1.select(1);
        delnode_Click(catalogue, fake.services);
    }
    EXPECT_EQ(catalogue.TreeView1.count(), 0);
    EXPECT_EQ(catalogue.TreeView1.selectedIndex(), 0);
    EXPECT_TRUE(catalogue.ListFiles.empty());
    EXPECT_TRUE(catalogue.ListFiles2.isEmpty());
    EXPECT_TRUE(catalogue.Duplicates.isEmpty());
    EXPECT_EQ(fake.status.current, "Collection removed");
}

TEST_F(VolumeRemovalTest, NothingChangesWithoutYesOrWithoutASelectedVolume)
{
    showVolume(1);
    fake.status.history.clear();
    fake.prompt.answers = {MessageAnswer::No};
    delnode_Click(catalogue, fake.services);
    EXPECT_EQ(catalogue.TreeView1.count(), 3);
    EXPECT_TRUE(fake.status.history.isEmpty());

    catalogue.TreeView1.select(0);
    fake.prompt.answers = {MessageAnswer::Yes};
    delnode_Click(catalogue, fake.services);
    EXPECT_EQ(fake.status.current, "Error...");
    EXPECT_EQ(catalogue.TreeView1.count(), 3);
    EXPECT_EQ(catalogue.ListFiles.size(), 5u);
    EXPECT_EQ(catalogue.ListFiles2.size(), 2);
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.busy.timesBusy, 1) << "only the refill above was busy";
}

TEST(VolumeKeysTest, KeysFollowTheNewIndexAndStayUnique)
{
    struct Case
    {
        const char* what;
        QString keys;
        int removed;
        QString expected;
    };
    const Case cases[]{
        {"same folder three times", "/m1 /m2 /m3", 2, "/m1 /m2"},
        {"first removed", "/a1 /b2 /c3", 1, "/b1 /c2"},
        {"Index of two digits", "/1 /2 /3 /4 /5 /6 /7 /8 /9 /x10 /y11", 3, "/1 /2 /3 /4 /5 /6 /7 /8 /x9 /y10"},
        {"would repeat an earlier Key", "/a2 /b2 /a3", 2, "/a2 /a3"},
        {"Key not ending with its Index", "/a1 /b2 /c7", 1, "/b1 /c7"},
    };
    for (const Case& c : cases) {
        Catalogue catalogue;
        for (const QString& key : c.keys.split(' '))
            catalogue.TreeView1.add({key, "1", key});
        catalogue.TreeView1.select(c.removed);
        test::FakeServices fake;
        fake.prompt.answers = {MessageAnswer::Yes};
        delnode_Click(catalogue, fake.services);
        QStringList keys;
        for (const VolumeNode& node : catalogue.TreeView1.nodes())
            keys << node.Key;
        EXPECT_EQ(keys.join(' ').toStdString(), c.expected.toStdString()) << c.what;
    }
}

class FileRemovalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        addVolume(catalogue, "Rock", {"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
        addVolume(catalogue, "Jazz", {"e.mp3", "f.mp3", "g.mp3", "h.mp3"});
        catalogue.TreeView1.select(2);
        catalogue.ClickNOD(fake.services);
        catalogue.Duplicates.assign({{2, "Rock"}, {6, "Jazz"}, {8, "Jazz"}});
        fake.status.history.clear();
    }
    Catalogue catalogue;
    test::FakeServices fake;
};

TEST_F(FileRemovalTest, RemovingSelectedVolumeFilesLowersTheTagsInBothLists)
{
    ASSERT_EQ(tagsOf(catalogue.ListFiles2), (std::vector<qsizetype>{5, 6, 7, 8}));
    fake.prompt.answers = {MessageAnswer::Yes};
    removefl1_Click(catalogue, fake.services, {1, 2});

    EXPECT_EQ(fake.prompt.texts(), QStringList{"Do you want to remove selected file(s) from collection?"});
    EXPECT_EQ(fake.prompt.shown.front().defaultButton, 2);
    EXPECT_EQ(catalogue.ListFiles.size(), 6u);
    EXPECT_EQ(tagsOf(catalogue.ListFiles2), (std::vector<qsizetype>{5, 6}));
    EXPECT_EQ(namesOf(catalogue.ListFiles2), (QStringList{"e.mp3", "h.mp3"}));
    EXPECT_EQ(tagsOf(catalogue.Duplicates), (std::vector<qsizetype>{2, 6}));
    EXPECT_EQ(namesOf(catalogue.Duplicates), (QStringList{"b.mp3", "h.mp3"}));
    EXPECT_TRUE(fake.status.history.contains("Removing file: f.mp3")) << fake.status.history.join('|').toStdString();
    EXPECT_EQ(fake.status.current, "Done");
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(FileRemovalTest, SelectingEveryRowRemovesExactlyThoseFiles)
{
    fake.prompt.answers = {MessageAnswer::Yes};
    removefl1_Click(catalogue, fake.services, {0, 1, 2, 3});
    EXPECT_TRUE(catalogue.ListFiles2.isEmpty());
    QStringList left;
    for (const FileRecord& record : catalogue.ListFiles)
        left << record.value(Field::Filename);
    EXPECT_EQ(left, (QStringList{"a.mp3", "b.mp3", "c.mp3", "d.mp3"}));
}

TEST_F(FileRemovalTest, NoRemovesNothingButStillMarksTheCollectionChanged)
{
    fake.prompt.answers = {MessageAnswer::No};
    removefl1_Click(catalogue, fake.services, {0});
    EXPECT_EQ(catalogue.ListFiles.size(), 8u);
    EXPECT_EQ(catalogue.ListFiles2.size(), 4);
    EXPECT_EQ(fake.status.current, "Done");
    EXPECT_TRUE(catalogue.CollectionChanged());

    fake.prompt.answers = {MessageAnswer::No};
    removefrmc_Click(catalogue, fake.services, {0});
    EXPECT_EQ(catalogue.ListFiles.size(), 8u);
    EXPECT_TRUE(fake.status.history.contains("Reading collection's data... Please wait..."))
        << "the volume file list is refilled whatever the answer";
    EXPECT_EQ(catalogue.ListFiles2.size(), 4);
    EXPECT_EQ(fake.status.current, "Done");
}

TEST_F(FileRemovalTest, RemovingResultsTakesTheFilesOutOfEveryList)
{
    fake.prompt.answers = {MessageAnswer::Yes};
    removefrmc_Click(catalogue, fake.services, {1});

    EXPECT_EQ(fake.prompt.texts(), QStringList{"Do you want to remove selected file(s) from collection?"});
    EXPECT_EQ(tagsOf(catalogue.Duplicates), (std::vector<qsizetype>{2, 7}));
    EXPECT_EQ(namesOf(catalogue.Duplicates), (QStringList{"b.mp3", "h.mp3"}));
    EXPECT_EQ(namesOf(catalogue.ListFiles2), (QStringList{"e.mp3", "g.mp3", "h.mp3"}));
    EXPECT_EQ(tagsOf(catalogue.ListFiles2), (std::vector<qsizetype>{5, 6, 7}));
    EXPECT_TRUE(fake.status.history.contains("Removing file: f.mp3"));
    EXPECT_EQ(fake.status.current, "Done");
    EXPECT_TRUE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.busy.depth, 0);
}

} // namespace
} // namespace twinsweep
