#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include "FakeServices.h"
#include "MediaFiles.h"
#include "TestEnvironment.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MediaFileReader.h"
#include "platform/VolumeLayer.h"
#include "platform/Mp3TagReader.h"
#include "platform/SettingKeys.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

using test::Mp3Content;
using test::TagContent;
using test::WavContent;

const QString Searching = "Searching and adding media files to list. Please wait...   ";

class MediaFileReaderTest : public ::testing::Test
{
protected:
    MediaFileReaderTest()
    {
        QDir().mkpath(folder);
        QObject::connect(&reader, &MediaFileReader::currentFileChanged,
                         [this](const QString& filename) { announced << filename; });
    }

    const FileRecord& collect(const QString& filename)
    {
        reader.DirEx_CurrentFile(folder, filename);
        return catalogue.ListFiles.back();
    }

    const QueryRow& queue(const QString& filename)
    {
        reader.TargetList = ListTarget::query;
        reader.DirEx_CurrentFile(folder, filename);
        return query.row(query.size() - 1);
    }

    QString fileSize(const QString& filename) const { return QString::number(QFileInfo(folder + filename).size()); }

    test::FakeServices fake;
    Catalogue catalogue;
    QueryList query;
    Mp3TagReader tagReader;
    MediaFileReader reader{catalogue, query, tagReader, fake.services};
    QString folder = test::scratchRoot() + "/media-" + QUuid::createUuid().toString(QUuid::WithoutBraces) + "/";
    QStringList announced;
};

// ---- MP3 files in the collection ----

enum class TagKind { Both, OnlyV1, OnlyV2, None };
enum class Block { V1, V2, Empty, NoBlock }; // whose values the row ends with

const TagContent V1Tag{.title = "One", .artist = "A1", .album = "B1", .comment = "C1", .year = 1991};
const TagContent V2Tag{.title = "Two", .artist = "A2", .album = "B2", .comment = "C2", .year = 2002};

struct BlockCase
{
    std::optional<QString> setting; // empty: the key is absent
    TagKind kind;
    Block block;
};

QStringList tagTexts(const FileRecord& record)
{
    QStringList texts;
    for (const Field field : {Field::Title, Field::Artist, Field::Album, Field::Comment, Field::Year})
        texts << record.value(field);
    return texts;
}

QStringList expectedTexts(Block block, TagKind kind)
{
    const bool hasV1 = kind == TagKind::Both || kind == TagKind::OnlyV1;
    const bool hasV2 = kind == TagKind::Both || kind == TagKind::OnlyV2;
    if (block == Block::V1 && hasV1)
        return {"One", "A1", "B1", "C1", "1991"};
    if (block == Block::V2 && hasV2)
        return {"Two", "A2", "B2", "C2", "2002"};
    return {"", "", "", "", ""};
}

void PrintTo(const BlockCase& c, std::ostream* out)
{
    static const char* const kinds[] = {"both tags", "only ID3v1", "only ID3v2", "no tag"};
    *out << "ID3 " << (c.setting ? '"' + c.setting->toStdString() + '"' : "absent") << ", " << kinds[int(c.kind)];
}

class TagBlockTest : public MediaFileReaderTest, public ::testing::WithParamInterface<BlockCase>
{};

TEST_P(TagBlockTest, Id3SettingChoosesTheTagVersion)
{
    const BlockCase& c = GetParam();
    if (c.setting)
        fake.settings.setValue(Settings::ID3, *c.setting);
    Mp3Content content{.frames = 120}; // a little over three seconds
    if (c.kind == TagKind::Both || c.kind == TagKind::OnlyV1)
        content.id3v1 = V1Tag;
    if (c.kind == TagKind::Both || c.kind == TagKind::OnlyV2)
        content.id3v2 = V2Tag;
    test::writeMp3(folder + "song.mp3", content);

    const FileRecord& record = collect("song.mp3");
    EXPECT_EQ(record.value(Field::Filename), "song.mp3");
    EXPECT_EQ(record.value(Field::Path), folder);
    EXPECT_EQ(record.value(Field::FileSize), fileSize("song.mp3"));
    EXPECT_EQ(record.value(Field::NodeNR), "1");
    EXPECT_EQ(tagTexts(record), expectedTexts(c.block, c.kind));
    const bool streamWritten = c.block != Block::NoBlock;
    const QStringList stream{record.value(Field::Duration), record.value(Field::Frequency),
                             record.value(Field::Bitrate), record.value(Field::MpegLayer),
                             record.value(Field::MpegVersion)};
    const QStringList expected =
        streamWritten ? QStringList{"3", "44100", "128", "3", "1.0"} : QStringList{"", "", "", "", ""};
    EXPECT_EQ(stream, expected);
}

