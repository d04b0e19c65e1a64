#include "Player.h"

#include <algorithm>
#include <cmath>

#include "PlayerView.h"
#include "modMultimedia.h"
#include "platform/Services.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "queue/QueryList.h"

namespace twinsweep {

namespace {
constexpr int MaxCrossfadeSeconds = 30;

/// The fade's progress in per cent. A volume of 0 gives a single step, shown as done.
int fadePercent(int step, int volume)
{
    return volume <= 0 ? 100 : int(qint64(step) * 100 / volume);
}
} // namespace

int crossfadeSeconds(const SettingsStore& settings)
{
    bool isNumber = false;
    const double seconds = settings.value(Settings::Crossfade).trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(seconds))
        return 0;
    return int(std::clamp(std::nearbyint(seconds), 0.0, double(MaxCrossfadeSeconds)));
}

Player::Player(modMultimedia& channels, QueryList& query, PlayerView& view, Services& services, WaitClock& clock,
               const int& PlayerVolume)
    : m_channels(channels), m_query(query), m_view(view), m_services(services), m_clock(clock), m_volume(PlayerVolume)
{}

bool Player::isPlaying(const QString& alias)
{
    return m_channels.GetMediaMode(alias) == "playing";
}

void Player::playmedia(const QString& path)
{
    // The channels' modes cannot tell a fade: its old file may have ended already.
    if (m_shutDown || m_fading)
        return;
    if (!isPlaying("f2") && !isPlaying("f1")) {
        startAfresh(path);
        return;
    }
    const int crossfade = crossfadeSeconds(m_services.settings);
    QString newAlias;
    QString oldAlias;
    if (isPlaying("f1") && !isPlaying("f2")) {
        newAlias = "f2";
        oldAlias = "f1";
    } else if (isPlaying("f2") && !isPlaying("f1")) {
        newAlias = "f1";
        oldAlias = "f2";
    } else {
        return; // a fade runs already
    }
    startSilently(newAlias, path);
    if (crossfade <= 0) {
        m_channels.SetMediaVolume("f2", "all", m_volume);
        m_channels.SetMediaVolume("f1", "all", m_volume);
    } else if (!fade(newAlias, oldAlias, crossfade)) {
        return;
    }
    m_channels.CloseMedia(oldAlias);
    checkcolor(m_query, m_services.pump);
    m_view.setSliderEnabled(true);
}

void Player::startAfresh(const QString& path)
{
    ReleasePlayerChannels(m_channels);
    m_channels.OpenMedia(0, "f1", path, "MpegVideo");
    m_channels.SetMediaVolume("f1", "all", m_volume);
    m_channels.PlayMediaRange("f1", "", "");
    m_view.setSliderTag("f1");
    checkcolor(m_query, m_services.pump);
}

void Player::startSilently(const QString& newAlias, const QString& path)
{
    // A channel that is not playing may still hold its ended or paused file: were the open
    // refused, the play would start that file again.
    m_channels.CloseMedia(newAlias);
    m_channels.OpenMedia(0, newAlias, path, "MpegVideo");
    m_channels.SetMediaVolume(newAlias, "all", 0);
    m_channels.PlayMediaRange(newAlias, "", "");
    m_view.setSliderTag(newAlias);
}

bool Player::fade(const QString& newAlias, const QString& oldAlias, int crossfade)
{
    m_fading = true;
    const bool ended = fadeSteps(newAlias, oldAlias, crossfade);
    m_fading = false;
    return ended;
}

bool Player::fadeSteps(const QString& newAlias, const QString& oldAlias, int crossfade)
{
    m_view.setSliderEnabled(false);
    const int steps = std::max(m_volume, 0);
    for (int step = 0; step <= steps; ++step) {
        // Stop during the fade closed both channels; the window may be closing.
        if (m_shutDown || (!isPlaying("f1") && !isPlaying("f2")))
            return false;
        m_channels.SetMediaVolume(newAlias, "all", step);
        m_channels.SetMediaVolume(oldAlias, "all", m_volume - step);
        const int percent = fadePercent(step, m_volume);
        m_services.status.setStatusText(QString("Fading: %1%").arg(percent));
        Wait(crossfade);
        if (m_shutDown)
            return false;
        m_view.setSliderValue(percent);
        m_services.pump.processEvents();
    }
    if (m_shutDown)
        return false;
    m_services.status.setStatusText("");
    return true;
}

void Player::Wait(qint64 TimeToWait)
{
    const qint64 end = m_clock.elapsedMs() + TimeToWait * 10;
    for (qint64 now = m_clock.elapsedMs(); now <= end && !m_shutDown; now = m_clock.elapsedMs())
        m_clock.yieldFor(end - now + 1);
}

} // namespace twinsweep
