#include "modMultimedia.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <limits>

#include "platform/MultimediaCommands.h"

namespace twinsweep {

namespace {

constexpr int ReplyBufferLength = 128;
constexpr int CommandBufferLength = 128;
constexpr int OpenBufferLength = 255;

/// The command padded with blanks to its buffer's length and cut there.
QString inBuffer(const QString& command)
{
    return command.leftJustified(CommandBufferLength, ' ', true);
}

/// Rounds to the nearest whole number, halves to the even neighbour.
qint64 roundHalfEven(double value)
{
    return qint64(std::nearbyint(value));
}

/// The leading decimal number of a reply; 0 when it starts with none.
double leadingNumber(const QString& reply)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = leading.match(reply);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

/// The path as the open command names the file; "" for a file that is not there.
QString openablePath(const QString& filePath)
{
    return !filePath.isEmpty() && QFileInfo::exists(filePath) ? filePath : QString();
}

} // namespace

modMultimedia::modMultimedia(MultimediaCommands& commands) : m_commands(commands) {}

QString modMultimedia::send(const QString& command)
{
    const int code = m_commands.mciSendString(command, nullptr, 0);
    return code == 0 ? QStringLiteral("Success") : m_commands.mciGetErrorString(code, ReplyBufferLength);
}

qint64 modMultimedia::queryNumber(const QString& command)
{
    QString reply;
    if (m_commands.mciSendString(command, &reply, ReplyBufferLength) != 0)
        return -1;
    return roundHalfEven(leadingNumber(reply));
}

QString modMultimedia::CloseAllMedia()
{
    return send("Close All");
}

QString modMultimedia::CloseMedia(const QString& alias)
{
    return send("Close " + alias);
}

QString modMultimedia::PauseMedia(const QString& alias)
{
    return send("Pause " + alias);
}

QString modMultimedia::ResumeMedia(const QString& alias)
{
    return send("Resume " + alias);
}

QString modMultimedia::GetMediaMode(const QString& alias)
{
    QString reply;
    if (m_commands.mciSendString("status " + alias + " mode", &reply, ReplyBufferLength) != 0)
        return QStringLiteral("ERROR");
    return reply;
}

qint64 modMultimedia::GetMediaPosition(const QString& alias)
{
    return queryNumber("status " + alias + " position");
}

qint64 modMultimedia::GetMediaLengthFrames(const QString& alias)
{
    send("set " + alias + " time format frames");
    return queryNumber("status " + alias + " length");
}

qint64 modMultimedia::GetMediaLengthMs(const QString& alias)
{
    send("set " + alias + " time format ms");
    const qint64 length = queryNumber("status " + alias + " length");
    send("set " + alias + " time format frames");
    return length;
}

qint64 modMultimedia::GetFramesPerSecond(const QString& alias)
{
    const qint64 ms = GetMediaLengthMs(alias);
    const qint64 frames = GetMediaLengthFrames(alias);
    // A media without length has no rate; the monitor must never divide by it.
    if (ms <= 0 || frames == -1)
        return -1;
    return roundHalfEven(double(frames) / (double(ms) / 1000.0));
}

qint64 modMultimedia::GetPercentPlayed(const QString& alias)
{
    const qint64 frames = GetMediaLengthFrames(alias);
    const qint64 position = GetMediaPosition(alias);
    if (frames == -1 || position == -1)
        return -1;
    // The product is a 32-bit number: where it overflows the percentage fails to 0.
    constexpr qint64 limit = std::numeric_limits<qint32>::max() / 100;
    if (frames == 0 || position > limit || position < -limit)
        return 0;
    return roundHalfEven(double(position * 100) / double(frames));
}

QString modMultimedia::SeekAndPlayMedia(const QString& alias, qint64 position)
{
    const QString result = send("seek " + alias + " to " + QString::number(position));
    send("Play " + alias);
    return result;
}

QString modMultimedia::PlayMediaRange(const QString& alias, const QString& From, const QString& To)
{
    const QString from = From.isEmpty() ? QStringLiteral("0") : From;
    const QString to = To.isEmpty() ? QString::number(GetMediaLengthFrames(alias)) : To;
    return send(inBuffer("play " + alias + " from " + from + " to " + to));
}

QString modMultimedia::OpenMedia(qint64 hwnd, const QString& alias, const QString& filePath, const QString& deviceType)
{
    const QString command = "open " + openablePath(filePath) + " type " + deviceType + " Alias " + alias + " parent " +
                            QString::number(hwnd) + " Style " + "1073741824";
    // Padded like the other fixed buffers, but never cut: a long path must still open.
    return send(command.leftJustified(OpenBufferLength, ' '));
}

QString modMultimedia::SetMediaVolume(const QString& alias, const QString& channel, qint64 volume)
{
    if (volume < 0 || volume > 100)
        return QStringLiteral("out of volume");
    const QString level = QString::number(volume * 10);
    const QString side = channel.toLower();
    if (side == "right" || side == "left")
        return send(inBuffer("setaudio " + alias + " " + channel + " Volume to " + level));
    return send(inBuffer("setaudio " + alias + " Volume to " + level));
}

} // namespace twinsweep