// A choice that is no number passes every choice test, so all four choice blocks run and
// the ID3v1 one comes last; a number other than 0 and 1 passes none of them.
INSTANTIATE_TEST_SUITE_P(
    SettingAndTags, TagBlockTest,
    ::testing::Values(BlockCase{"1", TagKind::Both, Block::V2}, BlockCase{"1", TagKind::OnlyV1, Block::V1},
                      BlockCase{"1", TagKind::OnlyV2, Block::V2}, BlockCase{"1", TagKind::None, Block::Empty},
                      BlockCase{std::nullopt, TagKind::Both, Block::V2},
                      BlockCase{std::nullopt, TagKind::OnlyV1, Block::V1},
                      BlockCase{std::nullopt, TagKind::None, Block::Empty}, BlockCase{"0", TagKind::Both, Block::V1},
                      BlockCase{"0", TagKind::OnlyV1, Block::V1}, BlockCase{"0", TagKind::OnlyV2, Block::V2},
                      BlockCase{"0", TagKind::None, Block::Empty}, BlockCase{" 1.0 ", TagKind::Both, Block::V2},
                      BlockCase{"2", TagKind::Both, Block::NoBlock}, BlockCase{"2", TagKind::OnlyV1, Block::NoBlock},
                      BlockCase{"-1", TagKind::OnlyV2, Block::NoBlock}, BlockCase{"2", TagKind::None, Block::Empty},
                      BlockCase{"abc", TagKind::Both, Block::V1}, BlockCase{"abc", TagKind::OnlyV2, Block::V1},
                      BlockCase{"", TagKind::OnlyV2, Block::V1}, BlockCase{"abc", TagKind::None, Block::Empty}));

TEST_F(MediaFileReaderTest, ExtensionDecidesTheReaderWhateverItsCase)
{
    const Mp3Content content{.frames = 120, .id3v2 = V2Tag};
    for (const QString& name : QStringList{"song.Mp3", "SONG.MP3", "song.mp3x"})
        test::writeMp3(folder + name, content);
    test::writeWav(folder + "take.WaV", WavContent{.dataBytes = 176400});

    EXPECT_EQ(collect("song.Mp3").value(Field::Title), "Two");
    EXPECT_EQ(collect("SONG.MP3").value(Field::Duration), "3");
    EXPECT_EQ(collect("take.WaV").value(Field::Duration), "1");

    const FileRecord& other = collect("song.mp3x");
    EXPECT_EQ(other.value(Field::Filename), "song.mp3x");
    EXPECT_EQ(other.value(Field::Path), folder);
    EXPECT_EQ(other.value(Field::NodeNR), "1");
    for (int column = int(Field::FileSize); column < int(Field::NodeNR); ++column)
        EXPECT_EQ(other.value(column), "") << column;
}

// ---- WAV files in both modes ----

struct WavDurationCase
{
    qint64 fileBytes;
    QString collectionDuration;
    QString queryDuration;
};

void PrintTo(const WavDurationCase& c, std::ostream* out)
{
    *out << c.fileBytes << " bytes";
}

class WavDurationTest : public MediaFileReaderTest, public ::testing::WithParamInterface<WavDurationCase>
{};

TEST_P(WavDurationTest, CollectionRoundsDownQueryRoundsToEven)
{
    const WavDurationCase& c = GetParam();
    test::writeWav(folder + "take.wav", WavContent{.dataBytes = c.fileBytes - test::WavHeaderBytes});

    const FileRecord& record = collect("take.wav");
    EXPECT_EQ(record.value(Field::FileSize), QString::number(c.fileBytes));
    EXPECT_EQ(record.value(Field::Duration), c.collectionDuration);
    EXPECT_EQ(record.value(Field::Frequency), "44100");
    EXPECT_EQ(record.value(Field::Bitrate), "1411");
    EXPECT_EQ(record.value(Field::MpegLayer), "Uncopyright (PCM)");
    EXPECT_EQ(record.value(Field::MpegVersion), "");
    EXPECT_EQ(record.value(Field::Title), "");

    EXPECT_EQ(queue("take.wav").Duration, c.queryDuration);
}

// 176,400 bytes per second: 10.0002 s, 2.5 s, 3.5 s, 10.5 s.
INSTANTIATE_TEST_SUITE_P(Lengths, WavDurationTest,
                         ::testing::Values(WavDurationCase{1764044, "10", "00:10"},
                                           WavDurationCase{441000, "2", "00:02"}, WavDurationCase{617400, "3", "00:04"},
                                           WavDurationCase{1852200, "10", "00:10"}));

// ---- Files that cannot be read ----

