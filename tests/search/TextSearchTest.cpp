#include <gtest/gtest.h>

#include <QFile>

#include "ScratchFiles.h"
#include "SearchTestSupport.h"
#include "search/TextSearch.h"
#include "search/WebSearch.h"

namespace twinsweep {
namespace {

struct FileTexts
{
    QString filename;
    QString title{};
    QString artist{};
};

class TextSearchTest : public ::testing::Test
{
protected:
    TextSearchTest() : history(test::freshFolder("history") + "/searched.mru") {}

    /// Adds a volume holding the files, with the given titles and artists.
    int addVolume(const QString& name, const QList<FileTexts>& files)
    {
        QStringList names;
        for (const FileTexts& file : files)
            names << file.filename;
        const qsizetype first = qsizetype(bench.catalogue.ListFiles.size());
        const int node = test::addVolume(bench.catalogue, name, names);
        for (qsizetype i = 0; i < files.size(); ++i) {
            FileRecord& record = bench.catalogue.ListFiles[size_t(first + i)];
            record.setValue(Field::Title, files[i].title);
            record.setValue(Field::Artist, files[i].artist);
        }
        return node;
    }
    void search(const TextSearchChoices& choices)
    {
        findNAME(bench.context, choices, {nam, history, &bench.fake.desktop});
    }
    void search(const QString& term) { search(TextSearchChoices{term}); }

