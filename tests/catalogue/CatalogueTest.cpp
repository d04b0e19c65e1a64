#include <gtest/gtest.h>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "catalogue/Catalogue.h"

namespace twinsweep {
namespace {

using test::addVolume;
using test::FakeServices;

std::vector<qsizetype> tagsOf(const FileList& list)
{
    std::vector<qsizetype> tags;
    for (const ListRow& row : list.rows())
        tags.push_back(row.Tag);
    return tags;
}

class CatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        addVolume(catalogue, "Rock", {"a.mp3", "b.mp3"});
        addVolume(catalogue, "Jazz", {"c.mp3"});
        addVolume(catalogue, "Pop", {"d.mp3", "e.mp3"});
    }
    Catalogue catalogue;
    FakeServices fake;
};

TEST_F(CatalogueTest, ClickNODFillsTheSelectedVolumeWithMasterPositionsAsTags)
{
    catalogue.TreeView1.select(3);
    catalogue.ClickNOD(fake.services);
    EXPECT_EQ(tagsOf(catalogue.ListFiles2), (std::vector<qsizetype>{4, 5}));
    EXPECT_EQ(catalogue.ListFiles2.text(0, 0), "d.mp3");
    EXPECT_EQ(catalogue.ListFiles2.text(1, int(Field::NodeNR)), "3");
    EXPECT_EQ(fake.status.history.first(), "Reading collection's data... Please wait...");
    EXPECT_EQ(fake.status.current, "Done");
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_EQ(fake.busy.timesBusy, 1);
}

TEST_F(CatalogueTest, ClickNODReturnsAtOnceForTheShownVolumeUnlessUpdating)
{
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(fake.services);
    fake.status.history.clear();

    catalogue.ClickNOD(fake.services);
    EXPECT_TRUE(fake.status.history.isEmpty()) << "same volume shown: nothing happens";

    catalogue.UpdatevolumeTag = "1";
    catalogue.ClickNOD(fake.services);
    EXPECT_EQ(fake.status.current, "Done");
    EXPECT_EQ(catalogue.ListFiles2.size(), 2);

    catalogue.UpdatevolumeTag.clear();
    catalogue.ListFiles2.clear();
    fake.status.history.clear();
    catalogue.ClickNOD(fake.services);
    EXPECT_EQ(catalogue.ListFiles2.size(), 2) << "an emptied list is refilled";
}

TEST_F(CatalogueTest, ClickNODWithoutSelectionOrFilesLeavesStatusAlone)
{
    catalogue.ClickNOD(fake.services);
    EXPECT_TRUE(fake.status.history.isEmpty());

    const int empty = addVolume(catalogue, "Empty", {});
    catalogue.TreeView1.select(empty);
    catalogue.ClickNOD(fake.services);
    EXPECT_TRUE(catalogue.ListFiles2.isEmpty());
    fake.status.history.clear();
    catalogue.ClickNOD(fake.services);
    EXPECT_EQ(fake.status.current, "Done") << "an empty volume is refilled on every click";
}

TEST_F(CatalogueTest, RefreshingWithNoVolumeSelectedEmptiesTheFileList)
{
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(fake.services);
    ASSERT_EQ(catalogue.ListFiles2.size(), 2);
    catalogue.TreeView1.select(0);
    catalogue.RefreshVolumeFileList(fake.services);
    EXPECT_TRUE(catalogue.ListFiles2.isEmpty());
}

TEST_F(CatalogueTest, ClickNODReportsProgressWhenItYields)
{
    for (int i = 0; i < 200000; ++i)
        catalogue.ListFiles.push_back(test::makeRecord("x.mp3", "/x/", 2));
    int lastPercent = -1;
    fake.pump.onProcessEvents = [&] {
        const QString text = fake.status.current;
        ASSERT_TRUE(text.startsWith("Reading collection's data... ") && text.endsWith("% done.")) << text.toStdString();
        lastPercent = text.section(' ', 3, 3).chopped(1).toInt();
    };
    catalogue.TreeView1.select(2);
    catalogue.ClickNOD(fake.services);
    EXPECT_EQ(catalogue.ListFiles2.size(), 200001);
    EXPECT_LE(lastPercent, 100);
}

TEST_F(CatalogueTest, RowWithDamagedNodeNumberBelongsToNoVolume)
{
    FileRecord damaged = test::makeRecord("bad.mp3", "/x/", 1);
    damaged.setValue(Field::NodeNR, "one");
    catalogue.ListFiles.push_back(damaged);
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(fake.services);
    EXPECT_EQ(tagsOf(catalogue.ListFiles2), (std::vector<qsizetype>{1, 2}));
}

struct RenameCase
{
    const char* newName;
    bool cancelled;
    const char* message;
};

void PrintTo(const RenameCase& c, std::ostream* out)
{
    *out << "renamed to \"" << c.newName << '"';
}

class RenameTest : public CatalogueTest, public ::testing::WithParamInterface<RenameCase>
{};

TEST_P(RenameTest, AcceptsOnlyNewNonEmptyNames)
{
    const RenameCase& c = GetParam();
    EXPECT_EQ(catalogue.TreeView1_AfterLabelEdit(fake.prompt, 1, c.newName), c.cancelled);
    EXPECT_EQ(fake.prompt.texts(), c.message ? QStringList{c.message} : QStringList{});
    EXPECT_EQ(catalogue.TreeView1.node(1).Text, c.cancelled ? "Rock" : c.newName);
    EXPECT_EQ(catalogue.CollectionChanged(), !c.cancelled) << "the Save buttons show after a rename";
    if (c.message) {
        EXPECT_EQ(fake.prompt.shown.front().icon, MessageIcon::Exclamation);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, RenameTest,
                         ::testing::Values(RenameCase{"Jazz", true, "Collection with this name already exists."},
                                           RenameCase{"Rock", true, "Collection with this name already exists."},
                                           RenameCase{"jazz", false, nullptr}, RenameCase{"Blues", false, nullptr},
                                           RenameCase{"", true, "Please enter collection name."}));

TEST_F(CatalogueTest, DroppingMasterRowsKeepsEveryListPointingAtItsOwnFile)
{
    catalogue.TreeView1.select(3);
    catalogue.ClickNOD(fake.services); // tags 4, 5
    catalogue.Duplicates.assign({{1, "Rock"}, {3, "Jazz"}, {5, "Pop"}, {2, "Rock"}});

    catalogue.DropCollectionRows({3, 1, 3});

    ASSERT_EQ(catalogue.ListFiles.size(), 3u);
    EXPECT_EQ(tagsOf(catalogue.ListFiles2), (std::vector<qsizetype>{2, 3}));
    EXPECT_EQ(catalogue.ListFiles2.text(0, 0), "d.mp3");
    EXPECT_EQ(tagsOf(catalogue.Duplicates), (std::vector<qsizetype>{3, 1}));
    EXPECT_EQ(catalogue.Duplicates.text(0, 0), "e.mp3");
    EXPECT_EQ(catalogue.Duplicates.text(1, 0), "b.mp3");
    EXPECT_EQ(catalogue.Duplicates.text(1, int(Field::NodeNR)), "Rock");
}

} // namespace
} // namespace twinsweep
