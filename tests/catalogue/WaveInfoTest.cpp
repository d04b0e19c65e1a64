#include <gtest/gtest.h>

#include <QDir>

#include "MediaFiles.h"
#include "TestEnvironment.h"
#include "catalogue/WaveInfo.h"

namespace twinsweep {
namespace {

using test::WavContent;

QString waveFolder()
{
    const QString folder = test::scratchRoot() + "/wave-info";
    QDir().mkpath(folder);
    return folder;
}

TEST(WaveInfoTest, PlainPcmFile)
{
    const QString path = waveFolder() + "/pcm.wav";
    test::writeWav(path, WavContent{.dataBytes = 1000});
    WaveInfo info;
    EXPECT_TRUE(Module1::ReadWaveInfo(path, info));
    EXPECT_EQ(info.Path, path);
    EXPECT_EQ(info.CodecName, "Uncopyright (PCM)");
    EXPECT_EQ(info.SampleRate, 44100);
    EXPECT_EQ(info.BytesPerSecond, 176400);
    EXPECT_EQ(info.Bitrate, 1411);
}

TEST(WaveInfoTest, BitRateIsByteRateTimesEightThousandthsRoundedDown)
{
    // The file length does not enter: 48,000 bytes/s stays 384 kbit/s at any length.
    const std::vector<std::tuple<qint32, qint64, qint64>> cases{
        {48000, 48126 - test::WavHeaderBytes, 384}, {48000, 2, 384}, {8000, 100, 64}, {176400, 0, 1411}, {124, 0, 0}};
    for (const auto& [bytesPerSecond, dataBytes, bitrate] : cases) {
        const QString path = waveFolder() + "/rate.wav";
        test::writeWav(path, WavContent{.bytesPerSecond = bytesPerSecond, .dataBytes = dataBytes});
        WaveInfo info;
        Module1::ReadWaveInfo(path, info);
        EXPECT_EQ(info.Bitrate, bitrate) << bytesPerSecond << " at " << dataBytes;
    }
}

TEST(WaveInfoTest, CodecNamesByFormatTag)
{
    const std::vector<std::pair<qint16, QString>> cases{{1, "Uncopyright (PCM)"},
                                                        {0x112, "VivoActive Siren"},
                                                        {3, "Unknown (3h)"},
                                                        {0, "Unknown (0h)"},
                                                        {qint16(0xFFFE), "Unknown (FFFEh)"}};
    for (const auto& [tag, name] : cases)
        EXPECT_EQ(Module1::WaveCodecName(tag), name) << tag;

    const QString path = waveFolder() + "/mpeg.wav";
    test::writeWav(path, WavContent{.formatTag = 0x55, .bytesPerSecond = 16000});
    WaveInfo info;
    Module1::ReadWaveInfo(path, info);
    EXPECT_EQ(info.CodecName, "3");
    EXPECT_EQ(info.Bitrate, 128);
}

struct WalkCase
{
    const char* name;
    QByteArray bytes;
    bool riffWave;
    QString codecName; // "" when no format is found
    qint32 sampleRate = 0;
};

QByteArray fmtChunk(qint16 tag, qint32 sampleRate)
{
    return test::waveFormatChunk(WavContent{.formatTag = tag, .sampleRate = sampleRate});
}

std::vector<WalkCase> walkCases()
{
    using test::riffChunk;
    using test::riffWave;
    const QByteArray fmt = fmtChunk(1, 22050);
    const QByteArray data = riffChunk("data", QByteArray(64, '\0'));
    return {
        {"list chunk first", riffWave(riffChunk("LIST", QByteArray(26, 'x')) + fmt + data), true, "Uncopyright (PCM)",
         22050},
        {"odd chunk with pad byte first", riffWave(riffChunk("junk", QByteArray(7, 'x')) + fmt + data), true,
         "Uncopyright (PCM)", 22050},
        {"second format wins", riffWave(fmt + fmtChunk(2, 8000) + data), true, "Microsoft ADPCM", 8000},
        {"no format chunk", riffWave(data), true, ""},
        {"negative chunk size", riffWave(riffChunk("junk", QByteArray(8, 'x'), -16) + fmt + data), true, ""},
        {"zero-sized chunks then format", riffWave(riffChunk("a   ", {}) + riffChunk("b   ", {}) + fmt), true,
         "Uncopyright (PCM)", 22050},
        {"chunk size past the end", riffWave(riffChunk("junk", QByteArray(8, 'x'), 0x7FFFFFF0) + fmt), true, ""},
        {"data size past the end after format", riffWave(fmt + riffChunk("data", QByteArray(8, '\0'), 0x7FFFFFFF)),
         true, "Uncopyright (PCM)", 22050},
        {"format record cut short", riffWave(riffChunk("junk", {}) + fmt.first(18)), true, ""},
        {"lower-case riff", "riff" + riffWave(fmt).sliced(4), false, ""},
        {"big-endian RIFX", "RIFX" + riffWave(fmt).sliced(4), false, ""},
        {"shorter than a RIFF header", QByteArray("RIFF\x04\0\0\0WAV", 11), false, ""},
        {"empty file", "", false, ""},
    };
}

TEST(WaveInfoTest, ChunkWalkSurvivesUnusualAndDamagedFiles)
{
    const QString earlier = waveFolder() + "/earlier.wav";
    test::writeWav(earlier, WavContent{.formatTag = 0x11, .sampleRate = 11025, .dataBytes = 100});
    const QString path = waveFolder() + "/walk.wav";
    for (const WalkCase& c : walkCases()) {
        // Values of a file read before never stand in for a file without them.
        WaveInfo info;
        Module1::ReadWaveInfo(earlier, info);
        test::writeBytes(path, c.bytes);
        EXPECT_EQ(Module1::ReadWaveInfo(path, info), c.riffWave) << c.name;
        EXPECT_EQ(info.Path, path) << c.name;
        EXPECT_EQ(info.CodecName, c.codecName) << c.name;
        EXPECT_EQ(info.SampleRate.value_or(0), c.sampleRate) << c.name;
        if (c.codecName.isEmpty()) {
            EXPECT_FALSE(info.BytesPerSecond.has_value()) << c.name;
            EXPECT_FALSE(info.Bitrate.has_value()) << c.name;
        }
    }
}

TEST(WaveInfoTest, MissingFileAndZeroByteRateLeaveValuesEmpty)
{
    WaveInfo info;
    EXPECT_FALSE(Module1::ReadWaveInfo(waveFolder() + "/missing.wav", info));
    EXPECT_EQ(info.Path, waveFolder() + "/missing.wav");
    EXPECT_FALSE(info.SampleRate.has_value());

    const QString path = waveFolder() + "/zero-rate.wav";
    test::writeWav(path, WavContent{.bytesPerSecond = 0});
    EXPECT_TRUE(Module1::ReadWaveInfo(path, info));
    EXPECT_EQ(info.CodecName, "Uncopyright (PCM)");
    EXPECT_EQ(info.BytesPerSecond, 0);
    EXPECT_FALSE(info.Bitrate.has_value());
    EXPECT_FALSE(Module1::WaveSeconds(1000, info, WaveRounding::Down).has_value());
}

TEST(WaveInfoTest, SecondsRoundDownOrToNearestEven)
{
    WaveInfo info;
    info.BytesPerSecond = 176400;
    const std::vector<std::tuple<qint64, qint64, qint64>> cases{{1764044, 10, 10}, {441000, 2, 2},    {617400, 3, 4},
                                                                {1852200, 10, 10}, {2028600, 11, 12}, {176399, 0, 1}};
    for (const auto& [bytes, down, nearest] : cases) {
        EXPECT_EQ(Module1::WaveSeconds(bytes, info, WaveRounding::Down), down) << bytes;
        EXPECT_EQ(Module1::WaveSeconds(bytes, info, WaveRounding::NearestEven), nearest) << bytes;
    }
}

} // namespace
} // namespace twinsweep
