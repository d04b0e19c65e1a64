#include <gtest/gtest.h>

#include <QFile>

#include "FakeServices.h"
#include "MediaFiles.h"
#include "OrdinaryUser.h"
#include "ScratchFiles.h"
#include "Taggers.h"
#include "platform/Mp3TagReader.h"
#include "tagtools/ID3v1Writer.h"

namespace twinsweep {
namespace {

struct WriterTest : ::testing::Test
{
    int write(const QString& path, const ID3v1Texts& texts) { return WriteID3v1Tag(ui.prompt, path, texts) ? 1 : 0; }
    QString fileIn(const QString& name, const QByteArray& bytes)
    {
        const QString path = test::freshFolder("writer") + "/" + name;
        test::writeFile(path, bytes);
        return path;
    }

    test::FakeServices ui;
    const ID3v1Texts song{"Title", "Artist", "Album", "1999", "Comment", "12"};
};

TEST_F(WriterTest, AppendsATagToAnUntaggedFile)
{
    const QString path = fileIn("plain.mp3", QByteArray(1000, 'x'));
    ASSERT_EQ(write(path, song), 1);
    const QByteArray bytes = test::readFile(path);
    ASSERT_EQ(bytes.size(), 1128);
    EXPECT_EQ(bytes.mid(1000, 3), "TAG");
    EXPECT_EQ(bytes.mid(1003, 30), QByteArray("Title").leftJustified(30, ' '));
    EXPECT_EQ(bytes.mid(1093, 4), "1999");
    EXPECT_EQ(quint8(bytes[1127]), 12);
    EXPECT_TRUE(ui.prompt.shown.empty());
}

TEST_F(WriterTest, RewritesAnExistingTagInPlace)
{
    // Without the zero byte before it, the last comment byte is comment text: all 30 bytes are rewritten.
    QByteArray old = QByteArray(200, 'x') + "TAG" + QByteArray(124, 'o') + char(7);
    const QString path = fileIn("tagged.mp3", old);
    ASSERT_EQ(write(path, {"New", "", "", "99", "", "-1"}), 1);
    const QByteArray bytes = test::readFile(path);
    ASSERT_EQ(bytes.size(), old.size());
    EXPECT_EQ(bytes.left(203), old.left(203));
    EXPECT_EQ(bytes.mid(203, 30), QByteArray("New").leftJustified(30, ' '));
    EXPECT_EQ(bytes.mid(293, 4), "99  ");
    EXPECT_EQ(bytes.mid(297, 30), QByteArray(30, ' '));
    EXPECT_EQ(quint8(bytes[327]), 1);
}

TEST_F(WriterTest, AnId3v1Point1TrackStaysUnlessATypedCommentTakesItsPlace)
{
    struct Case
    {
        QString comment;
        bool typed;
        QByteArray lastCommentBytes;
    };
    const QByteArray track("\0\x07", 2);
    const Case cases[] = {
        {"Short", true, track},          {QString(28, u'c'), true, track},  {QString(29, u'c'), true, "c "},
        {QString(30, u'c'), true, "cc"}, {QString(29, u'c'), false, track}, {QString(30, u'c'), false, track}};
    for (const Case& c : cases) {
        const QByteArray old = QByteArray(200, 'x') + test::rawId3v1Tag({.comment = "Old", .track = 7});
        const QString path = fileIn("track.mp3", old);
        ASSERT_EQ(write(path, {"T", "A", "B", "1999", c.comment, "12", c.typed}), 1);
        const QByteArray bytes = test::readFile(path);
        ASSERT_EQ(bytes.size(), old.size());
        EXPECT_EQ(bytes.right(3).left(2), c.lastCommentBytes) << c.comment.size() << (c.typed ? " typed" : "");
    }
}

TEST_F(WriterTest, FieldsWrittenUnchangedKeepTheirBytes)
{
    // eyeD3 pads with zero bytes; a field whose text changes is laid out afresh.
    const QString path = test::freshFolder("unchanged") + "/eyed3.mp3";
    test::makeTaggedMp3(path, {}, {"-1", "-t", "  Leading Blanks", "-a", "Band", "-c", " c", "-Y", "1999"});
    const QByteArray before = test::readFile(path);
    ASSERT_EQ(write(path, {"  Leading Blanks", "New", "", "1999", " c", "12"}), 1);
    const QByteArray after = test::readFile(path);
    ASSERT_EQ(after.size(), before.size());
    const QByteArray tagBefore = before.right(128);
    const QByteArray tagAfter = after.right(128);
    EXPECT_EQ(tagAfter.left(33), tagBefore.left(33));                          // marker and title
    EXPECT_EQ(tagAfter.mid(33, 30), QByteArray("New").leftJustified(30, ' ')); // artist
    EXPECT_EQ(tagAfter.mid(63, 64), tagBefore.mid(63, 64));                    // album to comment
}

TEST_F(WriterTest, CutsLongTextsAndWritesTheCodePage)
{
    const QString path = fileIn("exactly.mp3", "TAG" + QByteArray(125, 0));
    ASSERT_EQ(write(path, {QString(40, u'a'), u"Café ü €"_qs, u"日本"_qs, "2001", "c", "255"}), 1);
    const QByteArray bytes = test::readFile(path);
    ASSERT_EQ(bytes.size(), 128);
    EXPECT_EQ(bytes.mid(3, 30), QByteArray(30, 'a'));
    EXPECT_EQ(bytes.mid(33, 8), "Caf\xe9 \xfc \x80");
    EXPECT_EQ(bytes.mid(63, 3), "?? ");
    EXPECT_EQ(quint8(bytes[127]), 255);
}

TEST_F(WriterTest, ALowerCaseMarkerIsNoTag)
{
    const QString path = fileIn("lower.mp3", QByteArray(50, 'x') + "tag" + QByteArray(125, ' '));
    ASSERT_EQ(write(path, song), 1);
    const QByteArray bytes = test::readFile(path);
    ASSERT_EQ(bytes.size(), 178 + 128);
    EXPECT_EQ(bytes.mid(178, 3), "TAG");
}

TEST_F(WriterTest, GenreTexts)
{
    struct Case
    {
        QString genre;
        std::optional<quint8> stored;
    };
    const Case cases[] = {{"12", 12}, {"-1", 1},   {"-2", 2}, {"255", 255}, {"2.5", 2},
                          {"3.5", 4}, {"256", {}}, {"", {}},  {"Rock", {}}, {"nan", {}}};
    for (const Case& c : cases)
        EXPECT_EQ(genreByteOf(c.genre), c.stored) << c.genre.toStdString();
}

TEST_F(WriterTest, FailuresTellTheUserAndLeaveTheFileAlone)
{
    const QString folder = test::freshFolder("refused");
    struct Case
    {
        QString name;
        QByteArray bytes;
        QString genre;
    };
    const Case cases[] = {{"short.mp3", QByteArray(127, 'x'), "12"},
                          {"genre-too-big.mp3", QByteArray(500, 'x'), "256"},
                          {"genre-empty.mp3", QByteArray(500, 'x'), ""},
                          {"genre-name.mp3", QByteArray(500, 'x'), "Rock"}};
    for (const Case& c : cases) {
        const QString path = folder + "/" + c.name;
        test::writeFile(path, c.bytes);
        ui.prompt.shown.clear();
        EXPECT_EQ(write(path, {"t", "a", "b", "1", "c", c.genre}), 0) << c.name.toStdString();
        EXPECT_EQ(test::readFile(path), c.bytes) << c.name.toStdString();
        ASSERT_EQ(ui.prompt.shown.size(), 1u);
        EXPECT_TRUE(
            ui.prompt.shown[0].text.startsWith("Error writing ID3 tag on file: " + path + "\n(Error Description: "));
        EXPECT_TRUE(ui.prompt.shown[0].text.endsWith(")"));
        EXPECT_EQ(ui.prompt.shown[0].icon, MessageIcon::None);
    }
}

TEST_F(WriterTest, AMissingFileIsNeverCreated)
{
    const QString path = test::freshFolder("missing") + "/gone.mp3";
    EXPECT_EQ(write(path, song), 0);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ui.prompt.shown.size(), 1u);
}

TEST_F(WriterTest, AReadOnlyFileFailsUnchanged)
{
    const test::OrdinaryUser user; // root would write it anyway
    ASSERT_TRUE(user.available());
    const QString path = user.folder() + "/readonly.mp3";
    test::writeFile(path, QByteArray(300, 'x'));
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_EQ(write(path, song), 0);
    EXPECT_EQ(test::readFile(path), QByteArray(300, 'x'));
}

TEST_F(WriterTest, TheTagReaderReadsWhatWasWritten)
{
    const QString path = test::freshFolder("readback") + "/song.mp3";
    test::writeMp3(path, {});
    ASSERT_EQ(write(path, {"Títle", "Artist", "Album", "2004", u"Comment €"_qs, "17"}), 1);
    Mp3TagReader reader;
    reader.Open(path);
    const TagInfo& tag = reader.Tag();
    ASSERT_TRUE(tag.HasID3v1);
    EXPECT_EQ(tag.ID3v1.Title, u"Títle"_qs);
    EXPECT_EQ(tag.ID3v1.Artist, "Artist");
    EXPECT_EQ(tag.ID3v1.Album, "Album");
    EXPECT_EQ(tag.ID3v1.Year, "2004");
    EXPECT_EQ(tag.ID3v1.Comment, u"Comment €"_qs); // padding and code page undone
    EXPECT_EQ(tag.ID3v1.GenreCode, 17);
    ASSERT_TRUE(reader.Header().has_value());
}

TEST_F(WriterTest, GivesTheFieldsAsTheReaderReadsThemBack)
{
    struct Case
    {
        QString written;
        QString held;
    };
    const Case cases[] = {{u"\u03a9mega \u4e2d ok"_qs, "?mega ? ok"},
                          {u"Caf\u00e9 \u20ac"_qs, u"Caf\u00e9 \u20ac"_qs},
                          {QString(40, u'a'), QString(30, u'a')},
                          {"  padded  ", "  padded"},
                          {u"a\U0001F600b"_qs, "a?b"}};
    const QString path = test::freshFolder("held") + "/song.mp3";
    Mp3TagReader reader;
    for (const Case& c : cases) {
        test::writeMp3(path, {});
        const std::optional<ID3v1Fields> held =
            WriteID3v1Tag(ui.prompt, path, {c.written, "", "", "199?", c.written, "84"});
        ASSERT_TRUE(held) << c.written.toStdString();
        EXPECT_EQ(held->Title, c.held);
        EXPECT_EQ(held->Comment, c.held);
        EXPECT_EQ(held->Year, "199?");
        EXPECT_EQ(held->GenreCode, 84);
        reader.Open(path);
        EXPECT_EQ(reader.Tag().ID3v1.Title, held->Title);
        EXPECT_EQ(reader.Tag().ID3v1.Comment, held->Comment);
    }
}

} // namespace
} // namespace twinsweep
