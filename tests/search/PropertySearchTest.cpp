#include <gtest/gtest.h>

#include "SearchTestSupport.h"
#include "search/PropertySearch.h"

namespace twinsweep {
namespace {

/// Stream values of one file; each becomes a file named after its `name`.
struct Stream
{
    QString name;
    QString bitrate = "128";
    QString frequency = "44100";
    QString size = "4000000";
    QString version = "1.0";
    QString layer = "3";
};

class PropertySearchTest : public ::testing::Test
{
protected:
    void addFiles(const QList<Stream>& streams)
    {
        QStringList names;
        for (const Stream& stream : streams)
            names << stream.name;
        const qsizetype first = qsizetype(bench.catalogue.ListFiles.size());
        test::addVolume(bench.catalogue, "Volume " + QString::number(bench.catalogue.TreeView1.count() + 1), names);
        for (qsizetype i = 0; i < streams.size(); ++i) {
            FileRecord& record = bench.catalogue.ListFiles[size_t(first + i)];
            record.setValue(Field::Bitrate, streams[i].bitrate);
            record.setValue(Field::Frequency, streams[i].frequency);
            record.setValue(Field::FileSize, streams[i].size);
            record.setValue(Field::MpegVersion, streams[i].version);
            record.setValue(Field::MpegLayer, streams[i].layer);
        }
    }
    /// Searches with the given rows checked; the other rows keep what their boxes hold.
    void search(const QList<std::pair<PropertyRow, PropertyCondition>>& checked)
    {
        PropertySearchChoices choices;
        choices.conditions[size_t(PropertyRow::Size)] = {false, "<", "Size in bytes"};
        for (const auto& [row, condition] : checked)
            choices.conditions[size_t(row)] = condition;
        findProperty(bench.context, choices);
    }

