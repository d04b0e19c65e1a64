#include <gtest/gtest.h>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "queue/QueryList.h"
#include "shell/ListClearing.h"

namespace twinsweep {
namespace {

TEST(ListClearingTest, ClearsOnlyTheListInTheLowerPane)
{
    struct Case
    {
        LowerList shown;
        qsizetype resultRowsLeft;
        qsizetype queryRowsLeft;
        const char* queryTag;
    };
    const Case cases[]{
        {LowerList::Duplicates, 0, 2, "2"},
        {LowerList::Query, 1, 0, "1"},
    };
    for (const Case& c : cases) {
        Catalogue catalogue;
        test::addVolume(catalogue, "Rock", {"a.mp3"});
        catalogue.Duplicates.assign({{1, "Rock", 0, true}});
        QueryList query;
        query.append({"a.mp3", "/music/", "03:00", "Rock", true});
        query.append({"b.mp3", "/music/", "03:00", "Rock", false});
        query.setTag("2");
        test::FakeStatus status;
        catalogue.showLowerList(c.shown);

        ClearList_Click(catalogue, query, status);
        EXPECT_EQ(catalogue.Duplicates.size(), c.resultRowsLeft);
        EXPECT_EQ(query.size(), c.queryRowsLeft);
        EXPECT_EQ(query.Tag(), c.queryTag) << "the query list plays from its first row again";
        EXPECT_EQ(status.current, "List cleared");
        EXPECT_EQ(catalogue.ListFiles.size(), 1u) << "the collection keeps its files";
    }
}

} // namespace
} // namespace twinsweep
