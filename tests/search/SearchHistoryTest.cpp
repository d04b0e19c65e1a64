#include <gtest/gtest.h>

#include "ScratchFiles.h"
#include "SearchTestSupport.h"

namespace twinsweep {
namespace {

TEST(SearchHistoryTest, ReadsEveryNonEmptyLine)
{
    const QString path = test::freshFolder("history") + "/searched.mru";
    struct Case
    {
        QByteArray file;
        QStringList items;
    };
    const QList<Case> cases{
        {"love\r\n\r\n   \r\nrock\r\n", {"love", "   ", "rock"}},
        {"unix\nlines\n\nlast", {"unix", "lines", "last"}},
        {"caf\xe9\r\n", {QString::fromUtf8("café")}},
        {"", {}},
    };
    const SearchHistory history(path);
    test::PlainTermList items;
    items.AddItem("stale");
    for (const Case& c : cases) {
        test::writeFile(path, c.file);
        history.reload(items);
        EXPECT_EQ(items.items, c.items) << c.file.toStdString();
    }
}

TEST(SearchHistoryTest, AMissingFileGivesNoItemsAndTheFirstTermMakesIt)
{
    const QString path = test::freshFolder("history") + "/data/twinsweep/searched.mru";
    const SearchHistory history(path);
    test::PlainTermList items;
    history.read(items);
    EXPECT_TRUE(items.items.isEmpty());
    history.remember(items, "first");
    EXPECT_EQ(items.items, QStringList{"first"});
    EXPECT_EQ(test::readFile(path), "first\r\n");
}

TEST(SearchHistoryTest, AppendingNeverJoinsTheLastLineOfAnEditedFile)
{
    const QString path = test::freshFolder("history") + "/searched.mru";
    test::writeFile(path, "old");
    const SearchHistory history(path);
    test::PlainTermList items;
    history.read(items);
    history.remember(items, "new");
    history.remember(items, "two\nlines");
    EXPECT_EQ(test::readFile(path), "old\r\nnew\r\ntwo lines\r\n");
}

TEST(SearchHistoryTest, AnUnwritableFileStillListsTheTerm)
{
    const QString folder = test::freshFolder("history");
    test::writeFile(folder + "/searched.mru/blocker", "a folder where the file should be");
    const SearchHistory history(folder + "/searched.mru");
    test::PlainTermList items;
    history.remember(items, "kept");
    EXPECT_EQ(items.items, QStringList{"kept"});
}

} // namespace
} // namespace twinsweep
