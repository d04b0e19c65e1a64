#include "ToneFiles.h"

#include <QtEndian>

#include <cmath>
#include <numbers>

#include "MediaFiles.h"
#include "ScratchFiles.h"
#include "Taggers.h"

namespace twinsweep::test {

namespace {

constexpr int SampleRate = 44100;
constexpr double Amplitude = 0.5; // of full scale: two tones of a crossfade never clip
// 300 Hz apart, tones stay apart in a 20 ms window of a recording.
constexpr int LowestFrequency = 500;
constexpr int FrequencySpacing = 300;

void appendSample(QByteArray& pcm, double value)
{
    const auto sample = qToLittleEndian(qint16(std::lround(value * 32767)));
    pcm.append(reinterpret_cast<const char*>(&sample), sizeof sample);
}

/// Mono 16-bit samples. The phase runs on from step to step: a jump would click, and a
/// click sounds at every frequency.
QByteArray tonePcm(const std::vector<int>& frequencies, int silenceMs)
{
    QByteArray pcm;
    double phase = 0;
    for (const int frequency : frequencies) {
        for (int i = 0; i < SampleRate * ToneStepMs / 1000; ++i) {
            appendSample(pcm, Amplitude * std::sin(phase));
            phase = std::fmod(phase + 2 * std::numbers::pi * frequency / SampleRate, 2 * std::numbers::pi);
        }
    }
    pcm.append(QByteArray(qsizetype(SampleRate) * silenceMs / 1000 * 2, '\0'));
    return pcm;
}

void writeToneMp3(const ToneFile& file, int silenceMs)
{
    const QByteArray pcm = tonePcm(file.frequencies, silenceMs);
    const WavContent format{.channels = 1, .sampleRate = SampleRate, .bitsPerSample = 16, .dataBytes = pcm.size()};
    const QString wav = file.path + ".wav";
    writeBytes(wav, riffWave(waveFormatChunk(format) + riffChunk("data", pcm)));
    runTool("lame", {"--quiet", "-b", "128", wav, file.path});
}

} // namespace

std::vector<ToneFile> writeToneFiles(int fileCount, int stepCount, int silenceMs)
{
    const QString folder = freshFolder("tones");
    std::vector<ToneFile> files;
    for (int index = 0; index < fileCount; ++index) {
        ToneFile file{folder + QString("/tones%1.mp3").arg(index + 1), {}};
        for (int step = 0; step < stepCount; ++step)
            file.frequencies.push_back(LowestFrequency + FrequencySpacing * (index * stepCount + step));
        writeToneMp3(file, silenceMs);
        files.push_back(file);
    }
    return files;
}

std::vector<int> toneFrequencies(const std::vector<ToneFile>& files)
{
    std::vector<int> frequencies;
    for (const ToneFile& file : files)
        frequencies.insert(frequencies.end(), file.frequencies.begin(), file.frequencies.end());
    return frequencies;
}

} // namespace twinsweep::test
