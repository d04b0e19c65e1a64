#include "MprisPlayer.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace twinsweep {

namespace {

constexpr char PlayerNamePrefix[] = "org.mpris.MediaPlayer2.";
constexpr char ObjectPath[] = "/org/mpris/MediaPlayer2";
constexpr char RootInterface[] = "org.mpris.MediaPlayer2";
constexpr char PlayerInterface[] = "org.mpris.MediaPlayer2.Player";
constexpr char TrackListInterface[] = "org.mpris.MediaPlayer2.TrackList";
constexpr char PropertiesInterface[] = "org.freedesktop.DBus.Properties";
/// Inserting after this track puts the new one first: used for an empty track list.
constexpr char NoTrack[] = "/org/mpris/MediaPlayer2/TrackList/NoTrack";
/// An id no player gives a track: VLC adds a track to go after it at the end of its
/// list; other players may refuse it.
constexpr char UnknownTrack[] = "/org/twinsweep/TrackList/Unknown";
/// A hung player must not hold the program's window for long.
constexpr int CallTimeoutMs = 3000;

/// The bus of `connectionName`, connected anew when it is not connected. The address
/// is read at each connect (the bus library reads it only once per process), so a
/// restarted session bus is reached too.
QDBusConnection sessionBus(const QString& connectionName)
{
    QDBusConnection connection(connectionName);
    if (connection.isConnected())
        return connection;
    QDBusConnection::disconnectFromBus(connectionName);
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty())
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName);
    return QDBusConnection::connectToBus(address, connectionName);
}

/// Calls to one player over the program's own connection.
class PlayerCalls
{
public:
    PlayerCalls(const QString& connectionName, const QString& player)
        : m_connectionName(connectionName), m_player(player)
    {}

    QDBusMessage call(const char* interface, const char* method, const QVariantList& arguments = {}) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(m_player, ObjectPath, interface, method);
        message.setArguments(arguments);
        return sessionBus(m_connectionName).call(message, QDBus::Block, CallTimeoutMs);
    }

    /// Invalid when the player has no such property or does not answer.
    QVariant property(const char* interface, const char* name) const
    {
        const QDBusMessage reply =
            call(PropertiesInterface, "Get", {QString::fromLatin1(interface), QString::fromLatin1(name)});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return reply.arguments().constFirst().value<QDBusVariant>().variant();
    }

    void setProperty(const char* interface, const char* name, const QVariant& value) const
    {
        call(PropertiesInterface, "Set",
             {QString::fromLatin1(interface), QString::fromLatin1(name), QVariant::fromValue(QDBusVariant(value))});
    }

    bool canEditTracks() const { return property(TrackListInterface, "CanEditTracks").toBool(); }

    /// Whether the player opens what it is given. A web browser's media session names
    /// no URI scheme; mpv's MPRIS plug-in opens local files but names only network
    /// schemes, so any scheme at all counts.
    bool opensFiles() const { return !property(RootInterface, "SupportedUriSchemes").toStringList().isEmpty(); }

    /// The ids of the track list's tracks, in its order.
    QList<QDBusObjectPath> trackIds() const
    {
        const QVariant tracks = property(TrackListInterface, "Tracks");
        QList<QDBusObjectPath> ids;
        if (tracks.userType() == qMetaTypeId<QDBusArgument>())
            tracks.value<QDBusArgument>() >> ids;
        else
            ids = tracks.value<QList<QDBusObjectPath>>();
        return ids;
    }

private:
    const QString& m_connectionName;
    const QString& m_player;
};

QStringList playerNames(const QDBusConnection& bus)
{
    QStringList names;
    if (QDBusConnectionInterface* daemon = bus.interface())
        names = daemon->registeredServiceNames().value();
    names = names.filter(QRegularExpression('^' + QRegularExpression::escape(PlayerNamePrefix)));
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

MprisPlayer::MprisPlayer() : m_connectionName(QStringLiteral("twinsweep-outside-player-%1").arg(quintptr(this))) {}

MprisPlayer::~MprisPlayer()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
}

bool MprisPlayer::WinampFindWindow()
{
    // The player found before may have quit or been restarted since: ask the bus
    // whether its name still has an owner before trusting it.
    QDBusConnectionInterface* daemon = sessionBus(m_connectionName).interface();
    if (m_playerName.isEmpty() || !daemon || !daemon->isServiceRegistered(m_playerName).value())
        findPlayer();
    return !m_playerName.isEmpty();
}

void MprisPlayer::findPlayer()
{
    QStringList names = playerNames(sessionBus(m_connectionName));
    names.removeIf([this](const QString& name) { return !PlayerCalls(m_connectionName, name).opensFiles(); });
    const auto editable = std::find_if(names.cbegin(), names.cend(), [this](const QString& name) {
        return PlayerCalls(m_connectionName, name).canEditTracks();
    });
    m_canEditTracks = editable != names.cend();
    m_playerName = m_canEditTracks ? *editable : names.value(0);
}

bool MprisPlayer::canQueueFiles()
{
    return !m_playerName.isEmpty() && m_canEditTracks;
}

void MprisPlayer::WinampAddFiles(const QStringList& paths)
{
    if (paths.isEmpty() || !WinampFindWindow())
        return;
    const PlayerCalls player(m_connectionName, m_playerName);
    const auto uri = [](const QString& path) { return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded()); };
    if (!m_canEditTracks) {
        player.call(PlayerInterface, "OpenUri", {uri(paths.constFirst())});
        return;
    }
    const auto add = [&](const QString& path, const QDBusObjectPath& after) {
        const bool setAsCurrent = false;
        return player.call(TrackListInterface, "AddTrack", {uri(path), QVariant::fromValue(after), setAsCurrent});
    };
    // VLC lists an added track only once it plays again, so its last listed track need
    // not be its last: each file goes after a track it does not know, which it adds at
    // the end.
    const QDBusObjectPath unknown(UnknownTrack);
    const QDBusMessage first = add(paths.constFirst(), unknown);
    if (first.type() == QDBusMessage::ReplyMessage) {
        for (const QString& path : paths.sliced(1))
            add(path, unknown);
        return;
    }
    if (QDBusError(first).type() == QDBusError::NoReply)
        return; // passed over, as it may still add the file
    // A player that refuses it gets every file after its last listed track, the last
    // file first.
    const QList<QDBusObjectPath> tracks = player.trackIds();
    const QDBusObjectPath after = tracks.isEmpty() ? QDBusObjectPath(NoTrack) : tracks.constLast();
    for (auto path = paths.crbegin(); path != paths.crend(); ++path)
        add(*path, after);
}

void MprisPlayer::WinampPlay()
{
    if (WinampFindWindow())
        PlayerCalls(m_connectionName, m_playerName).call(PlayerInterface, "Play");
}

void MprisPlayer::WinampClearPlaylist()
{
    if (!WinampFindWindow() || !m_canEditTracks)
        return;
    const PlayerCalls player(m_connectionName, m_playerName);
    // VLC lists the tracks added since it last started playing once its shuffle is
    // switched: switched there and back, the list holds them all.
    const QVariant shuffle = player.property(PlayerInterface, "Shuffle");
    if (shuffle.userType() == QMetaType::Bool) {
        player.setProperty(PlayerInterface, "Shuffle", !shuffle.toBool());
        player.setProperty(PlayerInterface, "Shuffle", shuffle);
    }
    for (const QDBusObjectPath& track : player.trackIds())
        player.call(TrackListInterface, "RemoveTrack", {QVariant::fromValue(track)});
}

} // namespace twinsweep