TEST_F(MediaFileReaderTest, UnreadableFilesGetEmptyValuesNotThePreviousFiles)
{
    Mp3Content tagged{.frames = 120, .id3v1 = V1Tag, .id3v2 = V2Tag};
    test::writeMp3(folder + "good.mp3", tagged);
    test::writeWav(folder + "good.wav", WavContent{.dataBytes = 176400});
    test::writeBytes(folder + "notes.mp3", QByteArray("plain words, no sound\n").repeated(40));
    test::writeBytes(folder + "notes.wav", QByteArray("plain words, no sound\n").repeated(40));
    QFile good(folder + "good.wav");
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    test::writeBytes(folder + "cut.wav", good.read(30)); // the format chunk is cut short
    test::writeBytes(folder + "cut-frame.mp3", QByteArray("\xFF\xFB\x90\x00", 4) + QByteArray(100, '\0'));

    for (const QString& name : QStringList{"notes.mp3", "notes.wav", "cut.wav", "cut-frame.mp3"}) {
        collect(name.endsWith("mp3") ? "good.mp3" : "good.wav");
        const FileRecord& record = collect(name);
        EXPECT_EQ(record.value(Field::FileSize), fileSize(name)) << name.toStdString();
        for (const Field field : {Field::Duration, Field::Frequency, Field::Bitrate, Field::Title, Field::Comment,
                                  Field::MpegLayer, Field::MpegVersion})
            EXPECT_EQ(record.value(field), "") << name.toStdString() << " column " << int(field);

        const QueryRow& row = queue(name);
        EXPECT_EQ(row.Duration, "") << name.toStdString();
        EXPECT_TRUE(row.Checked);
        reader.TargetList = ListTarget::ListFiles;
    }
}

TEST_F(MediaFileReaderTest, VanishedFileStillGetsItsRow)
{
    for (const QString& name : QStringList{"gone.mp3", "gone.wav"}) {
        const FileRecord& record = collect(name);
        EXPECT_EQ(record.value(Field::Filename), name);
        EXPECT_EQ(record.value(Field::Path), folder);
        EXPECT_EQ(record.value(Field::NodeNR), "1");
        for (int column = int(Field::FileSize); column < int(Field::NodeNR); ++column)
            EXPECT_EQ(record.value(column), "") << name.toStdString() << " column " << column;

        const QueryRow& row = queue(name);
        EXPECT_EQ(row.Duration, "");
        EXPECT_EQ(row.Collection, SystemVolumeInfo().mountPointOf(folder));
        reader.TargetList = ListTarget::ListFiles;
    }
    EXPECT_EQ(catalogue.ListFiles.size(), 2u);
    EXPECT_EQ(query.size(), 2);
}

// ---- Volume number ----

TEST_F(MediaFileReaderTest, NewRowsBelongToTheNextVolumeOrTheOneRescanned)
{
    struct Case
    {
        int volumes;
        QString updateTag;
        int selected;
        QString nodeNR;
    };
    const std::vector<Case> cases{
        {0, "", 0, "1"}, {2, "", 1, "3"}, {3, "1", 3, "3"}, {3, "1", 2, "2"}, {2, "1", 0, ""}};
    for (const Case& c : cases) {
        catalogue.clearCollection();
        for (int i = 1; i <= c.volumes; ++i)
            catalogue.TreeView1.add({"/media/v" + QString::number(i), "1", "Volume " + QString::number(i)});
        catalogue.TreeView1.select(c.selected);
        catalogue.UpdatevolumeTag = c.updateTag;
        EXPECT_EQ(collect("gone.mp3").value(Field::NodeNR), c.nodeNR) << c.volumes << " " << c.selected;
    }
}

// ---- Query mode ----

TEST_F(MediaFileReaderTest, QueryModeAddsCheckedRowsWithMinutesAndMountPoint)
{
    // 142,598 frames of 1,152 samples at 44,100 Hz: 3,725 seconds.
    test::writeMp3(folder + "long.mp3", Mp3Content{.xing = test::XingContent{142598, 59600000}});
    test::writeWav(folder + "take.wav", WavContent{.dataBytes = 176400 * 3});
    test::writeBytes(folder + "cover.jpg", "not media");

    const QueryRow mp3 = queue("long.mp3");
    EXPECT_EQ(fake.status.current, "Folder contents added to query.");
    const QueryRow wav = queue("take.wav");
    EXPECT_EQ(fake.status.current, "Folder contents item(s) added to query.");
    const QueryRow other = queue("cover.jpg");
    EXPECT_EQ(fake.status.current, Searching);

    EXPECT_EQ(mp3.Filename, "long.mp3");
    EXPECT_EQ(mp3.Path, folder);
    EXPECT_EQ(mp3.Duration, "62:05");
    EXPECT_EQ(mp3.Collection, SystemVolumeInfo().mountPointOf(folder));
    EXPECT_FALSE(mp3.Collection.isEmpty());
    EXPECT_TRUE(mp3.Checked);
    EXPECT_EQ(wav.Duration, "00:03");
    EXPECT_TRUE(wav.Checked);
    EXPECT_EQ(other.Filename, "cover.jpg");
    EXPECT_EQ(other.Duration, "");
    EXPECT_EQ(other.Collection, "");
    EXPECT_FALSE(other.Checked);

    EXPECT_TRUE(catalogue.ListFiles.empty());
    EXPECT_EQ(announced, (QStringList{"long.mp3", "take.wav", "cover.jpg"}));
    EXPECT_EQ(fake.status.history.count(Searching), 3);
}

} // namespace
} // namespace twinsweep
