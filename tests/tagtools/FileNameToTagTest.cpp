#include <gtest/gtest.h>

#include "TagToolTestSupport.h"
#include "TaggedFiles.h"
#include "platform/SettingKeys.h"
#include "tagtools/FileNameToTag.h"

namespace twinsweep {
namespace {

using test::Mp3Content;
using test::TagContent;

TEST(FileNameToTagTest, PoliciesDecideWhatIsWritten)
{
    const TitleArtistAlbum row{"  ", "X", "Kept"};
    const TitleArtistAlbum parsed{"Song", "Band", ""};
    struct Case
    {
        OverwritePolicy policy;
        bool fileHasTag;
        std::optional<QString> written; // title|artist|album
    };
    const Case cases[] = {
        {OverwritePolicy::OverwriteAllFields, true, "Song|Band|"},
        {OverwritePolicy::OverwriteEmptyFields, true, "Song|X|Kept"},
        {OverwritePolicy::OverwriteEmptyFields, false, "Song|X|Kept"},
        {OverwritePolicy::DontWriteTag, true, std::nullopt},
        {OverwritePolicy::DontWriteTag, false, "Song|Band|"},
    };
    for (const Case& c : cases) {
        const auto fields = fieldsToWrite(c.policy, row, parsed, c.fileHasTag);
        const std::optional<QString> written =
            fields ? std::optional(fields->title + "|" + fields->artist + "|" + fields->album) : std::nullopt;
        EXPECT_EQ(written, c.written) << int(c.policy) << c.fileHasTag;
    }
}

TEST(FileNameToTagTest, CaseConversions)
{
    EXPECT_EQ(convertCase("THE BAND", CaseConversion::CapitalizeFirstLetter), "The Band");
    EXPECT_EQ(convertCase("the-end (live)", CaseConversion::CapitalizeFirstLetter), "The-end (live)");
    EXPECT_EQ(convertCase("a\tb\nc", CaseConversion::CapitalizeFirstLetter), "A\tB\nC");
    EXPECT_EQ(convertCase("song", CaseConversion::Upper), "SONG");
    EXPECT_EQ(convertCase(u"ÄRGER"_qs, CaseConversion::Lower), u"ärger"_qs);
    EXPECT_EQ(dirStructureOfMask(0), 3);
    EXPECT_EQ(dirStructureOfMask(4), 0);
}

struct NameToTagRun : ::testing::Test
{
    bool run(OverwritePolicy policy, std::optional<CaseConversion> conversion = {})
    {
        return WriteTagsFromFileNames(f.tools, parser, {SearchScope::SelectedVolume, policy, 0, conversion}, f.stop);
    }
    TagInfo tagOf(const QString& name)
    {
        f.reader.Open(f.folder + name);
        return f.reader.Tag();
    }

