#include <gtest/gtest.h>

#include <QStringList>

#include "platform/Mp3TagReader.h"
#include "tagtools/ID3TafFromFileName.h"
#include "tagtools/TagEditorValues.h"

namespace twinsweep {
namespace {

TagInfo bothTags()
{
    TagInfo tag;
    tag.HasID3v1 = tag.HasID3v2 = true;
    tag.ID3v1 = {"T1", "A1", "B1", "1991", "C1", 17};
    tag.ID3v2 = {"A2", "B2", "T2", "Jazz", "2002"};
    tag.Comment = "C2";
    return tag;
}

QString shown(const EditorValues& v)
{
    return QStringList({v.title.text, v.artist.text, v.album.text, v.year.text, v.comment.text, v.genre.text})
        .join('|');
}

TEST(TagEditorValuesTest, TheSettingChoosesTheTagVersion)
{
    TagInfo onlyV1 = bothTags();
    onlyV1.HasID3v2 = false;
    TagInfo onlyV2 = bothTags();
    onlyV2.HasID3v1 = false;
    struct Case
    {
        TagInfo tag;
        QString preference;
        QString shown;
    };
    const Case cases[] = {
        {bothTags(), "0", "T1|A1|B1|1991|C1|Rock"},
        {bothTags(), "1", "T2|A2|B2|2002|C2|Jazz"},
        {onlyV1, "1", "T1|A1|B1|1991|C1|Rock"},
        {onlyV2, "0", "T2|A2|B2|2002|C2|Jazz"},
    };
    ID3TafFromFileName parser;
    for (const Case& c : cases) {
        const EditorValues values = editorValuesFor(c.tag, c.preference, "/m/x.mp3", parser, 2026);
        EXPECT_EQ(shown(values), c.shown) << c.preference.toStdString();
        EXPECT_FALSE(values.title.suggested || values.genre.suggested || values.comment.suggested);
    }
}

TEST(TagEditorValuesTest, AFieldThePreferredTagLacksTakesTheOtherTagsValue)
{
    TagInfo v2TitleOnly = bothTags(); // as the reader gives it: the comment falls back to ID3v1's
    v2TitleOnly.ID3v2 = {};
    v2TitleOnly.ID3v2.Title = "T2";
    v2TitleOnly.Comment = "C1";
    TagInfo v1TitleOnly = bothTags();
    v1TitleOnly.ID3v1 = {};
    v1TitleOnly.ID3v1.Title = "T1";
    v1TitleOnly.ID3v2.Genre = "Fusion";
    v1TitleOnly.ID3v2.GenreCode = 84; // the name of 30 as well
    struct Case
    {
        TagInfo tag;
        QString preference;
        QString shown;
        std::optional<int> genreCode;
    };
    const Case cases[] = {
        {v2TitleOnly, "1", "T2|A1|B1|1991|C1|Rock", 17},
        {v1TitleOnly, "0", "T1|A2|B2|2002|C2|Fusion", 84},
    };
    ID3TafFromFileName parser;
    for (const Case& c : cases) {
        const EditorValues v = editorValuesFor(c.tag, c.preference, "/m/Band - Song.mp3", parser, 2026);
        EXPECT_EQ(shown(v), c.shown) << c.preference.toStdString();
        EXPECT_EQ(v.genreCode, c.genreCode) << c.preference.toStdString();
        for (const EditorValue* value : {&v.title, &v.artist, &v.album, &v.year, &v.comment, &v.genre})
            EXPECT_FALSE(value->suggested) << c.preference.toStdString() << ' ' << value->text.toStdString();
    }
}

TEST(TagEditorValuesTest, AnUntaggedFileGetsSuggestions)
{
    ID3TafFromFileName parser;
    for (const QString preference : {"1", "7"}) {
        const TagInfo tag = preference == "1" ? TagInfo{} : bothTags(); // an unknown setting takes no fields
        const EditorValues values = editorValuesFor(tag, preference, "/m/Band - Song.mp3", parser, 2026);
        EXPECT_EQ(shown(values), "Song|Band||2026|" + QString(DefaultComment) + "|Other");
        EXPECT_TRUE(values.title.suggested && values.artist.suggested && values.year.suggested &&
                    values.comment.suggested && values.genre.suggested);
        EXPECT_FALSE(values.album.suggested);
    }
}

TEST(TagEditorValuesTest, AGenreLeftAloneKeepsTheCodeTheFileGives)
{
    struct Case
    {
        QString v2Genre;
        int v2Code; // given by number, reference or standard name
        std::optional<int> v1Code;
        std::optional<int> kept;
    };
    const Case cases[] = {
        {"Fusion", 84, {}, 84},      // no ID3v1 tag beside it
        {"Fusion", 30, 84, 84},      // the names of 30 and 84 are the same
        {"Synthwave", 255, 40, 40},  // a name outside the list
        {"Jazz", 8, 17, 8},          // the genre shown
        {"", 255, {}, std::nullopt}, // neither tag has one: the suggestion "Other" is saved
    };
    ID3TafFromFileName parser;
    for (const Case& c : cases) {
        TagInfo tag = bothTags();
        tag.HasID3v1 = c.v1Code.has_value();
        tag.ID3v1.GenreCode = c.v1Code.value_or(255);
        tag.ID3v2.Genre = c.v2Genre;
        tag.ID3v2.GenreCode = c.v2Code;
        const EditorValues values = editorValuesFor(tag, "1", "/m/x.mp3", parser, 2026);
        EXPECT_EQ(values.genreCode, c.kept) << c.v2Genre.toStdString() << ' ' << c.v1Code.value_or(-1);
    }
}

TEST(TagEditorValuesTest, GenreListPositions)
{
    EXPECT_EQ(genreCodeOfListPosition(18), 17); // "Rock"
    EXPECT_EQ(genreCodeOfListPosition(1), 0);   // "Blues"
    EXPECT_EQ(genreCodeOfListPosition(0), 255); // the empty entry
    EXPECT_EQ(genreCodeOfListPosition(-1), 255);
    EXPECT_EQ(genreCodeOfListPosition(149), 255);
}

} // namespace
} // namespace twinsweep