    test::SearchBench bench;
    test::PlainTermList nam;
    SearchHistory history;
    QList<QUrl>& opened = bench.fake.desktop.opened;
};

TEST_F(TextSearchTest, FindsTheTermAsTyped)
{
    addVolume("Rock", {{"my love.mp3"},
                       {"love.mp3"},
                       {"Glove.mp3"},
                       {"Love song.mp3", "Love song"},
                       {"track 1.mp3", "", "Lovers"},
                       {"track 2.mp3", "Glow"}});
    struct Case
    {
        QString term;
        bool matchCase;
        bool fast;
        QStringList found;
    };
    const QList<Case> cases{
        {" love", false, false, {"my love.mp3"}},
        {"LOVE", false, false, {"my love.mp3", "love.mp3", "Glove.mp3", "Love song.mp3", "track 1.mp3"}},
        {"LOVE", true, false, {}},
        {"Love", true, false, {"Love song.mp3", "track 1.mp3"}},
        {"lo", false, true, {"love.mp3", "Love song.mp3"}},
        {"xyz", false, true, {}},
        {"glow", false, false, {"track 2.mp3"}},
    };
    for (const Case& c : cases) {
        search({c.term, true, false, false, c.matchCase, c.fast});
        EXPECT_EQ(bench.resultNames(), c.found) << c.term.toStdString() << (c.fast ? " fast" : "");
        EXPECT_EQ(bench.fake.status.current, QString::number(c.found.size()) + " item(s) found.");
    }
}

TEST_F(TextSearchTest, ACompletedSearchShowsItsUncheckedHitsAndGivesTheWindowBack)
{
    addVolume("Rock", {{"a.mp3"}, {"b.mp3"}});
    const int pop = addVolume("Pop", {{"b2.mp3"}, {"c.mp3"}});
    bench.catalogue.Duplicates.append(ListRow{1, "Rock", 255, true});
    bench.window.setControlsEnabled(false);
    bench.fake.busy.setBusy(true);
    bench.catalogue.TreeView1.select(pop);
    bench.catalogue.ClickNOD(bench.fake.services);

    search({"B", false, true, false, false, true});
    ASSERT_EQ(bench.resultNames(), QStringList{"b2.mp3"});
    const ListRow& hit = bench.catalogue.Duplicates.row(0);
    EXPECT_EQ(hit.Tag, 3) << "the Tag is the file's position in ListFiles";
    EXPECT_EQ(hit.Collection, "Pop");
    EXPECT_FALSE(hit.Checked);
    EXPECT_EQ(bench.resultsShown, 1);
    EXPECT_FALSE(bench.fake.status.progressVisible);
    EXPECT_EQ(bench.fake.busy.depth, 0);
    EXPECT_TRUE(bench.window.controlsEnabled());
    EXPECT_FALSE(bench.window.stopRequested());
    EXPECT_TRUE(bench.fake.status.history.contains("Seaching for name. Please wait..."));
}

TEST_F(TextSearchTest, ABlankTermSearchesNothing)
{
    addVolume("Rock", {{"a b.mp3"}});
    bench.catalogue.Duplicates.append(ListRow{1, "Rock"});
    for (const QString& term : {QString(), QString("   ")}) {
        search(term);
        EXPECT_EQ(bench.catalogue.Duplicates.size(), 1) << "the result list keeps its rows";
        EXPECT_EQ(bench.fake.status.current, "0 item(s) found.");
    }
    EXPECT_EQ(bench.resultsShown, 2);
    EXPECT_TRUE(nam.items.isEmpty());
    EXPECT_FALSE(QFile::exists(history.filePath()));
}

TEST_F(TextSearchTest, AStopKeepsTheHitsFoundSoFar)
{
    addVolume("Rock", {{"k1.mp3"}, {"x.mp3"}, {"k2.mp3"}, {"k3.mp3"}, {"k4.mp3"}, {"k5.mp3"}});
    bench.cancelAfter(3);
    search("k");
    EXPECT_EQ(bench.resultNames(), (QStringList{"k1.mp3", "k2.mp3", "k3.mp3"}));
    EXPECT_EQ(bench.fake.status.current, "Canceled 3 item(s) found.");
    EXPECT_EQ(bench.resultsShown, 0) << "the main window's view stays as it was";
    EXPECT_FALSE(bench.window.stopRequested());
    EXPECT_FALSE(bench.fake.status.progressVisible);
}

TEST_F(TextSearchTest, NewTermsGoToTheHistoryOnce)
{
    addVolume("Rock", {{"love.mp3"}});
    for (const char* term : {"love", "Love", " love", "LOVE", "rock"})
        search(term);
    const QStringList expected{"love", " love", "rock"};
    EXPECT_EQ(nam.items, expected);
    EXPECT_EQ(test::readFile(history.filePath()), "love\r\n love\r\nrock\r\n");

    test::PlainTermList reread;
    history.read(reread);
    EXPECT_EQ(reread.items, expected);
}

TEST_F(TextSearchTest, OnWebHandsTheTermToTheSite)
{
    addVolume("Rock", {{"two words.mp3"}});
    bench.catalogue.Duplicates.append(ListRow{1, "Rock"});
    bench.window.setControlsEnabled(false);
    struct Case
    {
        QString term;
        QByteArray ending;
    };
    const QList<Case> cases{
        {"two words", "/mp3ftp.php3?srch=two+words"},
        {"   ", "srch=+++"},
        {"a&b #1+2% é", "srch=a%26b+%231%2B2%25+%C3%A9"},
    };
    for (const Case& c : cases) {
        search({c.term, false, false, true});
        ASSERT_FALSE(opened.isEmpty());
        EXPECT_TRUE(opened.last().toEncoded().endsWith(c.ending)) << opened.last().toEncoded().toStdString();
        EXPECT_EQ(bench.fake.status.current, "Search results in web page.");
    }
    EXPECT_EQ(opened.size(), 3);
    EXPECT_TRUE(opened.first().toString().startsWith(WebSearchSite));
    EXPECT_EQ(bench.catalogue.Duplicates.size(), 1);
    EXPECT_EQ(bench.resultsShown, 0);
    EXPECT_TRUE(nam.items.isEmpty()) << "a web search is not remembered";
    EXPECT_TRUE(bench.window.controlsEnabled());

    search({"", false, false, true});
    EXPECT_EQ(opened.size(), 3) << "an empty term starts no hand-off";
    EXPECT_EQ(bench.resultsShown, 1);

    bench.fake.desktop.starts = false;
    search({"lost", false, false, true});
    EXPECT_EQ(bench.fake.status.current, "Can't open a web browser for " + opened.last().toString());
    EXPECT_TRUE(bench.window.controlsEnabled());
}

} // namespace
} // namespace twinsweep
