#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "QtPrinters.h"
#include "ToneAnalysis.h"

namespace twinsweep::test {
namespace {

constexpr int SampleRate = 44100;
const ToneFile First{"first.mp3", {500, 800, 1100}};
const ToneFile Second{"second.mp3", {1400, 1700, 2000}};

/// A part of a tone file as a recording holds it: the file from `fromMs` to `toMs` of
/// its own time, begun at `atMs` of the recording, its level going from `level` to
/// `endLevel`.
struct Sounded
{
    const ToneFile* file;
    int fromMs;
    int toMs;
    int atMs;
    double level = 0.5;
    double endLevel = 0.5;
};

std::vector<qint16> recording(const std::vector<Sounded>& parts)
{
    std::vector<double> mixed(size_t(SampleRate) * 6);
    for (const Sounded& part : parts) {
        const int length = (part.toMs - part.fromMs) * SampleRate / 1000;
        for (int i = 0; i < length; ++i) {
            const int fileSample = part.fromMs * SampleRate / 1000 + i;
            const int frequency = part.file->frequencies[size_t(fileSample * 1000 / SampleRate / ToneStepMs)];
            const double level = part.level + (part.endLevel - part.level) * i / length;
            mixed[size_t(part.atMs * SampleRate / 1000 + i)] +=
                level * std::sin(2 * std::numbers::pi * frequency * fileSample / SampleRate);
        }
    }
    std::vector<qint16> samples;
    for (const double value : mixed)
        samples.push_back(qint16(std::lround(value * 32767)));
    return samples;
}

struct AnalysisCase
{
    const char* name;
    std::vector<Sounded> parts;
    QStringList faults;
};

void PrintTo(const AnalysisCase& c, std::ostream* out)
{
    *out << c.name;
}

class ToneAnalysisTest : public ::testing::TestWithParam<AnalysisCase>
{};

TEST_P(ToneAnalysisTest, TellsWhatWasNotHeardWhole)
{
    const std::vector<HeardTone> heard =
        heardTones(recording(GetParam().parts), SampleRate, {500, 800, 1100, 1400, 1700, 2000});
    EXPECT_EQ(faultsHeard(heard, {First, Second}, 400), GetParam().faults) << describe(heard);
}

const AnalysisCase analysisCases[]{
    {"OneAfterTheOther", {{&First, 0, 1500, 200}, {&Second, 0, 1500, 2000}}, {}},
    // The program fades over three seconds: the next file's first step stays faint.
    {"Crossfaded", {{&First, 0, 1500, 200, 0.5, 0.25}, {&Second, 0, 1500, 1200, 0, 0.25}}, {}},
    {"ADropoutLosesNothing", {{&First, 0, 200, 200}, {&First, 200, 1500, 460}, {&Second, 0, 1500, 2000}}, {}},
    {"ALongDropoutLosesNothing", {{&First, 0, 200, 200}, {&First, 200, 1500, 900}, {&Second, 0, 1500, 2600}}, {}},
    {"ADropoutLosesTime",
     {{&First, 0, 200, 200}, {&First, 320, 1500, 460}, {&Second, 0, 1500, 2000}},
     {"file 1 step 1 (500 Hz) heard for 380 ms"}},
    {"StartLost",
     {{&First, 0, 100, 200}, {&First, 1200, 1500, 300}, {&Second, 0, 1500, 2000}},
     {"file 1 step 1 (500 Hz) heard for 100 ms", "file 1 step 2 (800 Hz) heard 0 times",
      "file 1 step 3 (1100 Hz) heard for 300 ms"}},
    {"HeardTwice",
     {{&First, 0, 1500, 0}, {&Second, 0, 1500, 1600}, {&Second, 0, 1500, 3200}},
     {"file 2 step 1 (1400 Hz) heard 2 times", "file 2 step 2 (1700 Hz) heard 2 times",
      "file 2 step 3 (2000 Hz) heard 2 times"}},
    {"RestartedWithinAStep",
     {{&First, 0, 300, 0}, {&First, 0, 1500, 500}, {&Second, 0, 1500, 2200}},
     {"file 1 step 1 (500 Hz) heard for 800 ms"}},
    {"FilesSwapped",
     {{&Second, 0, 1500, 200}, {&First, 0, 1500, 2000}},
     {"file 2 step 1 (1400 Hz) heard out of order"}},
};

INSTANTIATE_TEST_SUITE_P(Recordings, ToneAnalysisTest, ::testing::ValuesIn(analysisCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace twinsweep::test