    test::TagToolFixture f{"name-to-tag"};
    ID3TafFromFileName parser;
};

TEST_F(NameToTagRun, OverwriteAllKeepsYearCommentAndGenre)
{
    f.addFile("Band - Song.mp3", Mp3Content{.id3v1 = TagContent{"Old", "Who", "Alb", "c", "Jazz", 1999}});
    f.addFile(u"\u03a9mega - \u4e2d ok.mp3"_qs); // text the code page lacks
    f.addFile("Four - Five.MP3");
    f.addFile("a.wav");
    f.addFile("b.wav");
    f.showVolume(1);
    ASSERT_TRUE(run(OverwritePolicy::OverwriteAllFields));
    const TagInfo tag = tagOf("Band - Song.mp3");
    EXPECT_EQ(tag.ID3v1.Title, "Song");
    EXPECT_EQ(tag.ID3v1.Artist, "Band");
    EXPECT_EQ(tag.ID3v1.Album, "");
    EXPECT_EQ(tag.ID3v1.Year, "1999");
    EXPECT_EQ(tag.ID3v1.Comment, "c");
    EXPECT_EQ(tag.ID3v1.GenreCode, 8);
    EXPECT_EQ(f.catalogue.ListFiles[0].value(Field::Title), "Song");
    EXPECT_EQ(f.catalogue.ListFiles[0].value(Field::Artist), "Band");
    EXPECT_EQ(tagOf(u"\u03a9mega - \u4e2d ok.mp3"_qs).ID3v1.GenreCode, 255); // an untagged file gets no genre
    EXPECT_EQ(f.catalogue.ListFiles[1].value(Field::Title), "? ok");         // what the file holds
    EXPECT_EQ(f.catalogue.ListFiles[1].value(Field::Artist), "?mega");
    EXPECT_EQ(f.ui.status.current, "3 of 5 files ID3 tags wrote successfully.");
    EXPECT_EQ(f.channels.closed, QStringList({"f1", "f2"}));
    EXPECT_TRUE(f.catalogue.CollectionChanged());
    EXPECT_EQ(f.catalogue.ListFiles2.size(), 5);
    EXPECT_FALSE(f.ui.status.progressVisible);
}

TEST_F(NameToTagRun, FieldsTheToolKeepsKeepTheirBytes)
{
    const QByteArray quoted = "It\x92s \x93quoted\x94 \x80 \x96 x";
    const test::RawId3v1 tags[] = {
        {.title = "Song", .artist = "Band", .year = "c.99", .comment = quoted, .track = 3, .genre = 17},
        {.title = "Song", .artist = "Band", .year = "199?", .comment = quoted},
        {.title = "Song", .artist = "Band", .year = "1999", .comment = "\x80", .track = 12, .genre = 0},
    };
    const QString names[] = {"Band - Song.mp3", "Band - Song.MP3", "Band - Song.Mp3"};
    for (size_t file = 0; file < std::size(tags); ++file)
        f.addFile(names[file], {.rawId3v1 = test::rawId3v1Tag(tags[file])});
    // The year the tool keeps is the ID3v2 tag's where the file has one.
    f.addFile("Band - Song.mP3", {.id3v2 = TagContent{.title = "Song", .artist = "Band", .yearText = "199?"},
                                  .rawId3v1 = test::rawId3v1Tag(tags[1])});
    f.showVolume(1);
    std::vector<QByteArray> before;
    for (const FileRecord& row : f.catalogue.ListFiles)
        before.push_back(test::readFile(row.fullPath()));
    ASSERT_TRUE(run(OverwritePolicy::OverwriteEmptyFields));
    EXPECT_EQ(f.ui.status.current, "4 of 4 files ID3 tags wrote successfully.");
    for (size_t row = 0; row < before.size(); ++row)
        EXPECT_EQ(test::readFile(f.catalogue.ListFiles[row].fullPath()), before[row]) << row;
}

TEST_F(NameToTagRun, TracksAndLeadingBlanksTaggersWroteSurvive)
{
    struct Case
    {
        QStringList lame;
        QStringList eyeD3;
        OverwritePolicy policy;
        qsizetype fromEnd; // the bytes kept, counted from the end of the file
        qsizetype length;
    };
    const QStringList track = {"--add-id3v2", "--tc", "a comment of exactly 30 chars", "--tn", "9"};
    const QStringList blanks = {"-1", "-t", "  Leading Blanks", "-a", " Band", "-c", " c", "-Y", "1999"};
    const Case cases[] = {{track, {}, OverwritePolicy::OverwriteEmptyFields, 3, 2},
                          {track, {}, OverwritePolicy::OverwriteAllFields, 3, 2},
                          {{}, blanks, OverwritePolicy::OverwriteEmptyFields, 128, 128}};
    FileRecord& row = f.addFile("Band - Song.mp3");
    f.showVolume(1);
    const QString path = row.fullPath();
    for (const Case& c : cases) {
        test::makeTaggedMp3(path, c.lame, c.eyeD3);
        f.reader.Open(path); // the row as a scan preferring ID3v1 fills it
        row.setValue(Field::Title, f.reader.Tag().ID3v1.Title);
        row.setValue(Field::Artist, f.reader.Tag().ID3v1.Artist);
        const QByteArray before = test::readFile(path);
        ASSERT_TRUE(run(c.policy));
        const QByteArray after = test::readFile(path);
        ASSERT_EQ(after.size(), before.size());
        EXPECT_EQ(after.right(c.fromEnd).left(c.length), before.right(c.fromEnd).left(c.length))
            << (c.lame + c.eyeD3).join(' ').toStdString() << ' ' << int(c.policy);
    }
}

TEST_F(NameToTagRun, RowsHoldWhatANewScanReads)
{
    const test::TaggedBy tagged[] = {test::TaggedBy::V24AndV1, test::TaggedBy::V24, test::TaggedBy::V1};
    for (const test::TaggedBy tags : tagged)
        f.addFile(QString("Band - Song %1.mp3").arg(int(tags)));
    f.showVolume(1);
    for (const char* preferred : {"1", "0"}) {
        f.ui.settings.setValue(Settings::ID3, preferred);
        for (size_t row = 0; row < std::size(tagged); ++row)
            test::writeEyeD3File(f.catalogue.ListFiles[row].fullPath(), tagged[row]);
        ASSERT_TRUE(run(OverwritePolicy::OverwriteAllFields));
        for (const FileRecord& row : f.catalogue.ListFiles)
            EXPECT_EQ(test::rowValues(row), test::newScanOf(row, f.ui.services)) << "ID3 " << preferred;
    }
}

TEST_F(NameToTagRun, OverwriteEmptyFieldsKeepsFilledRowValues)
{
    FileRecord& row = f.addFile("band - song.mp3", Mp3Content{.id3v1 = TagContent{"", "X"}});
    row.setValue(Field::Title, "   ");
    row.setValue(Field::Artist, "X");
    f.showVolume(1);
    run(OverwritePolicy::OverwriteEmptyFields, CaseConversion::Upper);
    const TagInfo tag = tagOf("band - song.mp3");
    EXPECT_EQ(tag.ID3v1.Title, "SONG");
    EXPECT_EQ(tag.ID3v1.Artist, "X");
    EXPECT_EQ(f.catalogue.ListFiles[0].value(Field::Title), "SONG");
}

TEST_F(NameToTagRun, DontWriteTagLeavesTaggedFilesAlone)
{
    FileRecord& tagged = f.addFile("A - B.mp3", Mp3Content{.id3v2 = TagContent{"Real title", "Real artist", "Alb"}});
    for (const Field field : {Field::Title, Field::Artist, Field::Album})
        tagged.setValue(field, "x");
    f.addFile("C - D.mp3");
    f.showVolume(1);
    const QByteArray before = test::readFile(f.folder + "A - B.mp3");
    run(OverwritePolicy::DontWriteTag);
    EXPECT_EQ(test::readFile(f.folder + "A - B.mp3"), before);
    EXPECT_EQ(tagOf("C - D.mp3").ID3v1.Title, "D");
    EXPECT_EQ(f.ui.status.current, "1 of 2 files ID3 tags wrote successfully.");
}

TEST_F(NameToTagRun, MissingChoicesAndNoStopTheRun)
{
    f.addFile("A - B.mp3");
    f.showVolume(1);
    EXPECT_FALSE(WriteTagsFromFileNames(f.tools, parser, {SearchScope::None, {}, {}, {}}, f.stop));
    EXPECT_FALSE(WriteTagsFromFileNames(f.tools, parser, {SearchScope::AllVolumes, {}, 0, {}}, f.stop));
    f.ui.prompt.answers = {MessageAnswer::No};
    EXPECT_FALSE(run(OverwritePolicy::OverwriteAllFields));
    EXPECT_EQ(f.ui.prompt.texts(), QStringList({"There is no volume selected!", "Not all needed options selected!",
                                                "Do you want to proceed?"}));
    EXPECT_EQ(f.ui.prompt.shown.back().defaultButton, 1);
    EXPECT_FALSE(tagOf("A - B.mp3").HasID3v1);
    EXPECT_FALSE(f.catalogue.CollectionChanged());
}

TEST_F(NameToTagRun, AnEarlierCancelDoesNotStopTheNextRun)
{
    f.addFile("A - B.mp3");
    f.showVolume(1);
    f.stop.request();
    run(OverwritePolicy::OverwriteAllFields);
    EXPECT_EQ(f.ui.status.current, "1 of 1 files ID3 tags wrote successfully.");
    EXPECT_FALSE(f.stop.requested());
}

} // namespace
} // namespace twinsweep
