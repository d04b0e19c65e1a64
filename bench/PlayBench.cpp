#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

#include "Bench.h"
#include "FakePlayerView.h"
#include "HeadlessServices.h"
#include "catalogue/cDirEx.h"
#include "platform/GstPlaybackChannel.h"
#include "platform/MciInterpreter.h"
#include "platform/SettingKeys.h"
#include "playback/Player.h"
#include "playback/PlayerBar.h"
#include "playback/PlayerMonitor.h"
#include "playback/QtWaitClock.h"
#include "playback/modMultimedia.h"
#include "queue/QueryList.h"

namespace twinsweep::bench {
namespace {

constexpr int MonitorIntervalMs = 500; // the main window's `Timer2`

void queueFiles(QueryList& query, const QStringList& files)
{
    for (const QString& file : files) {
        const QFileInfo info(file);
        query.append(QueryRow{info.fileName(), info.absolutePath() + "/", {}, {}, true});
    }
}

/// The rows the player has started (unchecked).
qsizetype startedRows(const QueryList& query)
{
    qsizetype started = 0;
    for (qsizetype row = 0; row < query.size(); ++row)
        started += query.row(row).Checked ? 0 : 1;
    return started;
}

/// Plays the files as a queue through the player, the monitor and the real channels,
/// as the Play button of the player bar starts it, and times it to the last file's end.
int runPlay(QStringList arguments)
{
    int crossfade = 0;
    if (arguments.value(0) == "--crossfade") {
        crossfade = arguments.value(1).toInt();
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty())
        return 2;
    HeadlessServices headless;
    headless.settings.setValue(Settings::Crossfade, QString::number(crossfade));
    MciInterpreter interpreter(gstPlaybackChannels());
    modMultimedia channels(interpreter);
    QueryList query;
    queueFiles(query, arguments);
    test::FakePlayerView view;
    QtWaitClock clock;
    const int PlayerVolume = 100;
    Player player(channels, query, view, headless.services, clock, PlayerVolume);
    const FileExists exists = [](const QString& path) { return cDirEx::ExistFile(path); };
    PlayerMonitor monitor(channels, query, view, player, headless.status, headless.settings, exists);
    PlayerBar bar(channels, query, view, player, headless.pump, exists);

    restartClock();
    monitor.Timer2_Timer(); // shows Play as available
    bar.Picture1_Click();
    QEventLoop loop;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        monitor.Timer2_Timer();
        const QString mode = channels.GetMediaMode(view.sliderTag());
        // A file that cannot be opened ends the queue: nothing follows a channel that never played.
        if (mode == "ERROR" || (mode == "stopped" && startedRows(query) == query.size()))
            loop.quit();
    });
    timer.start(MonitorIntervalMs);
    loop.exec();
    std::printf("play: %lld files in %.1f s\n", static_cast<long long>(startedRows(query)), elapsedSeconds());
    return 0;
}

const Registration play{{"play", "play [--crossfade N] FILE...   (N seconds, default 0)", runPlay}};

} // namespace
} // namespace twinsweep::bench
