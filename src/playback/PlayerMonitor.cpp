#include "PlayerMonitor.h"

#include <cmath>

#include "Player.h"
#include "PlayerView.h"
#include "modMultimedia.h"
#include "platform/Services.h"
#include "queue/QueryCommands.h"
#include "queue/QueryList.h"

namespace twinsweep {

namespace {

QString twoDigits(qint64 number)
{
    return QString::number(number).rightJustified(2, '0');
}

QString minutesAndSeconds(double seconds)
{
    const double whole = std::floor(seconds);
    return twoDigits(qint64(std::floor(seconds / 60))) + ":" + twoDigits(qint64(std::fmod(whole, 60)));
}

} // namespace

QString positionText(double PositionSeconds, double LengthSeconds)
{
    return "Current position: " + minutesAndSeconds(PositionSeconds) + "   Total: " + minutesAndSeconds(LengthSeconds);
}

PlayerMonitor::PlayerMonitor(modMultimedia& channels, QueryList& query, PlayerView& view, QueryPlayer& player,
                             StatusDisplay& status, const SettingsStore& settings, FileExists exists)
    : m_channels(channels),
      m_query(query),
      m_view(view),
      m_player(player),
      m_status(status),
      m_settings(settings),
      m_exists(std::move(exists))
{}

qsizetype PlayerMonitor::currentRow()
{
    const qsizetype rowCount = m_query.size();
    if (rowCount == 0)
        return std::max<qsizetype>(m_query.tagRow().value_or(-1) + 1, 0);
    const std::optional<qsizetype> tagRow = m_query.tagRow();
    if (!tagRow || *tagRow + 1 > rowCount) {
        m_query.setTag(QString::number(rowCount));
        return rowCount;
    }
    return *tagRow + 1;
}

void PlayerMonitor::Timer2_Timer()
{
    const QString current = m_view.sliderTag();
    const qsizetype rowCount = m_query.size();
    const qsizetype row = currentRow();
    if (rowCount == 0) {
        m_view.setCoverShown(PlayerButton::Previous, true);
        m_view.setCoverShown(PlayerButton::Next, true);
    } else {
        if (row > 0 && m_channels.GetMediaMode(current) != "playing")
            m_view.setCoverShown(PlayerButton::Play, false);
        if (m_player.fading()) {
            // A crossfade runs: the slider, the status text and the queue are its own.
            m_view.setCoverShown(PlayerButton::Previous, true);
            m_view.setCoverShown(PlayerButton::Next, true);
            return;
        }
        m_view.setCoverShown(PlayerButton::Previous, false);
        m_view.setCoverShown(PlayerButton::Next, false);
    }
    showModeCovers(current, row, rowCount);
    readPosition(current);
    showPosition(current);
    CrossfadeSeconds = crossfadeSeconds(m_settings);
    followEnd(current, row, rowCount);
    if (m_status.statusText() == LastPositionText && m_channels.GetMediaMode(current) == "stopped") {
        LastPositionText.clear();
        m_status.setStatusText("");
    }
}

void PlayerMonitor::showModeCovers(const QString& alias, qsizetype current, qsizetype rowCount)
{
    QString mode = m_channels.GetMediaMode(alias);
    if (mode == "playing") {
        m_view.setCoverShown(PlayerButton::Play, true);
        m_view.setCoverShown(PlayerButton::Pause, false);
        m_view.setCoverShown(PlayerButton::Stop, false);
        m_view.setSliderValue(double(m_channels.GetPercentPlayed(alias)));
        m_view.setSliderEnabled(true);
    }
    mode = m_channels.GetMediaMode(alias);
    if (mode == "stopped" || mode == "ERROR") {
        if (current <= 0 || rowCount == 0)
            m_view.setCoverShown(PlayerButton::Play, true);
        m_view.setCoverShown(PlayerButton::Pause, true);
        m_view.setCoverShown(PlayerButton::Stop, true);
        m_view.setSliderValue(100);
        m_view.setSliderEnabled(false);
    }
    if (m_channels.GetMediaMode(alias) == "paused") {
        m_view.setCoverShown(PlayerButton::Play, false);
        m_view.setCoverShown(PlayerButton::Pause, true);
        m_view.setCoverShown(PlayerButton::Stop, false);
    }
}

void PlayerMonitor::readPosition(const QString& alias)
{
    // Without a frame rate the position has no value in seconds; the last one stays.
    const qint64 framesPerSecond = m_channels.GetFramesPerSecond(alias);
    if (framesPerSecond > 0)
        PositionSeconds = double(m_channels.GetMediaPosition(alias)) / double(framesPerSecond);
    LengthSeconds = double(m_channels.GetMediaLengthMs(alias)) / 1000;
}

void PlayerMonitor::showPosition(const QString& alias)
{
    const QString shown = m_status.statusText();
    if ((shown.isEmpty() || shown == LastPositionText) && m_channels.GetMediaMode(alias) == "playing") {
        LastPositionText = positionText(PositionSeconds, LengthSeconds);
        m_status.setStatusText(LastPositionText);
    }
}

void PlayerMonitor::followEnd(const QString& alias, qsizetype current, qsizetype rowCount)
{
    const QString mode = m_channels.GetMediaMode(alias);
    if (mode == "playing") {
        m_endFollowed = false;
        if (std::floor(PositionSeconds) >= std::floor(LengthSeconds) - CrossfadeSeconds)
            advanceQueue(current, rowCount);
        return;
    }
    // Ticks may all miss the last second of a file (without a crossfade they mostly do):
    // its end starts the next row then. An end that started nothing is not taken again,
    // so rows added later wait for Play.
    if (mode == "stopped" && !m_endFollowed && hasEnded(alias))
        m_endFollowed = !advanceQueue(current, rowCount);
}

bool PlayerMonitor::hasEnded(const QString& alias)
{
    const qint64 length = m_channels.GetMediaLengthFrames(alias);
    return length >= 0 && m_channels.GetMediaPosition(alias) >= length;
}

bool PlayerMonitor::advanceQueue(qsizetype current, qsizetype rowCount)
{
    for (qsizetype next = current + 1;; ++next) {
        if (m_query.contains(next - 1)) {
            const QueryRow& candidate = m_query.row(next - 1);
            const QString path = candidate.fullPath();
            if (candidate.Checked && m_exists(path)) {
                m_query.setChecked(next - 1, false);
                m_query.setTag(QString::number(next));
                m_player.playmedia(path);
                return true;
            }
        }
        if (next - 1 >= rowCount)
            return false; // nothing after the last row
        m_query.setTag(QString::number(next));
    }
}

void PlayerMonitor::SliderControl1_MouseUp(int Button)
{
    if (Button != 1)
        return;
    const QString alias = m_view.sliderTag();
    const double frames = m_view.sliderValue() * double(m_channels.GetMediaLengthFrames(alias)) / 100;
    m_channels.SeekAndPlayMedia(alias, qint64(std::nearbyint(frames)));
}

} // namespace twinsweep
