#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>

#include "MediaFiles.h"
#include "Taggers.h"
#include "TestEnvironment.h"
#include "platform/Id3Genres.h"
#include "platform/Mp3TagReader.h"

namespace twinsweep {
namespace {

using test::Mp3Content;
using test::MpegVersion;
using test::TagContent;

QString mediaFolder()
{
    const QString folder = test::scratchRoot() + "/mp3-reader";
    QDir().mkpath(folder);
    return folder;
}

struct StreamCase
{
    MpegVersion version;
    int layer;
    int bitrate;
    int sampleRate;
    const char* versionText;
};

void PrintTo(const StreamCase& c, std::ostream* out)
{
    *out << "MPEG " << c.versionText << " layer " << c.layer << ' ' << c.bitrate << " kbit/s " << c.sampleRate << " Hz";
}

class Mp3StreamTest : public ::testing::TestWithParam<StreamCase>
{};

TEST_P(Mp3StreamTest, ReadsVersionLayerRatesAndTruncatedDuration)
{
    const StreamCase& c = GetParam();
    Mp3Content content{.version = c.version, .layer = c.layer, .bitrate = c.bitrate, .sampleRate = c.sampleRate};
    // About 2.7 seconds of frames: the duration is cut down to 2, never rounded up.
    content.frames = int(std::ceil(2.7 * c.sampleRate / test::mpegFrameSamples(content)));
    const QString path = mediaFolder() + "/stream.mp3";
    test::writeMp3(path, content);

    Mp3TagReader reader;
    reader.Open(path);
    ASSERT_TRUE(reader.Header().has_value());
    const MpegHeaderInfo& header = *reader.Header();
    EXPECT_EQ(header.Version, c.versionText);
    EXPECT_EQ(header.Layer, QString::number(c.layer));
    EXPECT_EQ(header.Bitrate, c.bitrate);
    EXPECT_EQ(header.Frequency, c.sampleRate);
    EXPECT_EQ(header.SampleRate(), c.sampleRate);
    EXPECT_EQ(header.Duration, 2);
    EXPECT_FALSE(reader.HasTag());
}

INSTANTIATE_TEST_SUITE_P(EveryVersionAndLayer, Mp3StreamTest,
                         ::testing::Values(StreamCase{MpegVersion::Mpeg1, 3, 128, 44100, "1.0"},
                                           StreamCase{MpegVersion::Mpeg1, 2, 192, 48000, "1.0"},
                                           StreamCase{MpegVersion::Mpeg1, 1, 256, 32000, "1.0"},
                                           StreamCase{MpegVersion::Mpeg2, 3, 64, 22050, "2.0"},
                                           StreamCase{MpegVersion::Mpeg2, 2, 32, 16000, "2.0"},
                                           StreamCase{MpegVersion::Mpeg2, 1, 64, 24000, "2.0"},
                                           StreamCase{MpegVersion::Mpeg25, 3, 8, 8000, "2.5"},
                                           StreamCase{MpegVersion::Mpeg25, 3, 32, 11025, "2.5"}));

TEST(Mp3TagReaderTest, VariableRateFileGivesXingAverageAndLength)
{
    // 142,598 frames of 1,152 samples at 44,100 Hz last 3,725 s; 74.5 MB over that is 160 kbit/s.
    Mp3Content content;
    content.bitrate = 128;
    content.xing = test::XingContent{142598, 74500000};
    const QString path = mediaFolder() + "/vbr.mp3";
    test::writeMp3(path, content);

    Mp3TagReader reader;
    reader.Open(path);
    ASSERT_TRUE(reader.Header().has_value());
    EXPECT_EQ(reader.Header()->Duration, 3725);
    EXPECT_EQ(reader.Header()->Bitrate, 160);
}

/// Encodes a sound with LAME (`options` such as "-b 160") into `name`.
QString lameFile(const QString& name, const QStringList& options)
{
    const QString path = mediaFolder() + "/" + name;
    test::encodeWithLame(path, options);
    return path;
}

/// The frame count and byte count of the Xing or "Info" header that LAME wrote.
std::pair<quint32, quint32> lameHeaderCounts(const QString& path, const char* kind)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.read(4096);
    const qsizetype at = bytes.indexOf(kind);
    EXPECT_GE(at, 0) << kind << " header missing";
    // "Xing"/"Info", 4 flag bytes, then the frame count and the byte count (big-endian).
    const auto field = [&](int offset) { return qFromBigEndian<quint32>(bytes.constData() + at + offset); };
    return at < 0 ? std::pair<quint32, quint32>{} : std::pair{field(8), field(12)};
}

TEST(Mp3TagReaderTest, ConstantRateLameFilesGiveTheirFramesRate)
{
    Mp3TagReader reader;
    for (const int rate : {128, 160, 192, 320}) {
        const QString path = lameFile(QString("cbr%1.mp3").arg(rate), {"-b", QString::number(rate)});
        const auto [frames, bytes] = lameHeaderCounts(path, "Info");
        // The stream average that the "Info" header gives is above the rate.
        const double average = bytes * 8.0 / (frames * 1152.0 / 44100.0) / 1000.0;
        EXPECT_GE(std::lround(average), rate + 1) << rate;
        reader.Open(path);
        ASSERT_TRUE(reader.Header().has_value());
        EXPECT_EQ(reader.Header()->Bitrate, rate);
        EXPECT_EQ(reader.Header()->Duration, 2);
    }
}

TEST(Mp3TagReaderTest, VariableRateLameFileGivesTheXingAverage)
{
    const QString path = lameFile("vbr.mp3", {"-V", "4"});
    const auto [frames, bytes] = lameHeaderCounts(path, "Xing");
    ASSERT_GT(frames, 0u);
    const double average = bytes * 8.0 / (frames * 1152.0 / 44100.0) / 1000.0;
    Mp3TagReader reader;
    reader.Open(path);
    ASSERT_TRUE(reader.Header().has_value());
    EXPECT_NEAR(reader.Header()->Bitrate, average, 1.0);
}

TEST(Mp3TagReaderTest, Id3v1FieldsAreWindows1252)
{
    // TagLib writes ID3v1 text as Latin-1, so code points 0x80-0x9F land as those bytes,
    // which the Windows code page reads as the euro and trade mark signs.
    Mp3Content content;
    content.id3v1 = TagContent{.title = QString("Caf\u00e9 ") + QChar(0x80) + QChar(0x99),
                               .artist = "Artist",
                               .album = "Album",
                               .comment = "Comment",
                               .genre = "Rock",
                               .year = 1999};
    content.id3v1->title += QChar(0x81); // undefined in the code page: kept as its own code
    const QString path = mediaFolder() + "/v1.mp3";
    test::writeMp3(path, content);

    Mp3TagReader reader;
    reader.Open(path);
    const TagInfo& tags = reader.Tags();
    ASSERT_TRUE(tags.HasID3v1);
    EXPECT_FALSE(tags.HasID3v2);
    EXPECT_TRUE(reader.HasTag());
    EXPECT_EQ(tags.ID3v1.Title, QString("Caf\u00e9 \u20ac\u2122") + QChar(0x81));
    EXPECT_EQ(tags.ID3v1.Artist, "Artist");
    EXPECT_EQ(tags.ID3v1.Album, "Album");
    EXPECT_EQ(tags.ID3v1.Comment, "Comment");
    EXPECT_EQ(tags.ID3v1.Year, "1999");
    EXPECT_EQ(tags.ID3v1.GenreCode, 17);
    EXPECT_EQ(ID3v1Fields::GenreName(17), "Rock");
    EXPECT_EQ(ID3v1Fields::GenreName(255), "");
    EXPECT_EQ(reader.Tag().Comment, "Comment");
    EXPECT_EQ(reader.Tag().Year, "1999");
}

TEST(Mp3TagReaderTest, Id3v1TextIsDecodedOnceAndTheYearKeptAsWritten)
{
    const QByteArray quoted = "It\x92s \x93quoted\x94 \x80 \x96 x";
    const QString quotedText = u"It\u2019s \u201cquoted\u201d \u20ac \u2013 x"_qs;
    struct Case
    {
        test::RawId3v1 tag;
        QString title;
        QString comment;
        QString year;
    };
    const Case cases[] = {
        {{.title = "\x93T\x94", .year = "1999", .comment = quoted, .track = 7},
         u"\u201cT\u201d"_qs,
         quotedText,
         "1999"},
        {{.title = "T", .year = "c.99", .comment = quoted}, "T", quotedText, "c.99"},
        {{.title = "T", .year = "199?", .comment = "c", .track = 1}, "T", "c", "199?"},
        {{.title = "  T ", .year = " 99", .comment = "  "}, "  T", "", " 99"}, // only the end is padding
        {{.title = "T", .comment = QByteArray(28, '\x85'), .track = 200}, "T", QString(28, u'\u2026'), ""},
    };
    Mp3TagReader reader;
    for (const Case& c : cases) {
        const QString path = mediaFolder() + "/raw-v1.mp3";
        test::writeMp3(path, {.rawId3v1 = test::rawId3v1Tag(c.tag)});
        reader.Open(path);
        const TagInfo& tags = reader.Tags();
        ASSERT_TRUE(tags.HasID3v1) << c.title.toStdString();
        EXPECT_EQ(tags.ID3v1.Title, c.title);
        EXPECT_EQ(tags.ID3v1.Comment, c.comment) << c.title.toStdString();
        EXPECT_EQ(tags.ID3v1.Year, c.year);
        EXPECT_EQ(tags.Comment, c.comment);
        EXPECT_EQ(tags.Year, c.year);
    }
}

TEST(Mp3TagReaderTest, Id3v2FieldsCommentAndGenre)
{
    Mp3Content content;
    content.id3v2 = TagContent{.title = "\u03a9mega \u266b",
                               .artist = "Artist 2",
                               .album = "Album 2",
                               .comment = "Long comment beyond thirty characters",
                               .genre = "Rock",
                               .year = 2004};
    const QString path = mediaFolder() + "/v2.mp3";
    test::writeMp3(path, content);

    Mp3TagReader reader;
    reader.Open(path);
    const TagInfo& tags = reader.Tags();
    ASSERT_TRUE(tags.HasID3v2);
    EXPECT_FALSE(tags.HasID3v1);
    EXPECT_EQ(tags.ID3v2.Title, "\u03a9mega \u266b");
    EXPECT_EQ(tags.ID3v2.Artist, "Artist 2");
    EXPECT_EQ(tags.ID3v2.Album, "Album 2");
    EXPECT_EQ(tags.ID3v2.Year, "2004");
    EXPECT_EQ(tags.ID3v2.Genre, "Rock");
    EXPECT_EQ(tags.Comment, "Long comment beyond thirty characters");
    EXPECT_EQ(tags.Year, "2004");
    EXPECT_EQ(tags.ID3v1.GenreCode, 255);
    ASSERT_TRUE(reader.Header().has_value());
    EXPECT_EQ(reader.Header()->Frequency, 44100);
}

TEST(Mp3TagReaderTest, TheId3v2YearIsItsTextUpToFourCharacters)
{
    struct Case
    {
        QString written;
        int version;
        QString read;
    };
    const Case cases[] = {
        {"199?", 3, "199?"}, {"199?", 4, "199?"}, {"1999-05-12", 4, "1999"}, {"c.99", 4, "c.99"}, {"2004", 3, "2004"}};
    Mp3TagReader reader;
    for (const Case& c : cases) {
        const QString path = mediaFolder() + "/year.mp3";
        test::writeMp3(path, {.id3v2 = TagContent{.title = "t", .yearText = c.written}, .id3v2Version = c.version});
        reader.Open(path);
        EXPECT_EQ(reader.Tag().ID3v2.Year, c.read) << c.written.toStdString() << " v2." << c.version;
        EXPECT_EQ(reader.Tag().Year, c.read);
    }
}

TEST(Mp3TagReaderTest, AReleaseYearIsTheYearWhereNoRecordingYearIs)
{
    struct Case
    {
        QStringList eyeD3;
        QString read;
    };
    const Case cases[] = {{{"-Y", "1999"}, "1999"}, {{"-Y", "1999", "--recording-date", "1998"}, "1998"}};
    Mp3TagReader reader;
    for (const Case& c : cases) {
        const QString path = mediaFolder() + "/release-year.mp3";
        test::makeTaggedMp3(path, {}, QStringList{"--to-v2.4"} + c.eyeD3);
        reader.Open(path);
        EXPECT_EQ(reader.Tag().ID3v2.Year, c.read) << c.eyeD3.join(' ').toStdString();
    }
}

TEST(Mp3TagReaderTest, AGenreTextGivesOneCodeAndTheProgramsName)
{
    struct Case
    {
        QString text;
        std::optional<int> code; // nothing: the text gives no code, and the tag no genre code
        QString read;
    };
    const Case cases[] = {
        {"0", 0, "Blues"},
        {"(0)", 0, "Blues"},
        {"(0)Blues", 0, "Blues"},
        {"13", 13, "Pop"},
        {"(13)", 13, "Pop"},
        {"(13)Pop", 13, "Pop"},
        {"Pop", 13, "Pop"},
        {" rock ", 17, "Rock"},
        {"Alternative Rock", 40, "Alt. Rock"}, // as TagLib and LAME name 40
        {"Folk-Rock", 81, "Folk/Rock"},        // as LAME, eyeD3 and mutagen name 81
        {"Psychadel. Rock", 93, "Psychadel. Rock"},
        {"Fusion", 30, "Fusion"},
        {"Fast Fusion", 84, "Fusion"},
        {"12.0", 12, "Other"},
        {"17.9", 17, "Rock"},
        {"147", 147, "Synthpop"},
        {"148", 148, ""},
        {"255", 255, ""}, // no genre, as in an ID3v1 tag
        {"999", 255, ""},
        {"Synthwave", {}, "Synthwave"},
        {"", {}, ""},
    };
    const QString path = mediaFolder() + "/genre.mp3";
    Mp3TagReader reader;
    for (const Case& c : cases) {
        EXPECT_EQ(Id3Genres::codeOfText(c.text), c.code) << c.text.toStdString();
        test::writeMp3(path, {.id3v2 = TagContent{.title = "t", .genre = c.text}});
        reader.Open(path);
        EXPECT_EQ(reader.Tag().ID3v2.GenreCode, c.code.value_or(Id3Genres::NoGenre)) << c.text.toStdString();
        EXPECT_EQ(reader.Tag().ID3v2.Genre, c.read) << c.text.toStdString();
    }
}

TEST(Mp3TagReaderTest, GenresGivenByCodeOrReferenceGiveTheirCode)
{
    struct Case
    {
        QString tagged; // by LAME "--tg", else by eyeD3 as the text of a version 2.3 genre frame
        QString read;
        int code;
    };
    const Case cases[] = {{"--tg 84", "Fusion", 84},      {"--tg 40", "Alt. Rock", 40}, {"(84)", "Fusion", 84},
                          {"84", "Fusion", 84},           {"(17)Rock", "Rock", 17},     {"(40)", "Alt. Rock", 40},
                          {"Synthwave", "Synthwave", 255}};
    const QString path = mediaFolder() + "/tagger-genre.mp3";
    Mp3TagReader reader;
    for (const Case& c : cases) {
        if (c.tagged.startsWith("--tg"))
            test::makeTaggedMp3(path, QStringList{"--add-id3v2"} + c.tagged.split(' '));
        else
            test::makeTaggedMp3(path, {}, {"--to-v2.3", "--text-frame", "TCON:" + c.tagged});
        reader.Open(path);
        EXPECT_EQ(reader.Tag().ID3v2.Genre, c.read) << c.tagged.toStdString();
        EXPECT_EQ(reader.Tag().ID3v2.GenreCode, c.code) << c.tagged.toStdString();
    }
}

TEST(Mp3TagReaderTest, TagCommentAndYearFallBackToId3v1)
{
    Mp3Content content;
    content.id3v1 = TagContent{.title = "Old", .comment = "v1 comment", .year = 1987};
    content.id3v2 = TagContent{.title = "New"};
    const QString path = mediaFolder() + "/both.mp3";
    test::writeMp3(path, content);

    Mp3TagReader reader;
    reader.Open(path);
    EXPECT_TRUE(reader.Tags().HasID3v1);
    EXPECT_TRUE(reader.Tags().HasID3v2);
    EXPECT_EQ(reader.Tags().ID3v2.Title, "New");
    EXPECT_EQ(reader.Tags().ID3v1.Title, "Old");
    EXPECT_EQ(reader.Tags().Comment, "v1 comment");
    EXPECT_EQ(reader.Tags().Year, "1987");
}

bool isOpenInThisProcess(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir descriptors("/proc/self/fd");
    for (const QString& name : descriptors.entryList(QDir::Files | QDir::System)) {
        if (QFileInfo(descriptors.filePath(name)).symLinkTarget() == target)
            return true;
    }
    return false;
}

TEST(Mp3TagReaderTest, OpenForgetsThePreviousFileAndKeepsNoFileOpen)
{
    Mp3Content tagged;
    tagged.id3v1 = TagContent{.title = "Title", .artist = "Artist"};
    tagged.id3v2 = TagContent{.title = "Title", .artist = "Artist"};
    const QString taggedPath = mediaFolder() + "/tagged.mp3";
    test::writeMp3(taggedPath, tagged);
    const QString textPath = mediaFolder() + "/notes.mp3";
    test::writeBytes(textPath, QByteArray("Not an MPEG stream at all, just some words.\n").repeated(50));

    Mp3TagReader reader;
    reader.Open(taggedPath);
    ASSERT_TRUE(reader.HasTag());
    EXPECT_FALSE(isOpenInThisProcess(taggedPath));

    for (const QString& unreadable : QStringList{textPath, mediaFolder() + "/missing.mp3", mediaFolder()}) {
        reader.Open(taggedPath);
        reader.Open(unreadable);
        EXPECT_FALSE(reader.Header().has_value()) << unreadable.toStdString();
        EXPECT_FALSE(reader.HasTag());
        EXPECT_EQ(reader.Tags().ID3v1.Title, "");
        EXPECT_EQ(reader.Tags().ID3v2.Artist, "");
        EXPECT_EQ(reader.Tags().ID3v1.GenreCode, 255);
    }
}

} // namespace
} // namespace twinsweep
