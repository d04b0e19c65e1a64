#include "MciInterpreter.h"

#include <optional>

namespace twinsweep {

namespace {

bool same(const QString& word, const char* keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

/// The whole number `word`, or nothing when it is not one.
std::optional<qint64> number(const QString& word)
{
    bool ok = false;
    const qint64 value = word.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

/// The value that follows `keyword` in `arguments` ("from 0 to 10"), "" when absent.
QString valueAfter(const QStringList& arguments, const char* keyword)
{
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        if (same(arguments[i], keyword))
            return arguments[i + 1];
    }
    return {};
}

} // namespace

MciInterpreter::MciInterpreter(PlaybackChannelFactory makeChannel) : m_makeChannel(std::move(makeChannel)) {}

MciInterpreter::~MciInterpreter() = default;

int MciInterpreter::mciSendString(const QString& command, QString* reply, int replyLength)
{
    QString text;
    const int code = run(command.trimmed(), text);
    if (code == 0 && reply && replyLength > 0)
        *reply = text.left(replyLength - 1);
    return code;
}

QString MciInterpreter::mciGetErrorString(int code, int length) const
{
    QString text;
    switch (code) {
    case UnknownCommand: text = "The command is not understood."; break;
    case NotOpen: text = "The alias does not name an open device."; break;
    case AliasInUse: text = "The alias is already in use by an open device."; break;
    case NoFileName: text = "No file name was given."; break;
    case CannotLoad: text = "The file cannot be opened or its format is not supported."; break;
    case BadNumber: text = "A whole number was expected in the command."; break;
    case OutOfRange: text = "A value in the command is out of range."; break;
    case MissingParameter: text = "A parameter is missing from the command."; break;
    default: text = "Unknown multimedia error."; break;
    }
    return length > 0 ? text.left(length - 1) : QString();
}

PlaybackChannel* MciInterpreter::channel(const QString& alias) const
{
    const Device* device = find(alias);
    return device ? device->channel.get() : nullptr;
}

QString MciInterpreter::path(const QString& alias) const
{
    const Device* device = find(alias);
    return device ? device->path : QString();
}

const MciInterpreter::Device* MciInterpreter::find(const QString& alias) const
{
    const auto found = m_devices.find(alias.toLower());
    return found == m_devices.end() ? nullptr : &found->second;
}

MciInterpreter::Command MciInterpreter::command(const QString& verb)
{
    static const std::pair<const char*, Command> verbs[]{
        {"status", &MciInterpreter::status},     {"set", &MciInterpreter::set},     {"seek", &MciInterpreter::seek},
        {"play", &MciInterpreter::play},         {"pause", &MciInterpreter::pause}, {"resume", &MciInterpreter::resume},
        {"setaudio", &MciInterpreter::setaudio},
    };
    for (const auto& [name, handler] : verbs) {
        if (same(verb, name))
            return handler;
    }
    return nullptr;
}

int MciInterpreter::run(const QString& command, QString& reply)
{
    const QString verb = command.section(' ', 0, 0);
    if (same(verb, "open"))
        return open(command.mid(verb.size() + 1));
    const QStringList words = command.simplified().split(' ');
    if (same(verb, "close"))
        return close(words);
    const Command handler = MciInterpreter::command(verb);
    if (!handler)
        return UnknownCommand;
    if (words.size() < 2)
        return MissingParameter;
    const auto found = m_devices.find(words[1].toLower());
    if (found == m_devices.end())
        return NotOpen;
    return (this->*handler)(found->second, words.mid(2), reply);
}

int MciInterpreter::open(const QString& arguments)
{
    // The path may hold blanks: it runs up to the last " type ".
    const qsizetype typeAt = arguments.lastIndexOf(QLatin1String(" type "), -1, Qt::CaseInsensitive);
    if (typeAt < 0)
        return MissingParameter;
    const QString path = arguments.left(typeAt);
    const QString alias = valueAfter(arguments.mid(typeAt + 1).simplified().split(' '), "alias").toLower();
    if (alias.isEmpty())
        return MissingParameter;
    if (path.isEmpty())
        return NoFileName;
    if (m_devices.contains(alias))
        return AliasInUse;
    std::unique_ptr<PlaybackChannel> channel = m_makeChannel();
    if (!channel || !channel->load(path))
        return CannotLoad;
    m_devices[alias] = Device{std::move(channel), path};
    return 0;
}

int MciInterpreter::close(const QStringList& words)
{
    if (words.size() < 2)
        return MissingParameter;
    if (same(words[1], "all")) {
        m_devices.clear();
        return 0;
    }
    return m_devices.erase(words[1].toLower()) ? 0 : NotOpen;
}

int MciInterpreter::status(Device& device, const QStringList& arguments, QString& reply)
{
    if (arguments.isEmpty())
        return MissingParameter;
    const PlaybackChannel& channel = *device.channel;
    if (same(arguments[0], "position")) {
        reply = QString::number(toUnits(device, channel.positionMs()));
    } else if (same(arguments[0], "length")) {
        reply = QString::number(toUnits(device, channel.lengthMs()));
    } else if (same(arguments[0], "mode")) {
        static const char* const modes[]{"stopped", "playing", "paused"};
        reply = QLatin1String(modes[int(channel.mode())]);
    } else {
        return UnknownCommand;
    }
    return 0;
}

int MciInterpreter::set(Device& device, const QStringList& arguments, QString&)
{
    if (arguments.size() < 3 || !same(arguments[0], "time") || !same(arguments[1], "format"))
        return MissingParameter;
    if (same(arguments[2], "frames"))
        device.format = TimeFormat::Frames;
    else if (same(arguments[2], "ms") || same(arguments[2], "milliseconds"))
        device.format = TimeFormat::Milliseconds;
    else
        return OutOfRange;
    return 0;
}

int MciInterpreter::seek(Device& device, const QStringList& arguments, QString&)
{
    const QString target = valueAfter(arguments, "to");
    if (target.isEmpty())
        return MissingParameter;
    const std::optional<qint64> position = number(target);
    if (!position)
        return BadNumber;
    if (*position < 0 || *position > toUnits(device, device.channel->lengthMs()))
        return OutOfRange;
    device.channel->seek(toMs(device, *position));
    return 0;
}

int MciInterpreter::play(Device& device, const QStringList& arguments, QString&)
{
    const qint64 length = toUnits(device, device.channel->lengthMs());
    std::optional<qint64> ends[2];
    const char* const keywords[]{"from", "to"};
    for (int i = 0; i < 2; ++i) {
        const QString value = valueAfter(arguments, keywords[i]);
        if (value.isEmpty())
            continue;
        ends[i] = number(value);
        if (!ends[i])
            return BadNumber;
        if (*ends[i] < 0 || *ends[i] > length)
            return OutOfRange;
    }
    if (ends[0] && ends[1] && *ends[1] < *ends[0])
        return OutOfRange;
    const auto inMs = [&](std::optional<qint64> units) {
        return units ? std::optional<qint64>(toMs(device, *units)) : std::nullopt;
    };
    device.channel->play(inMs(ends[0]), inMs(ends[1]));
    return 0;
}

int MciInterpreter::pause(Device& device, const QStringList&, QString&)
{
    device.channel->pause();
    return 0;
}

int MciInterpreter::resume(Device& device, const QStringList&, QString&)
{
    device.channel->resume();
    return 0;
}

int MciInterpreter::setaudio(Device& device, const QStringList& arguments, QString&)
{
    const QString side = arguments.value(0);
    const bool left = same(side, "left");
    const bool right = same(side, "right");
    const QString level = valueAfter(arguments, "to");
    if (level.isEmpty() || !same(arguments.value(left || right ? 1 : 0), "volume"))
        return MissingParameter;
    const std::optional<qint64> value = number(level);
    if (!value)
        return BadNumber;
    if (*value < 0 || *value > 1000)
        return OutOfRange;
    if (!right)
        device.left = int(*value);
    if (!left)
        device.right = int(*value);
    device.channel->setVolume(device.left, device.right);
    return 0;
}

qint64 MciInterpreter::toUnits(const Device& device, qint64 ms)
{
    if (device.format == TimeFormat::Milliseconds)
        return ms;
    return ms * device.channel->framesPerSecond() / 1000;
}

qint64 MciInterpreter::toMs(const Device& device, qint64 units)
{
    if (device.format == TimeFormat::Milliseconds)
        return units;
    // Rounded up, so that the position read back is the frame that was asked for.
    const qint64 fps = device.channel->framesPerSecond();
    return (units * 1000 + fps - 1) / fps;
}

} // namespace twinsweep
