#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <memory>

#include "ScratchFiles.h"
#include "platform/MprisPlayer.h"

namespace twinsweep {
namespace {

constexpr char ObjectPath[] = "/org/mpris/MediaPlayer2";
constexpr char NoTrack[] = "/org/mpris/MediaPlayer2/TrackList/NoTrack";

/// A session bus of the test's own, so that no real player of the user is reached.
class PrivateSessionBus
{
public:
    PrivateSessionBus()
    {
        m_daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        if (m_daemon.waitForReadyRead(10000))
            address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    }
    ~PrivateSessionBus()
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_userAddress);
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    QString address;

private:
    QByteArray m_userAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    QProcess m_daemon;
};

/// What a fake player is like.
struct PlayerKind
{
    bool canEditTracks = true;
    QStringList schemes{"file"}; // its SupportedUriSchemes; a browser's are none
    /// Like VLC: its track list shows removals at once but added tracks only once it
    /// plays again or its shuffle is switched, and a track to go after one it does not
    /// know goes last. Other players refuse such a track.
    bool listsLate = false;
    bool shuffle = false;
};

/// The MPRIS object of a fake player: keeps a track list and records every call that
/// changes it or plays, one line each.
class FakePlayerObject : public QDBusVirtualObject
{
public:
    explicit FakePlayerObject(const PlayerKind& kind) : m_kind(kind), m_shuffle(kind.shuffle) {}

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QMutexLocker lock(&m_mutex);
        connection.send(answer(message));
        return true;
    }
    QStringList calls() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    bool shuffle() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_shuffle;
    }
    /// The URLs of the track list, in its order.
    QStringList tracks() const
    {
        const QMutexLocker lock(&m_mutex);
        QStringList urls;
        for (const auto& track : m_tracks)
            urls << track.second;
        return urls;
    }

private:
    QDBusMessage answer(const QDBusMessage& message)
    {
        const QString method = message.member();
        const QVariantList arguments = message.arguments();
        if (method == "Get")
            return property(message, arguments.value(1).toString());
        if (method == "AddTrack") {
            const QString after = arguments.value(1).value<QDBusObjectPath>().path();
            m_calls << "AddTrack " + arguments.value(0).toString() + " after " + after;
            if (!addTrack(arguments.value(0).toString(), after))
                return message.createErrorReply(QDBusError::InvalidArgs, "no such track");
        } else if (method == "Set") {
            m_shuffle = arguments.value(2).value<QDBusVariant>().variant().toBool();
            listAll();
        } else if (method == "RemoveTrack") {
            const QString id = arguments.value(0).value<QDBusObjectPath>().path();
            m_calls << "RemoveTrack " + id;
            std::erase_if(m_tracks, [&id](const auto& track) { return track.first == id; });
            m_listed.removeAll(id);
        } else if (method == "OpenUri") {
            m_calls << "OpenUri " + arguments.value(0).toString();
        } else {
            m_calls << method;
            if (method == "Play")
                listAll();
        }
        if (!m_kind.listsLate)
            listAll();
        return message.createReply();
    }
    QDBusMessage property(const QDBusMessage& message, const QString& name)
    {
        if (name == "SupportedUriSchemes")
            return message.createReply(QVariant::fromValue(QDBusVariant(m_kind.schemes)));
        if (!m_kind.canEditTracks)
            return message.createErrorReply(QDBusError::UnknownInterface, "no track list");
        if (name == "CanEditTracks")
            return message.createReply(QVariant::fromValue(QDBusVariant(true)));
        if (name == "Shuffle")
            return message.createReply(QVariant::fromValue(QDBusVariant(m_shuffle)));
        QList<QDBusObjectPath> ids;
        for (const QString& id : m_listed)
            ids << QDBusObjectPath(id);
        return message.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(ids))));
    }
    void listAll()
    {
        m_listed.clear();
        for (const auto& track : m_tracks)
            m_listed << track.first;
    }
    /// False when `after` names no track and the player refuses that.
    bool addTrack(const QString& url, const QString& after)
    {
        const QString id = QString("/org/fake/track/%1").arg(++m_lastId);
        auto place = std::find_if(m_tracks.begin(), m_tracks.end(),
                                  [&after](const auto& track) { return track.first == after; });
        if (after == NoTrack)
            place = m_tracks.begin();
        else if (place != m_tracks.end())
            ++place;
        else if (!m_kind.listsLate)
            return false;
        m_tracks.insert(place, {id, url});
        return true;
    }

    const PlayerKind m_kind;
    mutable QMutex m_mutex;
    QStringList m_calls;
    std::vector<std::pair<QString, QString>> m_tracks; // id, URL
    QStringList m_listed;                              // the ids its track list shows
    int m_lastId = 0;
    bool m_shuffle;
};

