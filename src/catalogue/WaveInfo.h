#pragma once

#include <QString>

#include <optional>

namespace twinsweep {

/// What the WAV header reader found in a file's "fmt " chunk. Values stay empty
/// when the file has none, so no value of one file can reach another.
struct WaveInfo
{
    QString Path;      // the file asked for
    QString CodecName; // name of the format tag
    std::optional<qint32> SampleRate;
    std::optional<qint32> BytesPerSecond;
    std::optional<qint64> Bitrate; // kbit/s; empty when the byte rate is 0
};

/// How a WAV file's seconds are rounded: down in the collection, to the nearest
/// second (halves to the even one) in the query list.
enum class WaveRounding { Down, NearestEven };

namespace Module1 {

/// Reads the RIFF/WAVE header of `path` into `info`, reading chunk headers only and
/// never the sound data. Every value is emptied first. True when the file begins with
/// a RIFF/WAVE header (also when it has no "fmt " chunk).
bool ReadWaveInfo(const QString& path, WaveInfo& info);

/// Whole seconds of sound in a WAV file of `fileBytes` bytes at the byte rate of
/// `info`; empty without a byte rate.
std::optional<qint64> WaveSeconds(qint64 fileBytes, const WaveInfo& info, WaveRounding rounding);

/// The name of a WAVE format tag: "Uncopyright (PCM)" for 1, "Unknown (FFFEh)" for an
/// unlisted one.
QString WaveCodecName(qint16 formatTag);

} // namespace Module1
} // namespace twinsweep
