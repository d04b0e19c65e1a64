#pragma once

#include <QString>
#include <QStringList>

#include <map>

#include "MultimediaCommands.h"
#include "PlaybackChannel.h"

namespace twinsweep {

/// Our multimedia command interpreter. It understands the command strings the program
/// sends ("open <path> type <type> Alias <alias> ...", "status <alias> mode", "play
/// <alias> from <n> to <n>", "setaudio <alias> left Volume to <n>", "Close All", ...),
/// with command words in any case and trailing blanks ignored, and drives one
/// playback channel per alias. Each alias keeps its path and time format (frames, the
/// default, or milliseconds); positions and lengths are exchanged in that format.
class MciInterpreter : public MultimediaCommands
{
public:
    enum Error : int {
        UnknownCommand = 1,
        NotOpen,
        AliasInUse,
        NoFileName,
        CannotLoad,
        BadNumber,
        OutOfRange,
        MissingParameter,
    };

    explicit MciInterpreter(PlaybackChannelFactory makeChannel);
    ~MciInterpreter() override;

    int mciSendString(const QString& command, QString* reply, int replyLength) override;
    QString mciGetErrorString(int code, int length) const override;

    /// The channel open under `alias` (any case), nullptr when none is.
    PlaybackChannel* channel(const QString& alias) const;
    /// The file open under `alias`, "" when none is.
    QString path(const QString& alias) const;

private:
    enum class TimeFormat { Frames, Milliseconds };
    struct Device
    {
        std::unique_ptr<PlaybackChannel> channel;
        QString path;
        TimeFormat format = TimeFormat::Frames;
        int left = 1000;
        int right = 1000;
    };
    using Command = int (MciInterpreter::*)(Device& device, const QStringList& arguments, QString& reply);

    int run(const QString& command, QString& reply);
    int open(const QString& arguments);
    int close(const QStringList& words);
    const Device* find(const QString& alias) const;
    static Command command(const QString& verb);

    int status(Device& device, const QStringList& arguments, QString& reply);
    int set(Device& device, const QStringList& arguments, QString& reply);
    int seek(Device& device, const QStringList& arguments, QString& reply);
    int play(Device& device, const QStringList& arguments, QString& reply);
    int pause(Device& device, const QStringList& arguments, QString& reply);
    int resume(Device& device, const QStringList& arguments, QString& reply);
    int setaudio(Device& device, const QStringList& arguments, QString& reply);

    static qint64 toUnits(const Device& device, qint64 ms);
    static qint64 toMs(const Device& device, qint64 units);

    PlaybackChannelFactory m_makeChannel;
    std::map<QString, Device> m_devices; // by lower-case alias
};

} // namespace twinsweep