/// A fake player on the bus under `busName`, answering on a thread of its own: the
/// adapter's calls block the test's thread until they are answered.
class RunningPlayer
{
public:
    RunningPlayer(const QString& busName, const PlayerKind& kind = {})
        : object(kind), m_connectionName("fake player " + busName + QString::number(++s_started))
    {
        m_thread.start();
        object.moveToThread(&m_thread);
        QMetaObject::invokeMethod(
            &object,
            [this, busName] {
                QDBusConnection bus =
                    QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), m_connectionName);
                bus.registerVirtualObject(ObjectPath, &object);
                registered = bus.registerService(busName);
            },
            Qt::BlockingQueuedConnection);
    }
    /// The player quits: its name leaves the bus.
    ~RunningPlayer()
    {
        QThread* testThread = QThread::currentThread();
        QMetaObject::invokeMethod(
            &object,
            [this, testThread] {
                // The connection closes on the bus's own thread, which would still reach
                // an object left registered after it is gone.
                QDBusConnection(m_connectionName).unregisterObject(ObjectPath);
                QDBusConnection::disconnectFromBus(m_connectionName);
                object.moveToThread(testThread);
            },
            Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    FakePlayerObject object;
    bool registered = false;

private:
    static inline int s_started = 0;
    QString m_connectionName;
    QThread m_thread;
};

class MprisPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(bus.address.isEmpty()) << "dbus-daemon did not start"; }

    static QString url(const QString& path) { return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded()); }

    PrivateSessionBus bus;
    MprisPlayer winamp;
};

TEST_F(MprisPlayerTest, BatchesArriveInOrderWithTheirUrlsAndPlayReplacesTheList)
{
    const QString folder = test::freshFolder("mpris");
    const QStringList paths{folder + "/a.mp3", folder + "/With blanks/Zoë – Ärger #1.mp3", folder + "/c.wav"};
    const QStringList urls{url(paths[0]), url(paths[1]), url(paths[2])};
    for (const bool listsLate : {false, true}) {
        SCOPED_TRACE(listsLate ? "a player that lists added tracks late" : "a player that lists them at once");
        RunningPlayer player("org.mpris.MediaPlayer2.fake", {.listsLate = listsLate});
        ASSERT_TRUE(player.registered);
        ASSERT_TRUE(winamp.WinampFindWindow());
        EXPECT_TRUE(winamp.canQueueFiles());

        // Enqueue twice on a stopped player, then play other files, then enqueue.
        winamp.WinampAddFiles(paths.first(2));
        winamp.WinampAddFiles(paths.sliced(2));
        EXPECT_EQ(player.object.tracks(), urls);
        EXPECT_EQ(QUrl(player.object.tracks().value(1)).toLocalFile(), paths[1]);
        EXPECT_TRUE(player.object.tracks().value(1).contains("With%20blanks/Zo%C3%AB")) << "a valid URL";

        winamp.WinampClearPlaylist();
        winamp.WinampAddFiles({"/music/d.mp3", "/music/e.mp3"});
        winamp.WinampPlay();
        EXPECT_EQ(player.object.tracks(), QStringList({url("/music/d.mp3"), url("/music/e.mp3")}));
        EXPECT_EQ(player.object.calls().constLast(), "Play");
        winamp.WinampAddFiles({"/music/f.mp3"});
        EXPECT_EQ(player.object.tracks(), QStringList({url("/music/d.mp3"), url("/music/e.mp3"), url("/music/f.mp3")}));

        winamp.WinampClearPlaylist();
        EXPECT_TRUE(player.object.tracks().isEmpty());
    }
}

