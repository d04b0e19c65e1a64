#pragma once

#include <QString>

#include <vector>

namespace twinsweep::test {

/// Every step of a tone file lasts this long.
inline constexpr int ToneStepMs = 500;

/// A sound file made of steps of one steady tone each, followed by silence.
struct ToneFile
{
    QString path;
    std::vector<int> frequencies; // of its steps in order, in Hz
};

/// `fileCount` MP3 files (encoded by LAME) in a new folder, each of `stepCount` steps and
/// then `silenceMs` of silence. Every step of every file has a frequency of its own, so a
/// recording tells which part of which file was heard.
std::vector<ToneFile> writeToneFiles(int fileCount, int stepCount, int silenceMs);

/// The frequencies of all steps of `files`.
std::vector<int> toneFrequencies(const std::vector<ToneFile>& files);

} // namespace twinsweep::test
