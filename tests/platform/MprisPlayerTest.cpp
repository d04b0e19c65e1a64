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

/// The MPRIS object of a fake player: keeps a track list and records every call that
/// changes it or plays, one line each.
class FakePlayerObject : public QDBusVirtualObject
{
public:
    explicit FakePlayerObject(bool canEditTracks) : m_canEditTracks(canEditTracks) {}

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
            addTrack(arguments.value(0).toString(), after);
        } else if (method == "RemoveTrack") {
            const QString id = arguments.value(0).value<QDBusObjectPath>().path();
            m_calls << "RemoveTrack " + id;
            std::erase_if(m_tracks, [&id](const auto& track) { return track.first == id; });
        } else if (method == "OpenUri") {
            m_calls << "OpenUri " + arguments.value(0).toString();
        } else {
            m_calls << method;
        }
        return message.createReply();
    }
    QDBusMessage property(const QDBusMessage& message, const QString& name)
    {
        if (!m_canEditTracks)
            return message.createErrorReply(QDBusError::UnknownInterface, "no track list");
        if (name == "CanEditTracks")
            return message.createReply(QVariant::fromValue(QDBusVariant(true)));
        QList<QDBusObjectPath> ids;
        for (const auto& track : m_tracks)
            ids << QDBusObjectPath(track.first);
        return message.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(ids))));
    }
    void addTrack(const QString& url, const QString& after)
    {
        const QString id = QString("/org/twinsweep/track/%1").arg(++m_lastId);
        const auto afterTrack = std::find_if(m_tracks.begin(), m_tracks.end(),
                                             [&after](const auto& track) { return track.first == after; });
        m_tracks.insert(afterTrack == m_tracks.end() ? m_tracks.begin() : afterTrack + 1, {id, url});
    }

    const bool m_canEditTracks;
    mutable QMutex m_mutex;
    QStringList m_calls;
    std::vector<std::pair<QString, QString>> m_tracks; // id, URL
    int m_lastId = 0;
};

/// A fake player on the bus under `busName`, answering on a thread of its own: the
/// adapter's calls block the test's thread until they are answered.
class RunningPlayer
{
public:
    RunningPlayer(const QString& busName, bool canEditTracks)
        : object(canEditTracks), m_connectionName("fake player " + busName + QString::number(++s_started))
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

TEST_F(MprisPlayerTest, FilesArriveInOrderWithTheirUrlsAndPlayFollows)
{
    RunningPlayer player("org.mpris.MediaPlayer2.fake", true);
    ASSERT_TRUE(player.registered);
    const QString folder = test::freshFolder("mpris");
    const QStringList paths{folder + "/a.mp3", folder + "/With blanks/Zoë – Ärger #1.mp3", folder + "/c.wav"};

    ASSERT_TRUE(winamp.WinampFindWindow());
    for (const QString& path : paths)
        winamp.WinampAddFile(path);
    winamp.WinampPlay();

    EXPECT_EQ(player.object.tracks(), QStringList({url(paths[0]), url(paths[1]), url(paths[2])}));
    EXPECT_EQ(QUrl(player.object.tracks().value(1)).toLocalFile(), paths[1]);
    EXPECT_TRUE(player.object.tracks().value(1).contains("With%20blanks/Zo%C3%AB")) << "a valid URL";
    const QStringList calls = player.object.calls();
    ASSERT_EQ(calls.size(), 4);
    EXPECT_EQ(calls[0], "AddTrack " + url(paths[0]) + " after " + NoTrack);
    EXPECT_EQ(calls[3], "Play");

    winamp.WinampClearPlaylist();
    EXPECT_TRUE(player.object.tracks().isEmpty());
}

TEST_F(MprisPlayerTest, NoPlayerOnTheBusIsNotRunningAndARestartedPlayerIsFoundAgain)
{
    EXPECT_FALSE(winamp.WinampFindWindow());
    winamp.WinampAddFile("/music/a.mp3"); // goes nowhere, harmlessly

    auto first = std::make_unique<RunningPlayer>("org.mpris.MediaPlayer2.fake.instance1", true);
    EXPECT_TRUE(winamp.WinampFindWindow()) << "started after the first try";
    winamp.WinampAddFile("/music/b.mp3");
    EXPECT_EQ(first->object.tracks(), QStringList(url("/music/b.mp3")));

    // The player is restarted and registers under a new instance name meanwhile.
    first.reset();
    RunningPlayer restarted("org.mpris.MediaPlayer2.fake.instance2", true);
    winamp.WinampAddFile("/music/c.mp3");
    EXPECT_EQ(restarted.object.tracks(), QStringList(url("/music/c.mp3")));
}

TEST_F(MprisPlayerTest, APlayerThatEditsItsTrackListIsPreferredElseTheFirstByNameIsOpened)
{
    RunningPlayer browser("org.mpris.MediaPlayer2.browser", false);
    RunningPlayer other("org.mpris.MediaPlayer2.zplayer", true);
    ASSERT_TRUE(winamp.WinampFindWindow());
    EXPECT_EQ(winamp.playerName(), "org.mpris.MediaPlayer2.zplayer");

    winamp.WinampClearPlaylist();
    winamp.WinampAddFile("/music/a.mp3");
    EXPECT_TRUE(browser.object.calls().isEmpty());
    EXPECT_EQ(other.object.tracks(), QStringList(url("/music/a.mp3")));
}

TEST_F(MprisPlayerTest, APlayerWithoutAnEditableTrackListOpensTheFileAndClearsNothing)
{
    RunningPlayer browser("org.mpris.MediaPlayer2.browser", false);
    winamp.WinampClearPlaylist();
    winamp.WinampAddFile("/music/a b.mp3");
    winamp.WinampPlay();
    EXPECT_EQ(browser.object.calls(), QStringList({"OpenUri file:///music/a%20b.mp3", "Play"}));
}

} // namespace
} // namespace twinsweep