TEST_F(MprisPlayerTest, PlayLeavesTheShuffleAsItWas)
{
    for (const bool shuffle : {false, true}) {
        SCOPED_TRACE(shuffle ? "shuffle on" : "shuffle off");
        RunningPlayer vlc("org.mpris.MediaPlayer2.vlc", {.listsLate = true, .shuffle = shuffle});
        winamp.WinampClearPlaylist();
        winamp.WinampAddFiles({"/music/a.mp3"});
        winamp.WinampPlay();
        EXPECT_EQ(vlc.object.shuffle(), shuffle);
    }
}

TEST_F(MprisPlayerTest, NoPlayerOnTheBusIsNotRunningAndARestartedPlayerIsFoundAgain)
{
    EXPECT_FALSE(winamp.WinampFindWindow());
    winamp.WinampAddFiles({"/music/a.mp3"}); // goes nowhere, harmlessly

    auto first = std::make_unique<RunningPlayer>("org.mpris.MediaPlayer2.fake.instance1");
    EXPECT_TRUE(winamp.WinampFindWindow()) << "started after the first try";
    winamp.WinampAddFiles({"/music/b.mp3"});
    EXPECT_EQ(first->object.tracks(), QStringList(url("/music/b.mp3")));

    // The player is restarted and registers under a new instance name meanwhile.
    first.reset();
    RunningPlayer restarted("org.mpris.MediaPlayer2.fake.instance2");
    winamp.WinampAddFiles({"/music/c.mp3"});
    EXPECT_EQ(restarted.object.tracks(), QStringList(url("/music/c.mp3")));
}

TEST_F(MprisPlayerTest, APlayerThatEditsItsTrackListIsPreferredElseTheFirstByNameIsOpened)
{
    const PlayerKind browser{.canEditTracks = false, .schemes = {}};
    // mpv's plug-in opens local files but names network schemes only.
    const PlayerKind oneAtATime{.canEditTracks = false, .schemes = {"http", "https"}};
    const struct
    {
        const char* name;
        std::vector<std::pair<const char*, PlayerKind>> players;
        QString found; // "" when none counts
    } cases[]{
        {"only a browser", {{"org.mpris.MediaPlayer2.chromium", browser}}, ""},
        {"a browser before a player",
         {{"org.mpris.MediaPlayer2.chromium", browser}, {"org.mpris.MediaPlayer2.mpv", oneAtATime}},
         "org.mpris.MediaPlayer2.mpv"},
        {"a track list is preferred",
         {{"org.mpris.MediaPlayer2.mpv", oneAtATime}, {"org.mpris.MediaPlayer2.vlc", {}}},
         "org.mpris.MediaPlayer2.vlc"},
    };
    // A web browser publishes its media sessions too, but opens no local file.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::unique_ptr<RunningPlayer>> running;
        for (const auto& [name, kind] : c.players)
            running.push_back(std::make_unique<RunningPlayer>(name, kind));
        MprisPlayer outside;
        EXPECT_EQ(outside.WinampFindWindow(), !c.found.isEmpty());
        EXPECT_EQ(outside.playerName(), c.found);
        outside.WinampClearPlaylist();
        outside.WinampAddFiles({"/music/a.mp3"});
        for (size_t i = 0; i < running.size(); ++i) {
            if (c.players[i].first != c.found) {
                EXPECT_TRUE(running[i]->object.calls().isEmpty()) << c.players[i].first;
            }
        }
    }
}

TEST_F(MprisPlayerTest, APlayerWithoutAnEditableTrackListOpensTheFileAndClearsNothing)
{
    RunningPlayer mpv("org.mpris.MediaPlayer2.mpv", {.canEditTracks = false});
    ASSERT_TRUE(winamp.WinampFindWindow());
    EXPECT_FALSE(winamp.canQueueFiles());
    winamp.WinampClearPlaylist();
    winamp.WinampAddFiles({"/music/a b.mp3", "/music/c.mp3"});
    winamp.WinampPlay();
    EXPECT_EQ(mpv.object.calls(), QStringList({"OpenUri file:///music/a%20b.mp3", "Play"}));
}

} // namespace
} // namespace twinsweep
