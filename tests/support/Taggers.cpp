#include "Taggers.h"

#include <QFileInfo>
#include <QProcess>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

#include "MediaFiles.h"
#include "TestEnvironment.h"

namespace twinsweep::test {

namespace {

/// Noise under the tone makes a variable-rate encoder vary its frames.
QString soundWav()
{
    const QString path = scratchRoot() + "/lame-sound.wav";
    if (QFileInfo::exists(path))
        return path;
    WavContent format;
    QByteArray samples;
    quint32 noise = 1;
    for (int i = 0; i < 2 * 44100 * 2; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double tone = 8000 * std::sin(i * 0.031) + double(int(noise >> 20) - 2048) * 4;
        const auto sample = qToLittleEndian(qint16(tone));
        samples.append(reinterpret_cast<const char*>(&sample), 2);
    }
    format.dataBytes = samples.size();
    writeBytes(path, riffWave(waveFormatChunk(format) + riffChunk("data", samples)));
    return path;
}

} // namespace

void runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    const bool finished = tool.waitForFinished(60000);
    EXPECT_TRUE(finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
        << program.toStdString() << ' ' << arguments.join(' ').toStdString() << ": " << tool.errorString().toStdString()
        << tool.readAllStandardError().toStdString();
}

void encodeWithLame(const QString& path, const QStringList& options)
{
    runTool("lame", QStringList{"--quiet"} + options + QStringList{soundWav(), path});
}

void makeTaggedMp3(const QString& path, const QStringList& lameOptions, const QStringList& eyeD3Options)
{
    encodeWithLame(path, lameOptions);
    if (!eyeD3Options.isEmpty())
        runTool("eyeD3", eyeD3Options + QStringList{path});
}

} // namespace twinsweep::test
