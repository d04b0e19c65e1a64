#include "WaveInfo.h"

#include <QFile>
#include <QtEndian>

#include <array>
#include <cmath>

namespace twinsweep::Module1 {

namespace {

constexpr qint64 RiffHeaderBytes = 12;
constexpr qint64 ChunkHeaderBytes = 8;
constexpr qint64 WaveFormatBytes = 16;

/// The start of a "fmt " chunk's data.
struct WaveFormatRecord
{
    qint16 FormatTag = 0;
    qint32 SamplesPerSecond = 0;
    qint32 AverageBytesPerSecond = 0;
};

qint32 signed32(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

/// One character per byte; control bytes read as blanks.
QString BytesToText(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += static_cast<unsigned char>(byte) >= 32 ? QChar::fromLatin1(byte) : QChar(' ');
    return text;
}

bool IsRiffWave(const QByteArray& riffHeader)
{
    return riffHeader.size() == RiffHeaderBytes && BytesToText(riffHeader.first(4)) == "RIFF" &&
           BytesToText(riffHeader.sliced(8, 4)) == "WAVE";
}

qint64 floorDivide(qint64 numerator, qint64 denominator)
{
    const qint64 quotient = numerator / denominator;
    return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1 : quotient;
}

void DecodeWaveFormat(const WaveFormatRecord& record, WaveInfo& info)
{
    info.CodecName = WaveCodecName(record.FormatTag);
    info.SampleRate = record.SamplesPerSecond;
    info.BytesPerSecond = record.AverageBytesPerSecond;
    // The byte rate times 0.008, rounded down; whole numbers keep 48,000 bytes/s at 384.
    if (record.AverageBytesPerSecond != 0)
        info.Bitrate = floorDivide(qint64(record.AverageBytesPerSecond) * 8, 1000);
}

QByteArray readAt(QFile& file, qint64 position, qint64 length)
{
    return file.seek(position) ? file.read(length) : QByteArray();
}

void decodeFormatChunk(QFile& file, qint64 dataPosition, WaveInfo& info)
{
    const QByteArray data = readAt(file, dataPosition, WaveFormatBytes);
    if (data.size() < WaveFormatBytes)
        return; // cut short by the end of the file
    DecodeWaveFormat({qFromLittleEndian<qint16>(data.constData()), signed32(data, 4), signed32(data, 8)}, info);
}

} // namespace

QString WaveCodecName(qint16 formatTag)
{
    static const std::array<std::pair<quint16, const char*>, 17> names{{
        {0x0001, "Uncopyright (PCM)"},
        {0x0002, "Microsoft ADPCM"},
        {0x0006, "CCITT-Norm A"},
        {0x0007, "CCITT-Norm u"},
        {0x0011, "IMA ADPCM"},
        {0x0022, "DSP Group TrueSpeech(TM) 8.0"},
        {0x0031, "GSM 6.10"},
        {0x0042, "Microsoft G.732.1"},
        {0x0055, "3"},
        {0x0070, "Lernout & Hauspie CELP"},
        {0x0071, "Lernout & Hauspie SBC 8 kbit/s"},
        {0x0072, "Lernout & Hauspie SBC 12 kbit/s"},
        {0x0073, "Lernout & Hauspie SBC 16 kbit/s"},
        {0x0074, "Voxware MetaVoice"},
        {0x0075, "Voxware MetaSound"},
        {0x0111, "VivoActive G.732.1"},
        {0x0112, "VivoActive Siren"},
    }};
    const auto tag = quint16(formatTag);
    for (const auto& [code, name] : names) {
        if (code == tag)
            return name;
    }
    return "Unknown (" + QString::number(tag, 16).toUpper() + "h)";
}

std::optional<qint64> WaveSeconds(qint64 fileBytes, const WaveInfo& info, WaveRounding rounding)
{
    if (info.BytesPerSecond.value_or(0) == 0)
        return std::nullopt;
    const qint64 rate = *info.BytesPerSecond;
    if (rounding == WaveRounding::Down)
        return floorDivide(fileBytes, rate);
    return qint64(std::nearbyint(double(fileBytes) / double(rate))); // the default rounding sends halves to even
}

bool ReadWaveInfo(const QString& path, WaveInfo& info)
{
    info = WaveInfo{path, {}, {}, {}, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    if (!IsRiffWave(file.read(RiffHeaderBytes)))
        return false;
    // Walk the chunks by their sizes; a later "fmt " chunk overrides an earlier one.
    // A chunk of odd size is followed by a pad byte; a size that is negative or runs
    // past the end of the file ends the walk.
    const qint64 length = file.size();
    qint64 position = RiffHeaderBytes;
    while (position + ChunkHeaderBytes <= length) {
        const QByteArray header = readAt(file, position, ChunkHeaderBytes);
        if (header.size() < ChunkHeaderBytes)
            break;
        const qint32 size = signed32(header, 4);
        if (BytesToText(header.first(4)) == "fmt ")
            decodeFormatChunk(file, position + ChunkHeaderBytes, info);
        if (size < 0)
            break;
        position += ChunkHeaderBytes + size + (size & 1);
    }
    return true;
}

} // namespace twinsweep::Module1