    test::SearchBench bench;
};

PropertyCondition is(const QString& op, const QString& value)
{
    return {true, op, value};
}

TEST_F(PropertySearchTest, FindsTheFilesThatMeetEveryCondition)
{
    addFiles({{"128.mp3"},
              {"160.mp3", "160", "22050", "2500000"},
              {"wav.wav", "1411", "44100", "1500", "", "PCM"},
              {"mpeg2.mp3", "64", "192000", "1501", "2.0", "2"},
              {"short.mp3", "96", "8000", "900", "2", "1"},
              {"empty.mp3", "", "", "", "", ""}});
    using R = PropertyRow;
    struct Case
    {
        QList<std::pair<PropertyRow, PropertyCondition>> conditions;
        QStringList found;
    };
    const QList<Case> cases{
        {{{R::Bitrate, is(">", "128 Kbit/s")}}, {"160.mp3", "wav.wav", "empty.mp3"}},
        {{{R::Bitrate, is("=", "128 Kbit/s")}}, {"128.mp3", "empty.mp3"}},
        {{{R::Bitrate, is("<", "128 Kbit/s")}}, {"mpeg2.mp3", "short.mp3", "empty.mp3"}},
        {{{R::Frequency, is("=", "44100 Hz")}}, {"128.mp3", "wav.wav", "empty.mp3"}},
        {{{R::Frequency, is("=", "22050 Hz")}}, {"160.mp3", "empty.mp3"}},
        {{{R::Frequency, is("<", "22050 Hz")}}, {"mpeg2.mp3", "short.mp3", "empty.mp3"}},
        {{{R::Size, is(">", "1500.9")}}, {"128.mp3", "160.mp3", "mpeg2.mp3", "empty.mp3"}},
        {{{R::Size, is("=", " 1500 ")}}, {"wav.wav", "empty.mp3"}},
        {{{R::MpegVersion, is("<", "2.0")}}, {"128.mp3", "160.mp3", "wav.wav", "short.mp3", "empty.mp3"}},
        {{{R::MpegVersion, is("=", "2.0")}}, {"mpeg2.mp3"}},
        {{{R::MpegLayer, is("=", "3")}}, {"128.mp3", "160.mp3", "wav.wav", "empty.mp3"}},
        {{{R::Bitrate, is(">", "128 Kbit/s")}, {R::MpegLayer, is("=", "3")}}, {"160.mp3", "wav.wav", "empty.mp3"}},
        {{{R::Bitrate, is("<", "128 Kbit/s")}, {R::MpegLayer, is("=", "2")}}, {"mpeg2.mp3", "empty.mp3"}},
    };
    for (const Case& c : cases) {
        search(c.conditions);
        const auto& [row, condition] = c.conditions.first();
        EXPECT_EQ(bench.resultNames(), c.found)
            << int(row) << " " << condition.operatorText.toStdString() << " " << condition.valueText.toStdString();
        EXPECT_EQ(bench.fake.status.current, QString::number(c.found.size()) + " item(s) found.");
    }
    EXPECT_TRUE(bench.fake.prompt.shown.empty());
}

TEST_F(PropertySearchTest, RefusesIncompleteConditionsWithOneMessage)
{
    addFiles({{"a.mp3"}});
    bench.catalogue.Duplicates.append(ListRow{1, "Volume 1"});
    using R = PropertyRow;
    struct Case
    {
        QList<std::pair<PropertyRow, PropertyCondition>> conditions;
        QString message;
    };
    const QList<Case> cases{
        {{{R::Size, is(">", "0")}}, "Not all needed options selected!"},
        {{{R::Size, is(">", "0.5")}}, "Not all needed options selected!"},
        {{{R::Size, is(">", "abc")}}, "Not all needed options selected!"},
        {{{R::Size, is(">", "")}}, "Not all needed options selected!"},
        {{{R::Size, is(">", "Size in bytes")}}, "Not all needed options selected!"},
        {{{R::Size, is("", "1000")}}, "Not all needed options selected!"},
        {{{R::Bitrate, is("=", "")}, {R::Frequency, is("", "44100 Hz")}}, "Not all needed options selected!"},
        {{{R::MpegLayer, is("", "3")}}, "Not all needed options selected!"},
        {{{R::Bitrate, {false, "", ""}}}, "No search method was selected!"},
    };
    for (const Case& c : cases) {
        bench.fake.prompt.shown.clear();
        bench.window.setControlsEnabled(false);
        search(c.conditions);
        ASSERT_EQ(bench.fake.prompt.texts(), QStringList{c.message});
        EXPECT_EQ(bench.fake.prompt.shown.front().icon, MessageIcon::Exclamation);
        EXPECT_EQ(bench.catalogue.Duplicates.size(), 1) << "the result list keeps its rows";
        EXPECT_TRUE(bench.window.controlsEnabled());
        EXPECT_TRUE(bench.window.stopRequested());
    }
    EXPECT_TRUE(bench.fake.status.history.isEmpty());
}

TEST_F(PropertySearchTest, SearchesTheSelectedVolumeByItsMasterRows)
{
    addFiles({{"a.mp3"}, {"b.mp3", "160"}});
    addFiles({{"c.mp3", "160"}, {"d.mp3"}});
    bench.catalogue.TreeView1.select(2);
    bench.catalogue.ClickNOD(bench.fake.services);
    PropertySearchChoices choices;
    choices.conditions[size_t(PropertyRow::Bitrate)] = is("=", "160 Kbit/s");
    choices.Option11 = true;
    choices.Option12 = false;
    findProperty(bench.context, choices);
    ASSERT_EQ(bench.resultNames(), QStringList{"c.mp3"});
    EXPECT_EQ(bench.catalogue.Duplicates.row(0).Tag, 3);
    EXPECT_EQ(bench.catalogue.Duplicates.row(0).Collection, "Volume 2");
    EXPECT_FALSE(bench.catalogue.Duplicates.row(0).Checked);
    EXPECT_EQ(bench.resultsShown, 1);
    EXPECT_FALSE(bench.window.stopRequested());
    EXPECT_TRUE(bench.window.controlsEnabled());
}

TEST_F(PropertySearchTest, AStopKeepsTheHitsAndTheStopRequest)
{
    addFiles({{"1.mp3"}, {"2.mp3"}, {"x.mp3", "320"}, {"3.mp3"}, {"4.mp3"}});
    bench.cancelAfter(3);
    search({{PropertyRow::Bitrate, is("=", "128 Kbit/s")}});
    EXPECT_EQ(bench.resultNames(), (QStringList{"1.mp3", "2.mp3", "3.mp3"}));
    EXPECT_EQ(bench.fake.status.current, "Canceled 3 item(s) found.");
    EXPECT_EQ(bench.resultsShown, 0);
    EXPECT_TRUE(bench.window.stopRequested());
}

TEST_F(PropertySearchTest, AStopAfterTheLastRowIsNotSeen)
{
    addFiles({{"1.mp3"}, {"2.mp3"}});
    bench.cancelAfter(2);
    search({{PropertyRow::Bitrate, is("=", "128 Kbit/s")}});
    EXPECT_EQ(bench.fake.status.current, "2 item(s) found.");
    EXPECT_EQ(bench.resultsShown, 1);
    EXPECT_FALSE(bench.window.stopRequested());
}

TEST(WholeNumberTest, ReadsNumbersAsTheSearchDoes)
{
    const QList<std::pair<QString, std::optional<double>>> cases{
        {"128", 128},       {" 1500.9 ", 1500},    {"-1.5", -2}, {"192000", 192000}, {"128 Kbit/s", std::nullopt},
        {"", std::nullopt}, {"PCM", std::nullopt}, {"0.5", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(wholeNumber(text), expected) << text.toStdString();
}

} // namespace
} // namespace twinsweep
