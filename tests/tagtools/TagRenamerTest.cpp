#include <gtest/gtest.h>

#include "TagToolTestSupport.h"
#include "TaggedFiles.h"
#include "platform/SettingKeys.h"
#include "tagtools/TagRenamer.h"

namespace twinsweep {
namespace {

using test::Mp3Content;
using test::TagContent;

TEST(TagRenamerTest, PatternExpansion)
{
    const PatternFields song = {"T", "A", "", "2001", "ZTW"};
    struct Case
    {
        QString pattern;
        bool requireAll;
        QString name;
        bool missing;
    };
    const Case cases[] = {
        {"%02 - %01", true, "A - T", false},
        {"", true, "", false},
        {"%01%09", true, "T", false},
        {"%09-%01", true, "%09-T", false},
        {"%01 (%04)%0", true, "T (2001)", false},
        {"[%05] %01.", true, "[ZTW] T.", false},
        {"No tokens", true, "No tokens", false},
        {"%03 - %01", true, "%03 - T", true}, // an empty first field has not begun the name
        {"%03 - %01", false, "Unknown Album - T", false},
        {"%0%01", true, "%0T", false},
    };
    for (const Case& c : cases) {
        const PatternFields fields = c.requireAll ? song : withStandIns(song);
        const ExpandedName expanded = expandPattern(c.pattern, fields, c.requireAll);
        EXPECT_EQ(expanded.name, c.name) << c.pattern.toStdString();
        EXPECT_EQ(expanded.missingField, c.missing) << c.pattern.toStdString();
    }
    EXPECT_EQ(withStandIns({"  ", "", "", "", ""}),
              (PatternFields{"Unknown Title", "Unknown Artist", "Unknown Album", "Unknown Year", "Uncommented"}));
}

struct RenameRun : ::testing::Test
{
    FileRecord& song(const QString& name, const QString& title, const QString& artist)
    {
        FileRecord& row = f.addFile(name);
        row.setValue(Field::Title, title);
        row.setValue(Field::Artist, artist);
        return row;
    }
    void run(const QString& pattern, std::optional<QString> comment = {})
    {
        f.showVolume(1);
        ASSERT_TRUE(RenameFromTags(f.tools, {SearchScope::SelectedVolume, pattern, true, comment}, f.stop));
    }

