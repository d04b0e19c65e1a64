#include "MediaFiles.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <array>

#include <id3v1tag.h>
#include <id3v2tag.h>
#include <mpegfile.h>
#include <textidentificationframe.h>

namespace twinsweep::test {

namespace {

int versionRow(MpegVersion version)
{
    return version == MpegVersion::Mpeg1 ? 0 : 1;
}

int bitrateIndex(const Mp3Content& content)
{
    static const std::array<std::array<std::array<int, 15>, 3>, 2> table{{
        {{{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
          {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
          {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}}},
        {{{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
          {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
          {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}},
    }};
    const auto& rates = table[size_t(versionRow(content.version))][size_t(content.layer - 1)];
    for (size_t index = 1; index < rates.size(); ++index) {
        if (rates[index] == content.bitrate)
            return int(index);
    }
    ADD_FAILURE() << "no such bit rate for this version and layer: " << content.bitrate;
    return 1;
}

int sampleRateIndex(const Mp3Content& content)
{
    static const std::array<std::array<int, 3>, 3> table{
        {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}}};
    const auto& rates = table[size_t(content.version)];
    for (size_t index = 0; index < rates.size(); ++index) {
        if (rates[index] == content.sampleRate)
            return int(index);
    }
    ADD_FAILURE() << "no such sample rate for this version: " << content.sampleRate;
    return 0;
}

QByteArray frameHeader(const Mp3Content& content)
{
    static const std::array<int, 3> versionBits{0b11, 0b10, 0b00};
    QByteArray header(4, '\0');
    header[0] = char(0xFF);
    // Sync, version, layer and protection; then bit rate and sample rate; stereo. An
    // MPEG-1 layer I frame says it carries a CRC: readers take no frame for one that
    // begins 0xFFFF.
    const int noCrc = content.version == MpegVersion::Mpeg1 && content.layer == 1 ? 0 : 1;
    header[1] = char(0xE0 | (versionBits[size_t(content.version)] << 3) | ((4 - content.layer) << 1) | noCrc);
    header[2] = char((bitrateIndex(content) << 4) | (sampleRateIndex(content) << 2));
    return header;
}

QByteArray silentFrame(const Mp3Content& content)
{
    QByteArray frame = frameHeader(content);
    frame.resize(mpegFrameBytes(content), '\0');
    return frame;
}

QByteArray xingFrame(const Mp3Content& content, const XingContent& xing)
{
    // The header follows the side information of a stereo layer III frame.
    const qsizetype offset = 4 + (content.version == MpegVersion::Mpeg1 ? 32 : 17);
    QByteArray frame = silentFrame(content);
    QByteArray fields("Xing");
    for (const quint32 value : {quint32(0x3), xing.frames, xing.bytes}) { // flags: frames and bytes present
        char bytes[4];
        qToBigEndian(value, bytes);
        fields.append(bytes, 4);
    }
    frame.replace(offset, fields.size(), fields);
    return frame;
}

template <typename Tag> void fillTag(Tag& tag, const TagContent& content)
{
    tag.setTitle(TagLib::String(content.title.toStdString(), TagLib::String::UTF8));
    tag.setArtist(TagLib::String(content.artist.toStdString(), TagLib::String::UTF8));
    tag.setAlbum(TagLib::String(content.album.toStdString(), TagLib::String::UTF8));
    tag.setComment(TagLib::String(content.comment.toStdString(), TagLib::String::UTF8));
    tag.setGenre(TagLib::String(content.genre.toStdString(), TagLib::String::UTF8));
    tag.setYear(content.year);
}

void fillTag(TagLib::ID3v2::Tag& tag, const TagContent& content)
{
    fillTag<TagLib::Tag>(tag, content);
    if (content.yearText.isEmpty())
        return;
    // Version 3 writes this frame as "TYER", with the year's first four characters.
    auto* year = new TagLib::ID3v2::TextIdentificationFrame("TDRC", TagLib::String::Latin1);
    year->setText(TagLib::String(content.yearText.toStdString(), TagLib::String::UTF8));
    tag.removeFrames("TDRC");
    tag.addFrame(year);
}

void writeTags(const QString& path, const Mp3Content& content)
{
    // The writing file object is gone before anyone reads the file again.
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    int kinds = TagLib::MPEG::File::NoTags;
    if (content.id3v1) {
        fillTag(*file.ID3v1Tag(true), *content.id3v1);
        kinds |= TagLib::MPEG::File::ID3v1;
    }
    if (content.id3v2) {
        fillTag(*file.ID3v2Tag(true), *content.id3v2);
        kinds |= TagLib::MPEG::File::ID3v2;
    }
    const auto version = content.id3v2Version == 3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4;
    EXPECT_TRUE(file.save(kinds, TagLib::File::StripNone, version, TagLib::File::DoNotDuplicate)) << path.toStdString();
}

} // namespace

qsizetype mpegFrameBytes(const Mp3Content& content)
{
    const qint64 bitsPerSecond = qint64(content.bitrate) * 1000;
    if (content.layer == 1)
        return qsizetype(12 * bitsPerSecond / content.sampleRate * 4);
    const int slots = content.layer == 3 && content.version != MpegVersion::Mpeg1 ? 72 : 144;
    return qsizetype(slots * bitsPerSecond / content.sampleRate);
}

int mpegFrameSamples(const Mp3Content& content)
{
    if (content.layer == 1)
        return 384;
    return content.layer == 3 && content.version != MpegVersion::Mpeg1 ? 576 : 1152;
}

void writeMp3(const QString& path, const Mp3Content& content)
{
    QByteArray stream = content.xing ? xingFrame(content, *content.xing) : QByteArray();
    const QByteArray frame = silentFrame(content);
    for (int i = 0; i < std::max(content.frames, 2); ++i)
        stream += frame;
    writeBytes(path, content.rawId3v1 ? stream + *content.rawId3v1 : stream);
    if (content.id3v1 || content.id3v2)
        writeTags(path, content);
}

QByteArray rawId3v1Tag(const RawId3v1& tag)
{
    const auto field = [](const QByteArray& bytes, qsizetype width) { return bytes.leftJustified(width, ' ', true); };
    QByteArray comment = field(tag.comment, 30);
    if (tag.track != 0)
        comment = field(tag.comment, 28) + '\0' + char(tag.track);
    return "TAG" + field(tag.title, 30) + field(tag.artist, 30) + field(tag.album, 30) + field(tag.year, 4) + comment +
           char(tag.genre);
}

QByteArray riffChunk(QByteArrayView id, QByteArrayView data, std::optional<qint32> sizeField)
{
    QByteArray chunk = id.toByteArray();
    char size[4];
    qToLittleEndian(sizeField.value_or(qint32(data.size())), size);
    chunk.append(size, 4);
    chunk += data;
    if (data.size() % 2 != 0)
        chunk += '\0';
    return chunk;
}

QByteArray waveFormatChunk(const WavContent& content)
{
    const qint32 bytesPerSecond =
        content.bytesPerSecond.value_or(content.sampleRate * content.channels * content.bitsPerSample / 8);
    QByteArray data(16, '\0');
    qToLittleEndian(content.formatTag, data.data());
    qToLittleEndian(content.channels, data.data() + 2);
    qToLittleEndian(content.sampleRate, data.data() + 4);
    qToLittleEndian(bytesPerSecond, data.data() + 8);
    qToLittleEndian(qint16(content.channels * content.bitsPerSample / 8), data.data() + 12);
    qToLittleEndian(content.bitsPerSample, data.data() + 14);
    return riffChunk("fmt ", data);
}

QByteArray riffWave(const QByteArray& chunks)
{
    char size[4];
    qToLittleEndian(qint32(chunks.size() + 4), size);
    return "RIFF" + QByteArray(size, 4) + "WAVE" + chunks;
}

void writeWav(const QString& path, const WavContent& content)
{
    const QByteArray chunks = waveFormatChunk(content) + riffChunk("data", QByteArray(content.dataBytes, '\0'));
    writeBytes(path, riffWave(chunks));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

} // namespace twinsweep::test
