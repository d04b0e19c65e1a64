#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace twinsweep::test {

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

/// Fields of an ID3 tag written with TagLib. An ID3v1 tag keeps the first 30
/// characters of each text.
struct TagContent
{
    QString title{};
    QString artist{};
    QString album{};
    QString comment{};
    QString genre{}; // a name from the ID3v1 genre list, or free text in ID3v2
    unsigned year = 0;
    QString yearText{}; // ID3v2 only: the year frame's text as a tagger wrote it, in place of `year`
};

/// A Xing header in the first frame: a variable-rate stream of `frames` frames and
/// `bytes` bytes, whatever the file really holds.
struct XingContent
{
    quint32 frames = 0;
    quint32 bytes = 0;
};

/// A small valid MP3 file: `frames` silent frames of one constant bit rate (at least
/// two, so the stream can be recognised), with optional Xing header and tags.
/// `bitrate` and `sampleRate` must be valid for the version and layer. For layer I
/// choose a sample rate that divides 12,000 x bitrate (the 48,000 and 32,000 Hz families
/// mostly): TagLib measures layer I frames without rounding to whole slots.
struct Mp3Content
{
    MpegVersion version = MpegVersion::Mpeg1;
    int layer = 3;
    int bitrate = 128; // kbit/s
    int sampleRate = 44100;
    int frames = 4;
    std::optional<XingContent> xing{};
    std::optional<TagContent> id3v1{};
    std::optional<TagContent> id3v2{};
    int id3v2Version = 4;                 // 3 stores the year as "TYER", 4 as "TDRC"
    std::optional<QByteArray> rawId3v1{}; // 128 bytes appended as they are; not with `id3v1`
};

/// An ID3v1 tag byte for byte as a tagger may write it: "TAG", each field's bytes padded
/// with blanks to its width, the genre. With a track the comment takes 28 bytes, then a
/// zero byte and the track (ID3v1.1).
struct RawId3v1
{
    QByteArray title{};
    QByteArray artist{};
    QByteArray album{};
    QByteArray year{};
    QByteArray comment{};
    quint8 track = 0;
    quint8 genre = 255;
};
QByteArray rawId3v1Tag(const RawId3v1& tag);

/// Bytes of one unpadded frame of `content`'s stream.
qsizetype mpegFrameBytes(const Mp3Content& content);
/// Samples per channel in one frame of `content`'s stream.
int mpegFrameSamples(const Mp3Content& content);

/// Writes the file (replacing one already there); a failure fails the running test.
void writeMp3(const QString& path, const Mp3Content& content);

/// A canonical 44-byte-header WAV file: "RIFF", "WAVE", a 16-byte "fmt " chunk and a
/// "data" chunk of `dataBytes` bytes of silence.
struct WavContent
{
    qint16 formatTag = 1; // PCM
    qint16 channels = 2;
    qint32 sampleRate = 44100;
    qint16 bitsPerSample = 16;
    std::optional<qint32> bytesPerSecond{}; // default: sampleRate * channels * bitsPerSample / 8
    qint64 dataBytes = 0;
};
inline constexpr qint64 WavHeaderBytes = 44;

void writeWav(const QString& path, const WavContent& content);

/// Building blocks for unusual or damaged RIFF files.
/// A chunk with its 8-byte header; odd-sized data is followed by a pad byte. `sizeField`
/// replaces the size written in the header.
QByteArray riffChunk(QByteArrayView id, QByteArrayView data, std::optional<qint32> sizeField = {});
/// The "fmt " chunk of `content`.
QByteArray waveFormatChunk(const WavContent& content);
/// "RIFF", the size of the rest, "WAVE", then `chunks`.
QByteArray riffWave(const QByteArray& chunks);

/// Writes `bytes` to `path`, replacing the file; a failure fails the running test.
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace twinsweep::test