    test::TagToolFixture f{"renamer"};
};

TEST_F(RenameRun, RenamesAfterTheRecordedFields)
{
    song("x.mp3", "T", "A");
    song("y.mp3", "", "B"); // a missing title: left alone
    f.addFile("z.wav");
    run("%02 - %01");
    EXPECT_EQ(f.filesOnDisk(), QStringList({"A - T.mp3", "y.mp3", "z.wav"}));
    EXPECT_EQ(f.catalogue.ListFiles[0].value(Field::Filename), "A - T.mp3");
    EXPECT_EQ(f.catalogue.ListFiles2.text(0, 0), "A - T.mp3");
    EXPECT_EQ(f.ui.status.current, "1 of 3 files renamed successfully.");
    EXPECT_TRUE(f.catalogue.CollectionChanged());
}

TEST_F(RenameRun, AMoveNeverReplacesAFile)
{
    song("one.mp3", "T", "A");
    song("two.mp3", "T", "A");
    run("Same");
    EXPECT_EQ(f.filesOnDisk(), QStringList({"Same.mp3", "two.mp3"}));
    EXPECT_EQ(f.ui.status.current, "1 of 2 files renamed successfully.");
}

TEST_F(RenameRun, ANameWithASlashStaysInItsFolderAndTheSameNameIsSkipped)
{
    song("x.mp3", "Back in Black", "AC/DC");
    song("A - T.mp3", "T", "A");
    run("%02 - %01");
    EXPECT_EQ(f.filesOnDisk(), QStringList({"A - T.mp3", "x.mp3"}));
    EXPECT_EQ(f.ui.status.current, "0 of 2 files renamed successfully.");
    EXPECT_FALSE(f.catalogue.CollectionChanged());
}

TEST_F(RenameRun, ANameThatWouldHideTheFileIsAFailedMove)
{
    song("x.mp3", "T", "A");
    for (const QString pattern : {"", ".%01"}) {
        run(pattern);
        EXPECT_EQ(f.filesOnDisk(), QStringList({"x.mp3"})) << pattern.toStdString();
        EXPECT_EQ(f.catalogue.ListFiles[0].value(Field::Filename), "x.mp3");
        EXPECT_EQ(f.ui.status.current, "0 of 1 files renamed successfully.");
    }
}

TEST_F(RenameRun, RecommentAddsAnId3v1TagToAnId3v2OnlyFile)
{
    FileRecord& row =
        f.addFile("v2.mp3", Mp3Content{.id3v2 = TagContent{"Title2", "Artist2", "Album2", "old", "Rock", 0, "199?"}});
    row.setValue(Field::Title, "T");
    row.setValue(Field::Artist, "A");
    run("%02 - %01", u"New \u03a9mega"_qs);                               // the code page has no Omega
    EXPECT_TRUE(f.ui.prompt.texts().endsWith("Do you want to proceed?")); // no write message
    f.reader.Open(f.folder + "A - T.mp3");
    const TagInfo& tag = f.reader.Tag();
    ASSERT_TRUE(tag.HasID3v1);
    EXPECT_EQ(tag.ID3v1.Title, "Title2");
    EXPECT_EQ(tag.ID3v1.Artist, "Artist2");
    EXPECT_EQ(tag.ID3v1.Album, "Album2");
    EXPECT_EQ(tag.ID3v1.Year, "199?");
    EXPECT_EQ(tag.ID3v1.Comment, "New ?mega");
    EXPECT_EQ(tag.ID3v1.GenreCode, 17);
    EXPECT_EQ(f.catalogue.ListFiles[0].value(Field::Comment), "old"); // the ID3v2 comment a scan reads first
}

TEST_F(RenameRun, RecommentedRowsHoldWhatANewScanReads)
{
    const test::TaggedBy tagged[] = {test::TaggedBy::V24AndV1, test::TaggedBy::V24, test::TaggedBy::V1};
    for (const test::TaggedBy tags : tagged)
        song(QString("%1.mp3").arg(int(tags)), "", "A");
    for (const QString preferred : {"1", "0"}) {
        f.ui.settings.setValue(Settings::ID3, preferred);
        for (size_t row = 0; row < std::size(tagged); ++row) {
            test::writeEyeD3File(f.catalogue.ListFiles[row].fullPath(), tagged[row]);
            f.catalogue.ListFiles[row].setValue(Field::Title, preferred + QString::number(row)); // the new name
        }
        run("%01", "New comment");
        ASSERT_EQ(f.ui.status.current, "3 of 3 files renamed successfully.");
        for (const FileRecord& row : f.catalogue.ListFiles)
            EXPECT_EQ(test::rowValues(row), test::newScanOf(row, f.ui.services)) << "ID3 " << preferred.toStdString();
    }
}

TEST_F(RenameRun, RecommentKeepsTheFieldsAndGenreTaggersWrote)
{
    const QString blanks = f.folder + "blanks.mp3";
    const QString reference = f.folder + "reference.mp3";
    song("blanks.mp3", "T", "A");
    song("reference.mp3", "T", "B");
    test::makeTaggedMp3(blanks, {}, {"-1", "-t", "  Leading Blanks", "-a", " Band", "-Y", "1999"});
    test::makeTaggedMp3(reference, {}, {"--to-v2.3", "--text-frame", "TCON:(84)"});
    const QByteArray before = test::readFile(blanks).right(128);
    run("%02 - %01", "new");
    const QByteArray after = test::readFile(f.folder + "A - T.mp3").right(128);
    EXPECT_EQ(after.left(97), before.left(97)); // all but the comment and genre
    EXPECT_EQ(quint8(test::readFile(f.folder + "B - T.mp3").back()), 84);
}

TEST_F(RenameRun, AllVolumesCountsTheWholeCollection)
{
    song("x.mp3", "T", "A");
    f.addFile("other.mp3", {}, 2).setValue(Field::Title, "O");
    f.catalogue.ListFiles[1].setValue(Field::Artist, "P");
    f.showVolume(1);
    ASSERT_TRUE(RenameFromTags(f.tools, {SearchScope::AllVolumes, "%02 - %01", true, {}}, f.stop));
    EXPECT_EQ(f.filesOnDisk(), QStringList({"A - T.mp3", "P - O.mp3"}));
    EXPECT_EQ(f.ui.status.current, "2 of 2 files renamed successfully.");
}

TEST_F(RenameRun, AnEmptyScopeRenamesNothing)
{
    f.catalogue.TreeView1.add({"vol1", "1", "Volume"});
    run("%01");
    EXPECT_EQ(f.ui.status.current, "0 of 0 files renamed successfully.");
}

} // namespace
} // namespace twinsweep
