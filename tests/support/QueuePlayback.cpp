#include "QueuePlayback.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include "FakePlayerView.h"
#include "catalogue/cDirEx.h"
#include "platform/MciInterpreter.h"
#include "platform/Services.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "playback/Player.h"
#include "playback/PlayerBar.h"
#include "playback/PlayerMonitor.h"
#include "playback/QtWaitClock.h"
#include "playback/modMultimedia.h"
#include "queue/QueryList.h"

namespace twinsweep::test {

namespace {

constexpr int MonitorIntervalMs = 500;

void queueFiles(QueryList& query, const QStringList& files)
{
    for (const QString& file : files) {
        const QFileInfo info(file);
        query.append(QueryRow{info.fileName(), info.absolutePath() + "/", {}, {}, true});
    }
}

/// The rows the player has started (unchecked); rows of missing files are passed over.
qsizetype startedRows(const QueryList& query)
{
    qsizetype started = 0;
    for (qsizetype row = 0; row < query.size(); ++row)
        started += query.row(row).Checked ? 0 : 1;
    return started;
}

} // namespace

qsizetype playQueue(const QStringList& files, int crossfadeSeconds, Services& services,
                    PlaybackChannelFactory makeChannel)
{
    services.settings.setValue(Settings::Crossfade, QString::number(crossfadeSeconds));
    MciInterpreter interpreter(std::move(makeChannel));
    modMultimedia channels(interpreter);
    QueryList query;
    queueFiles(query, files);
    FakePlayerView view;
    QtWaitClock clock;
    const int PlayerVolume = 100;
    Player player(channels, query, view, services, clock, PlayerVolume);
    const FileExists exists = [](const QString& path) { return cDirEx::ExistFile(path); };
    PlayerMonitor monitor(channels, query, view, player, services.status, services.settings, exists);
    PlayerBar bar(channels, query, view, player, services.pump, exists);

    monitor.Timer2_Timer(); // shows Play as available
    bar.Picture1_Click();
    QEventLoop loop;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        const qsizetype startedBefore = startedRows(query);
        monitor.Timer2_Timer();
        // A tick that started nothing and leaves nothing playing found nothing to follow:
        // the queue has stopped, at its last row or before it. A file started with a fade
        // may end within the fade (ticks in the fade leave the queue to it): the next tick
        // follows its end.
        const bool startedNothing = startedRows(query) == startedBefore && !player.fading();
        if (startedNothing && channels.GetMediaMode(view.sliderTag()) != "playing")
            loop.quit();
    });
    timer.start(MonitorIntervalMs);
    loop.exec();
    return startedRows(query);
}

} // namespace twinsweep::test
