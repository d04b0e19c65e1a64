#include "ToneAnalysis.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>

namespace twinsweep::test {

namespace {

constexpr int WindowMs = 20;
constexpr double HeardAmplitude = 0.00316; // -50 dBFS
constexpr qint64 ShortestToneMs = 60;
// A sound server that ran dry for a moment leaves a hole; the file plays on after it.
constexpr qint64 LongestDropoutMs = 100;
// A step sounds into the windows at both of its ends.
constexpr qint64 LongestStepHeardMs = ToneStepMs + 2 * WindowMs;

std::vector<double> hannWindow(int length)
{
    std::vector<double> weights(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i)
        weights[size_t(i)] = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (length - 1));
    return weights;
}

/// The amplitude (full scale 1) at which `frequency` sounds in the window, by Goertzel's
/// algorithm on the Hann-weighted samples.
double toneAmplitude(const qint16* window, const std::vector<double>& weights, double frequency, int sampleRate)
{
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / sampleRate);
    double previous = 0;
    double beforePrevious = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        const double current = window[i] / 32768.0 * weights[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power =
        previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    // The Hann weights sum to half the window, and a sine gives half its amplitude per side.
    return 4 * std::sqrt(std::max(power, 0.0)) / double(weights.size());
}

/// Where a tone sounds without a break, from `startMs` to `endMs` of the recording.
struct Run
{
    qint64 startMs;
    qint64 endMs;
};

/// The runs of each of `frequencies` (by frequency), window by window.
std::map<int, std::vector<Run>> toneRuns(const std::vector<qint16>& samples, int sampleRate,
                                         const std::vector<int>& frequencies)
{
    const int windowLength = sampleRate * WindowMs / 1000;
    const std::vector<double> weights = hannWindow(windowLength);
    std::map<int, std::vector<Run>> runs;
    qint64 windowMs = 0;
    for (size_t offset = 0; offset + size_t(windowLength) <= samples.size(); offset += size_t(windowLength)) {
        for (const int frequency : frequencies) {
            if (toneAmplitude(&samples[offset], weights, frequency, sampleRate) < HeardAmplitude)
                continue;
            std::vector<Run>& ofTone = runs[frequency];
            if (!ofTone.empty() && ofTone.back().endMs == windowMs)
                ofTone.back().endMs += WindowMs;
            else
                ofTone.push_back({windowMs, windowMs + WindowMs});
        }
        windowMs += WindowMs;
    }
    return runs;
}

/// The runs of one tone as heard: runs apart by a short dropout are one hearing of the
/// time they sound together, and what sounds only for a click is no hearing.
std::vector<HeardTone> hearings(int frequency, const std::vector<Run>& runs)
{
    std::vector<HeardTone> heard;
    qint64 lastEndMs = 0;
    for (const Run& run : runs) {
        if (!heard.empty() && run.startMs - lastEndMs <= LongestDropoutMs)
            heard.back().durationMs += run.endMs - run.startMs;
        else
            heard.push_back({frequency, run.startMs, run.endMs - run.startMs});
        lastEndMs = run.endMs;
    }
    std::erase_if(heard, [](const HeardTone& tone) { return tone.durationMs < ShortestToneMs; });
    return heard;
}

QString stepName(size_t file, size_t step, int frequency)
{
    return QString("file %1 step %2 (%3 Hz)").arg(file + 1).arg(step + 1).arg(frequency);
}

std::vector<HeardTone> tonesAt(const std::vector<HeardTone>& heard, int frequency)
{
    std::vector<HeardTone> found;
    std::copy_if(heard.begin(), heard.end(), std::back_inserter(found),
                 [frequency](const HeardTone& tone) { return tone.frequency == frequency; });
    return found;
}

/// Whether a step of `file` other than the one at `frequency` begins after `afterMs` and
/// before `beforeMs`.
bool otherStepBegins(const std::vector<HeardTone>& heard, const ToneFile& file, int frequency, qint64 afterMs,
                     qint64 beforeMs)
{
    return std::any_of(heard.begin(), heard.end(), [&](const HeardTone& tone) {
        return tone.frequency != frequency && std::ranges::count(file.frequencies, tone.frequency) > 0 &&
               tone.startMs > afterMs && tone.startMs < beforeMs;
    });
}

/// The hearings of one step of `file`. A sound server that ran dry on a busy machine may
/// part a step by a hole of any length: hearings with no other step of the file begun
/// between them are one, of their time together. A repeat has the file's other steps
/// between.
std::vector<HeardTone> stepHearings(const std::vector<HeardTone>& heard, const ToneFile& file, int frequency)
{
    std::vector<HeardTone> hearings;
    for (const HeardTone& tone : tonesAt(heard, frequency)) {
        if (!hearings.empty() && !otherStepBegins(heard, file, frequency, hearings.back().startMs, tone.startMs))
            hearings.back().durationMs += tone.durationMs;
        else
            hearings.push_back(tone);
    }
    return hearings;
}

} // namespace

std::vector<HeardTone> heardTones(const std::vector<qint16>& samples, int sampleRate,
                                  const std::vector<int>& frequencies)
{
    std::vector<HeardTone> heard;
    for (const auto& [frequency, runs] : toneRuns(samples, sampleRate, frequencies)) {
        for (const HeardTone& tone : hearings(frequency, runs))
            heard.push_back(tone);
    }
    std::stable_sort(heard.begin(), heard.end(),
                     [](const HeardTone& a, const HeardTone& b) { return a.startMs < b.startMs; });
    return heard;
}

QStringList faultsHeard(const std::vector<HeardTone>& heard, const std::vector<ToneFile>& files, qint64 minimumMs)
{
    QStringList faults;
    std::optional<qint64> previousFileStart;
    for (size_t file = 0; file < files.size(); ++file) {
        std::optional<qint64> previousStart = previousFileStart;
        for (size_t step = 0; step < files[file].frequencies.size(); ++step) {
            const int frequency = files[file].frequencies[step];
            const std::vector<HeardTone> found = stepHearings(heard, files[file], frequency);
            const QString name = stepName(file, step, frequency);
            if (found.size() != 1) {
                faults << name + QString(" heard %1 times").arg(found.size());
                continue;
            }
            const qint64 durationMs = found.front().durationMs;
            if (durationMs < minimumMs || durationMs > LongestStepHeardMs)
                faults << name + QString(" heard for %1 ms").arg(durationMs);
            if (previousStart && found.front().startMs <= *previousStart)
                faults << name + " heard out of order";
            previousStart = found.front().startMs;
            if (step == 0)
                previousFileStart = found.front().startMs;
        }
    }
    return faults;
}

std::string describe(const std::vector<HeardTone>& heard)
{
    QString text;
    for (const HeardTone& tone : heard) {
        text += QString("%1 Hz at %2 s for %3 s\n")
                    .arg(tone.frequency)
                    .arg(double(tone.startMs) / 1000, 0, 'f', 2)
                    .arg(double(tone.durationMs) / 1000, 0, 'f', 2);
    }
    return text.toStdString();
}

} // namespace twinsweep::test
